// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/challengescreen.h"
#include "challenges/leveltable.h"

#include <vector>

// What the tests that go through every screen or level read: the registry
// and the level table, so that a screen added there is covered with no
// test edited.

struct ScreenLevel {
    const ChallengeScreen *screen;
    // The last level of the table that opens the screen.
    int level;
};

// Every registered screen that a level opens, with such a level.
inline std::vector<ScreenLevel> screenLevels()
{
    std::vector<ScreenLevel> found;
    for (const ChallengeScreen *screen : challengeScreens()) {
        for (int level = LevelTable::lastLevel(); level >= LevelTable::kFirstLevel; --level) {
            if (LevelTable::screen(level) == screen) {
                found.push_back({screen, level});
                break;
            }
        }
    }
    return found;
}

// The levels whose screen makes its rules with Model.
template <typename Model> std::vector<int> levelsOf()
{
    std::vector<int> levels;
    for (int level = LevelTable::kFirstLevel; level <= LevelTable::lastLevel(); ++level) {
        if (LevelTable::screen(level)->makeRules == &rulesOf<Model>)
            levels.push_back(level);
    }
    return levels;
}
