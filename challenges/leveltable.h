// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The challenge screen that serves a level.
enum class ChallengeScreen { None, Ranged, OpenEnded, Endurance };

// The fixed table of the nine levels; every level-dependent value comes from here.
namespace LevelTable {

inline constexpr int kFirstLevel = 1;
inline constexpr int kLastLevel = 9;

// Form1 for 6 or less, Form789 for 7 and 8, Form9 for 9; nothing otherwise.
ChallengeScreen screen(int level);
QString startRuleLine(int level);
QString challengeRuleLine(int level);
// "5", "6" or "7" for levels 1-8; empty otherwise.
QString limitMinutesCaption(int level);
// 300000, 360000 or 420000 for levels 1-8; 0 otherwise.
qint32 limitMilliseconds(int level);
// 50 x level for levels 1-6; 0 otherwise.
int target(int level);

} // namespace LevelTable
