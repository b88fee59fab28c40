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

std::vector<Pupil> pupils(const LoggedRounds &rounds, const DayRange &days, const ClassList *list)
{
    std::vector<Pupil> all;
    const auto levels = std::size_t(LevelTable::lastLevel());
    // A pupil's row: the listed pupil a name stands for, else the name.
    QHash<QString, std::size_t> byName;
    const auto rowOf = [&](const QString &logged) {
        const ClassList::Pupil *listed = list ? list->pupilOf(logged) : nullptr;
        const QString &name = listed ? listed->name : logged;
        if (const auto found = byName.constFind(name); found != byName.constEnd())
            return *found;
        byName.insert(name, all.size());
        Pupil p{name, {logged}, {}, 0, nullptr, std::vector<const LoggedRound *>(levels)};
        if (list) {
            p.listing = listed ? Listing::Listed : Listing::NotListed;
            p.logged = listed ? list->loggedNames(*listed) : QStringList{logged};
            p.number = listed ? listed->number : QString();
        }
        all.push_back(std::move(p));
        return all.size() - 1;
    };
    // A name is found by its text once, then by the shared text it is held
    // in (the reader keeps each name once): a year's rounds are millions.
    QHash<const QChar *, std::size_t> byText;
    std::vector<QSet<const QChar *>> hostTexts;
    std::vector<std::optional<RoundScore>> bestScores;
    for (const LoggedRound &round : rounds) {
        if (!days.contains(round.day))
            continue;
        std::size_t at = 0;
        if (const auto known = byText.constFind(round.name.constData());
            known != byText.constEnd()) {
            at = *known;
        } else {
            at = rowOf(round.name);
            byText.insert(round.name.constData(), at);
            bestScores.resize(all.size() * levels);
            hostTexts.resize(all.size());
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
    // their value (学生2 before 学生10), and computers alike; with a class
    // list, every listed pupil in its order (also one without a round),
    // then the names that are not on it.
    QCollator order(QLocale(QLocale::Chinese, QLocale::China));
    order.setNumericMode(true);
    for (Pupil &p : all)
        std::sort(p.hosts.begin(), p.hosts.end(), order);
    QHash<QString, std::size_t> listOrder;
    if (list) {
        for (const ClassList::Pupil &listed : list->pupils()) {
            listOrder.insert(listed.name, listOrder.size());
            rowOf(list->loggedNames(listed).value(0, listed.name));
        }
    }
    std::sort(all.begin(), all.end(), [&](const Pupil &a, const Pupil &b) {
        const std::size_t na = listOrder.value(a.name, listOrder.size());
        const std::size_t nb = listOrder.value(b.name, listOrder.size());
        return na != nb ? na < nb : order(a.name, b.name);
    });
    return all;
}

std::vector<const LoggedRound *> roundsOf(const LoggedRounds &rounds, const QStringList &names,
                                          int level, const DayRange &days)
{
    std::vector<const LoggedRound *> found;
    for (const LoggedRound &round : rounds) {
        if ((level == 0 || round.level == level) && names.contains(round.name) &&
            days.contains(round.day))
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
    const QString name = translated(kLevel).arg(level);
    if (screen && screen->best == ChallengeScreen::Best::FastestSuccess)
        return translated(kInSeconds).arg(name);
    if (screen && screen->best == ChallengeScreen::Best::MostNumbersThenShortest)
        return translated(kInNumbersAndSeconds).arg(name);
    return translated(kInNumbers).arg(name);
}

qint64 bestSortKey(const LoggedRound &round)
{
    const std::optional<RoundScore> score = scoreOf(round);
    // Counts are negative in a score; a duration breaks ties far below them.
    return score ? score->first * 100'000'000 + score->second : 0;
}

Summary summary(const LoggedRounds &rounds, const DayRange &days, const ClassList *list)
{
    // Names by the text they are held in, then by their text; a name
    // counted as a listed pupil's is his.
    QHash<const QChar *, QString> names;
    QSet<qint64> played;
    Summary s;
    QDate last;
    for (const LoggedRound &round : rounds) {
        if (!days.contains(round.day))
            continue;
        ++s.rounds;
        if (!names.contains(round.name.constData())) {
            const ClassList::Pupil *listed = list ? list->pupilOf(round.name) : nullptr;
            names.insert(round.name.constData(), listed ? listed->name : round.name);
        }
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
        return translated(reader.sawHeader() || reader.skipped().total() == 0 ? kNoRounds
                                                                              : kNotALog);
    const double perDay = s.days > 0 ? double(s.rounds) / s.days : 0.0;
    return translated(kSummary).arg(s.pupils).arg(s.rounds).arg(s.days).arg(perDay, 0, 'f', 1);
}

QString skippedText(const LogReader &reader)
{
    const LogReader::Skipped skipped = reader.skipped();
    if (skipped.total() == 0 || (reader.rounds().empty() && !reader.sawHeader()))
        return {};
    QStringList why;
    if (skipped.foreign > 0)
        why << translated(kSkippedForeign).arg(skipped.foreign);
    if (skipped.torn > 0)
        why << translated(kSkippedTorn).arg(skipped.torn);
    return translated(kSkipped).arg(skipped.total()).arg(why.join(translated(Punctuation::kComma)));
}

} // namespace ClassOverview
