// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/startscreen.h"
#include "challenges/roundhistory.h"
#include "ui/challengescreens.h"
#include "ui/startwindow.h"

class GameClock;

// One run of the game: the start screen's rules and its window, and the
// challenge screens it opens. Every handler of the start screen runs here:
// the window reports, the rules decide, the window shows what they hold.
class Program {
public:
    explicit Program(GameClock &clock);

    void show();

private:
    void sync();
    void openChallenge();
    void openLink(const QString &label);

    StartScreen m_screen;
    StartWindow m_window;
    RoundHistory m_history;
    ChallengeScreens m_challenges;
};
