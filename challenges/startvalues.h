// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What a challenge screen reads from the start screen when it loads. Nothing
// changes these while a challenge screen is open, so a screen keeps its copy
// for the visit. (The design's third value, School, is always empty.)
struct StartValues {
    qint16 GameLevel = 0;
    QString StudentName;
};

// How many characters of the name box the start button keeps: a pupil's
// name is at most this long in a round and in the class log.
inline constexpr int kNameCharacters = 4;
