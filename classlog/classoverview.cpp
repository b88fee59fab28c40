// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classlog/classoverview.h"

#include "challenges/leveltable.h"
#include "classlog/classviewtexts.h"
#include "core/text.h"
#include "core/timetext.h"

#include <QCollator>
#include <QHash>
#include <QSet>

#include <algorithm>

using namespace ClassViewTexts;

namespace ClassOverview {

std::optional<RoundScore> scoreOf(const LoggedRound &round)
{
    const ChallengeScreen *screen = LevelTable::screen(round.level);
    if (!screen)
        return std::nullopt;
    return roundScore(screen->best, round.succeeded(), round.numbers, round.duration);
}

std::vector<Pupil> pupils(const LoggedRounds &rounds, const DayRange &days)
{
    std::vector<Pupil> all;
    // A name is found by its text once, then by the shared text it is held
    // in (the reader keeps each name once): a year's rounds are millions.
    QHash<QString, std::size_t> byName;
    QHash<const QChar *, std::size_t> byText;
    std::vector<QSet<const QChar *>> hostTexts;
    std::vector<std::optional<RoundScore>> bestScores;
    const auto levels = std::size_t(LevelTable::lastLevel());
    for (const LoggedRound &round : rounds) {
        if (!days.contains(round.day))
            continue;
        std::size_t at = 0;
        if (const auto known = byText.constFind(round.name.constData());
            known != byText.constEnd()) {
            at = *known;
        } else if (const auto found = byName.constFind(round.name); found != byName.constEnd()) {
            at = *found;
            byText.insert(round.name.constData(), at);
        } else {
            at = all.size();
            byName.insert(round.name, at);
            byText.insert(round.name.constData(), at);
            all.push_back({round.name, {}, 0, nullptr, std::vector<const LoggedRound *>(levels)});
            bestScores.resize(bestScores.size() + levels);
            hostTexts.emplace_back();
        }
        Pupil &p = all[at];
        ++p.rounds;
        if (!p.last || round.startedMs >= p.last->startedMs)
            p.last = &round;
        if (!hostTexts[at].contains(round.host.constData())) {
            hostTexts[at].insert(round.host.constData());
            if (!p.hosts.contains(round.host))
                p.hosts << round.host;
        }
        const std::optional<RoundScore> score = scoreOf(round);
        const std::size_t level = std::size_t(round.level - LevelTable::kFirstLevel);
        std::optional<RoundScore> &best = bestScores[at * levels + level];
        if (score && (!best || *score < *best)) {
            best = score;
            p.best[level] = &round;
        }
    }
    // In the order a Chinese class list has them: by pinyin, numbers by
    // their value (学生2 before 学生10), and computers alike.
    QCollator order(QLocale(QLocale::Chinese, QLocale::China));
    order.setNumericMode(true);
    for (Pupil &p : all)
        std::sort(p.hosts.begin(), p.hosts.end(), order);
    std::sort(all.begin(), all.end(),
              [&order](const Pupil &a, const Pupil &b) { return order(a.name, b.name); });
    return all;
}

std::vector<const LoggedRound *> roundsOf(const LoggedRounds &rounds, const QString &name,
                                          int level, const DayRange &days)
{
    std::vector<const LoggedRound *> found;
    for (const LoggedRound &round : rounds) {
        if ((level == 0 || round.level == level) && round.name == name && days.contains(round.day))
            found.push_back(&round);
    }
    std::stable_sort(found.begin(), found.end(), [](const LoggedRound *a, const LoggedRound *b) {
        return a->startedMs < b->startedMs;
    });
    return found;
}

QString bestText(const LoggedRound &round)
{
    const ChallengeScreen *screen = LevelTable::screen(round.level);
    const QString seconds = TimeText::secondsWithHundredths(round.duration);
    if (screen && screen->best == ChallengeScreen::Best::FastestSuccess)
        return seconds;
    const QString numbers = QString::number(round.numbers);
    if (screen && screen->best == ChallengeScreen::Best::MostNumbersThenShortest)
        return numbers + QStringLiteral(" · ") + seconds;
    return numbers;
}

QString whenText(const LoggedRound &round)
{
    return QStringLiteral("%1 %2:%3")
        .arg(round.day.toString(QStringLiteral("yyyy-MM-dd")))
        .arg(round.minuteOfDay / 60, 2, 10, QLatin1Char('0'))
        .arg(round.minuteOfDay % 60, 2, 10, QLatin1Char('0'));
}

QString levelHeading(int level)
{
    const ChallengeScreen *screen = LevelTable::screen(level);
    const QString name = utf8(kLevel).arg(level);
    if (screen && screen->best == ChallengeScreen::Best::FastestSuccess)
        return utf8(kInSeconds).arg(name);
    if (screen && screen->best == ChallengeScreen::Best::MostNumbersThenShortest)
        return utf8(kInNumbersAndSeconds).arg(name);
    return utf8(kInNumbers).arg(name);
}

qint64 bestSortKey(const LoggedRound &round)
{
    const std::optional<RoundScore> score = scoreOf(round);
    // Counts are negative in a score; a duration breaks ties far below them.
    return score ? score->first * 100'000'000 + score->second : 0;
}

Summary summary(const LoggedRounds &rounds, const DayRange &days)
{
    // Names by the text they are held in, then by their text.
    QHash<const QChar *, QString> names;
    QSet<qint64> played;
    Summary s;
    QDate last;
    for (const LoggedRound &round : rounds) {
        if (!days.contains(round.day))
            continue;
        ++s.rounds;
        if (!names.contains(round.name.constData()))
            names.insert(round.name.constData(), round.name);
        // The rounds of a day mostly stand together.
        if (round.day != last)
            played.insert(round.day.toJulianDay());
        last = round.day;
    }
    const QList<QString> texts = names.values();
    s.pupils = int(QSet<QString>(texts.begin(), texts.end()).size());
    s.days = int(played.size());
    return s;
}

QString summaryText(const Summary &s, const LogReader &reader)
{
    // A file with no round says why: none played yet, or not a class log.
    if (reader.rounds().empty())
        return utf8(reader.sawHeader() || reader.skipped().total() == 0 ? kNoRounds : kNotALog);
    const double perDay = s.days > 0 ? double(s.rounds) / s.days : 0.0;
    return utf8(kSummary).arg(s.pupils).arg(s.rounds).arg(s.days).arg(perDay, 0, 'f', 1);
}

QString skippedText(const LogReader &reader)
{
    const LogReader::Skipped skipped = reader.skipped();
    if (skipped.total() == 0 || (reader.rounds().empty() && !reader.sawHeader()))
        return {};
    QStringList why;
    if (skipped.foreign > 0)
        why << utf8(kSkippedForeign).arg(skipped.foreign);
    if (skipped.torn > 0)
        why << utf8(kSkippedTorn).arg(skipped.torn);
    return utf8(kSkipped).arg(skipped.total()).arg(why.join(QStringLiteral("，")));
}

} // namespace ClassOverview
