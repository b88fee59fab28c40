// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

struct ChallengeScreen;

// The fixed table of the levels; every level-dependent value comes from here,
// the start screen's level buttons too.
namespace LevelTable {

inline constexpr int kFirstLevel = 1;
int lastLevel();

// The challenge screen that serves a level; none for a level the table
// does not have.
const ChallengeScreen *screen(int level);
QString startRuleLine(int level);
QString challengeRuleLine(int level);
// The limit's whole minutes as the minutes display shows them ("5"); empty
// for a level without a limit.
QString limitMinutesCaption(int level);
// The limit in milliseconds; 0 for a level without one.
qint32 limitMilliseconds(int level);
// The last number of a level with one (50 x level for levels 1-6); 0 otherwise.
int target(int level);

} // namespace LevelTable
