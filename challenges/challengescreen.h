// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/layout.h"

#include <QtGlobal>

#include <memory>
#include <optional>
#include <vector>

class ChallengeModel;
class GameClock;
class RoundHistory;

// One challenge screen, all the program needs to know of it in one place:
// how to make its rules, its layout table, and what the round report needs
// to know of its rounds. Each screen's folder defines one; the registry
// (challengescreens.cpp) lists them, and the level table says which screen a
// level uses.
struct ChallengeScreen {
    // How the game counts a level's best round: the fastest successful one
    // (a time, less is better), the one that reached most numbers, or of
    // those the shortest.
    enum class Best { FastestSuccess, MostNumbers, MostNumbersThenShortest };

    std::unique_ptr<ChallengeModel> (*makeRules)(GameClock &, RoundHistory &) = nullptr;
    const Layout::Table &(*layout)() = nullptr;
    // The screen shows a round's duration beside its count.
    bool showsDuration = false;
    // A pause without a key that ends a round, where the rule has one.
    std::optional<qint64> gapMs;
    Best best = Best::MostNumbers;

    // The design name of its window, as its layout table gives it.
    const char *name() const { return layout().name; }
};

// A round's standing towards its level's best, less being better; none for
// a round that cannot be a best (a ranged round that did not succeed).
struct RoundScore {
    qint64 first = 0;
    qint64 second = 0;
    friend auto operator<=>(const RoundScore &, const RoundScore &) = default;
};
std::optional<RoundScore> roundScore(ChallengeScreen::Best best, bool succeeded, qint64 numbers,
                                     qint64 durationHundredths);

// How a screen makes its rules: makeRules = &rulesOf<RangedModel>.
template <typename Model>
std::unique_ptr<ChallengeModel> rulesOf(GameClock &clock, RoundHistory &history)
{
    return std::make_unique<Model>(clock, history);
}

// Every challenge screen of the game: the registry, which the level table
// and every test that goes through all screens read.
const std::vector<const ChallengeScreen *> &challengeScreens();
