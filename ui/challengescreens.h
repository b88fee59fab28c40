// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/leveltable.h"
#include "challenges/startvalues.h"

#include <array>
#include <memory>

class ChallengeModel;
class ChallengeWindow;
class GameClock;
class QWidget;
class RoundHistory;

// The three challenge screens of one run. A screen's rules are created the
// first time it opens and kept until the program ends, so that what a screen
// keeps between visits survives (the ranged screen's best result); its window
// lives for one visit.
class ChallengeScreens {
public:
    // Every screen's rounds go to the one history of the run.
    ChallengeScreens(GameClock &clock, RoundHistory &history);
    ~ChallengeScreens();
    ChallengeScreens(const ChallengeScreens &) = delete;
    ChallengeScreens &operator=(const ChallengeScreens &) = delete;

    // A window of the screen, loaded with the start screen's values; none
    // for ChallengeScreen::None.
    std::unique_ptr<ChallengeWindow> open(ChallengeScreen screen, const StartValues &start,
                                          QWidget *parent = nullptr);
    // The same, shown modally in front of the start window and centred on
    // the screen that holds it; returns when the pupil has left it.
    void showModal(ChallengeScreen screen, const StartValues &start, QWidget *startWindow);

private:
    ChallengeModel &model(ChallengeScreen screen);

    GameClock &m_clock;
    RoundHistory &m_history;
    std::array<std::unique_ptr<ChallengeModel>, 3> m_models;
};
