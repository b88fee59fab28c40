// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/challengescreen.h"
#include "classlog/classlist.h"
#include "classlog/logreader.h"

#include <QDate>
#include <QStringList>

#include <optional>
#include <vector>

// The days a teacher looks at, both ends included; an invalid end is open.
struct DayRange {
    QDate from;
    QDate to;
    bool contains(QDate day) const
    {
        return (!from.isValid() || day >= from) && (!to.isValid() || day <= to);
    }
    // This week (from Monday), this month, or all days, as of today.
    static DayRange thisWeek(QDate today) { return {today.addDays(1 - today.dayOfWeek()), today}; }
    static DayRange thisMonth(QDate today)
    {
        return {QDate(today.year(), today.month(), 1), today};
    }
};

// A class's rounds, as the class view shows them: one row per pupil, the
// best of each level as the game counts it, and a pupil's rounds of a level.
namespace ClassOverview {

// Whether a pupil is on the class list, where there is one.
enum class Listing { NoList, Listed, NotListed };

// One pupil: the name as logged (rows of that name from every computer
// together), or with a class list the listed pupil and every name counted
// as his; the computers, how many rounds, the last one (none for a listed
// pupil without a round), and the best of each level (index level - 1).
struct Pupil {
    QString name;
    // The names in the log that are his.
    QStringList logged;
    QStringList hosts;
    int rounds = 0;
    const LoggedRound *last = nullptr;
    std::vector<const LoggedRound *> best;
    Listing listing = Listing::NoList;
    QString number;
};

// The pupils of the rounds in the days: in the order of a Chinese class
// list; with a class list, every listed pupil in its order (also without
// a round), then the names not on it.
std::vector<Pupil> pupils(const LoggedRounds &rounds, const DayRange &days,
                          const ClassList *list = nullptr);

// A pupil's rounds of a level (0: of every level) in the days, oldest
// first: the rounds logged under any of his names.
std::vector<const LoggedRound *> roundsOf(const LoggedRounds &rounds, const QStringList &names,
                                          int level, const DayRange &days);

// The round's standing towards its level's best (less is better); none
// when it cannot be one.
std::optional<RoundScore> scoreOf(const LoggedRound &round);

// What a best shows, its unit in its column's heading: "34.00" (秒), "57"
// (个), "57 · 41.20" (个·秒).
QString bestText(const LoggedRound &round);
// A level's column heading with the unit of its bests: "1级(秒)".
QString levelHeading(int level);
// When a round started, as the view writes it: "2026-12-08 09:30".
QString whenText(const LoggedRound &round);
// The value a best is sorted by in its column, least first for the better.
qint64 bestSortKey(const LoggedRound &round);

// How much the class played in the days.
struct Summary {
    int pupils = 0;
    int rounds = 0;
    int days = 0;
};
Summary summary(const LoggedRounds &rounds, const DayRange &days, const ClassList *list = nullptr);
QString summaryText(const Summary &summary, const LogReader &reader);

// What was left out of the file, in one line; empty when nothing was.
QString skippedText(const LogReader &reader);

} // namespace ClassOverview
