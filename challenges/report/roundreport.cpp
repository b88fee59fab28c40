// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/report/roundreport.h"

#include "challenges/challengescreen.h"
#include "challenges/leveltable.h"
#include "challenges/report/reporttexts.h"
#include "core/text.h"
#include "core/timetext.h"

#include <QStringList>

using namespace ReportTexts;

namespace RoundReport {

namespace {

// Whether the round's screen shows a round's duration beside its count.
bool showsDuration(const RoundRecord &round)
{
    const ChallengeScreen *screen = LevelTable::screen(round.level);
    return screen && screen->showsDuration;
}

QString seconds(qint64 ms)
{
    return TimeText::secondsOfMs(ms);
}

// A time and its two parts as the report shows them: the total and the
// finding cut to the hundredth, the typing what the shown finding leaves of
// the shown total, so that a pupil who adds the parts finds the total.
struct ShownParts {
    QString finding, typing, total;
};
ShownParts shownParts(qint64 findingMs, qint64 totalMs)
{
    const qint64 typing = TimeText::cutToHundredths(totalMs) - TimeText::cutToHundredths(findingMs);
    return {seconds(findingMs), TimeText::secondsWithHundredths(typing), seconds(totalMs)};
}

} // namespace

QString resultText(const RoundRecord &round)
{
    if (round.ending == RoundEnding::Success)
        return translated(kSeconds).arg(round.result);
    QString text = translated(kNumbers).arg(round.result);
    if (showsDuration(round))
        text +=
            translated(Punctuation::kComma) + translated(kLasted).arg(seconds(round.durationMs));
    return text;
}

QString heading(const RoundRecord &round)
{
    QStringList who;
    if (!round.name.isEmpty())
        who << round.name;
    who << translated(kLevel).arg(round.level)
        << round.started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const QStringList how{shownEnding(round.ending), translated(kResult).arg(resultText(round))};
    return who.join(QStringLiteral(" · ")) + QLatin1Char('\n') + how.join(QStringLiteral(" · "));
}

QString listEntry(const RoundRecord &round)
{
    QStringList who{round.started.toString(QStringLiteral("HH:mm:ss"))};
    if (!round.name.isEmpty())
        who << round.name;
    who << translated(kLevel).arg(round.level);
    return who.join(QStringLiteral("  ")) + QLatin1Char('\n') + shownEnding(round.ending) +
           QStringLiteral("  ") + resultText(round);
}

QString fileBaseName(const RoundRecord &round)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    QString name = round.name;
    for (QChar &c : name) {
        if (c.unicode() < 0x20 || forbidden.contains(c))
            c = QLatin1Char('_');
    }
    return QStringLiteral("%1%2-%3").arg(name.isEmpty() ? QString() : name + QLatin1Char('-'),
                                         translated(kLevel).arg(round.level),
                                         round.started.toString(QStringLiteral("yyyyMMdd-HHmmss")));
}

std::vector<FigureLine> figureLines(const RoundFigures &f)
{
    std::vector<FigureLine> lines;
    lines.push_back({translated(kCount), QString::number(f.count), translated(kCountTip)});
    if (f.perMinute) {
        lines.push_back({translated(kPerMinute),
                         translated(kPerMinuteValue).arg(*f.perMinute, 0, 'f', 1),
                         translated(kPerMinuteTip)});
    }
    if (f.typicalMs) {
        // The typical finding is never above the typical time: every
        // number's finding is part of its own time.
        const ShownParts typical = shownParts(*f.typicalFindingMs, *f.typicalMs);
        lines.push_back(
            {translated(kTypical),
             translated(kTypicalValue).arg(typical.total, typical.finding, typical.typing),
             translated(kTypicalTip)});
    }
    if (!f.slowest.empty()) {
        QStringList slow;
        for (const RoundFigures::Slow &s : f.slowest)
            slow << translated(kSlowValue).arg(s.number).arg(seconds(s.time.totalMs()));
        lines.push_back({translated(kSlowest), slow.join(translated(Punctuation::kComma)),
                         translated(kSlowestTip)});
    }
    if (f.pauses)
        lines.push_back(
            {translated(kPauses), translated(kTimes).arg(*f.pauses), translated(kPausesTip)});
    if (f.evenNumbers) {
        lines.push_back({translated(kEven),
                         translated(kEvenValue).arg(f.countedNumbers).arg(*f.evenNumbers),
                         translated(kEvenTip)});
    }
    if (f.firstHalfMeanMs && f.secondHalfMeanMs) {
        // Compared in the hundredths the pupil reads, cut as every time is.
        const qint64 first = TimeText::cutToHundredths(qint64(*f.firstHalfMeanMs));
        const qint64 second = TimeText::cutToHundredths(qint64(*f.secondHalfMeanMs));
        const auto shown = [](qint64 hundredths) {
            return TimeText::secondsWithHundredths(hundredths);
        };
        const QString change = second < first   ? translated(kFaster).arg(shown(first - second))
                               : second > first ? translated(kSlower).arg(shown(second - first))
                                                : translated(kSame);
        lines.push_back({translated(kHalves),
                         translated(kHalvesValue).arg(change, shown(first), shown(second)),
                         translated(kHalvesTip)});
    }
    return lines;
}

Rhythm rhythmOf(const RoundRecord &round)
{
    Rhythm r;
    for (std::size_t i = 0; i < round.numbers.size(); ++i)
        r.times.push_back(numberTime(round.numbers, i));
    if (round.ending != RoundEnding::Success) {
        const qint64 lastEnter = round.numbers.empty() ? 0 : round.numbers.back().enter;
        r.endingMs = std::max<qint64>(round.endMs - lastEnter, 0);
        r.endingText = shownEnding(round.ending);
    }
    r.typicalMs = figuresOf(round.numbers).typicalMs;
    if (const ChallengeScreen *screen = LevelTable::screen(round.level))
        r.gapLineMs = screen->gapMs;
    return r;
}

QString columnText(const RhythmColumn &c, const Rhythm &rhythm)
{
    switch (c.kind) {
    case RhythmColumn::Kind::Start:
        return translated(kPointedFirst).arg(seconds(c.bar.totalMs()));
    case RhythmColumn::Kind::Ending:
        return translated(kPointedEnding).arg(rhythm.endingText, seconds(c.bar.totalMs()));
    case RhythmColumn::Kind::Numbers:
        break;
    }
    if (c.first == c.last) {
        const ShownParts parts = shownParts(c.bar.findingMs, c.bar.totalMs());
        return translated(kPointedNumber)
            .arg(c.first)
            .arg(parts.finding, parts.typing, parts.total);
    }
    return translated(kPointedGroup)
        .arg(c.first)
        .arg(c.last)
        .arg(seconds(c.bar.totalMs()), seconds(c.slowestMs));
}

QString copiedText(const RoundRecord &round, const QString &progress)
{
    QStringList lines{translated(kTitle), heading(round)};
    const RoundFigures figures = figuresOf(round.numbers);
    for (const FigureLine &line : figureLines(figures))
        lines << line.label + translated(Punctuation::kColon) + line.value;
    if (!figures.enoughToAnalyse())
        lines << translated(kTooFew);
    if (!progress.isEmpty())
        lines << translated(kProgressTitle) + translated(Punctuation::kColon) + progress;
    lines << QString() << translated(kTableHeader);
    for (std::size_t i = 0; i < round.numbers.size(); ++i) {
        const NumberTime t = numberTime(round.numbers, i);
        const ShownParts parts = shownParts(t.findingMs, t.totalMs());
        lines << QStringLiteral("%1\t%2\t%3\t%4")
                     .arg(i + 1)
                     .arg(parts.finding, parts.typing, parts.total);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace RoundReport
