// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/challengerun.h"

#include "challenges/challengemodel.h"
#include "challenges/challengescreen.h"
#include "ui/challengewindow.h"

ChallengeRun::ChallengeRun(GameClock &clock, RoundHistory &history, const ClassRecords *records)
    : m_clock(clock), m_history(history), m_records(records)
{
}

ChallengeRun::~ChallengeRun() = default;

std::unique_ptr<ChallengeWindow> ChallengeRun::open(const ChallengeScreen &screen,
                                                    const StartValues &start, QWidget *parent)
{
    std::unique_ptr<ChallengeModel> &rules = m_rules[&screen];
    if (!rules)
        rules = screen.makeRules(m_clock, m_history);
    return std::make_unique<ChallengeWindow>(*rules, m_history, screen.layout(), start, m_records,
                                             parent);
}
