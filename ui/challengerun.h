// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/startvalues.h"

#include <map>
#include <memory>

class ChallengeModel;
struct ClassRecords;
class ChallengeWindow;
class GameClock;
class QWidget;
class RoundHistory;
struct ChallengeScreen;

// The challenge screens of one run. A screen's rules are made the first time
// it opens and kept until the program ends, so that what a screen keeps
// between visits survives (the ranged screen's best result); its window
// lives for one visit.
class ChallengeRun {
public:
    // Every screen's rounds go to the one history of the run; their reports
    // show the pupil's progress from the class log where one is on.
    ChallengeRun(GameClock &clock, RoundHistory &history, const ClassRecords *records = nullptr);
    ~ChallengeRun();
    ChallengeRun(const ChallengeRun &) = delete;
    ChallengeRun &operator=(const ChallengeRun &) = delete;

    // A window of the screen, loaded with the start screen's values.
    std::unique_ptr<ChallengeWindow> open(const ChallengeScreen &screen, const StartValues &start,
                                          QWidget *parent = nullptr);

private:
    GameClock &m_clock;
    RoundHistory &m_history;
    const ClassRecords *m_records;
    std::map<const ChallengeScreen *, std::unique_ptr<ChallengeModel>> m_rules;
};
