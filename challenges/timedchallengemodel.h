// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/challengemodel.h"

// The screens with a time limit (levels 1-8): one limit per visit, counted from
// the first Start; any number of rounds within it; the elapsed time of the
// round and the time left shown on every tick.
class TimedChallengeModel : public ChallengeModel {
public:
    using ChallengeModel::ChallengeModel;

    void load(const StartValues &start) override;
    void start() override;
    void playAgain() override;
    void tick() override;

protected:
    // The screen's own ResetRound.
    virtual void ResetRound() = 0;
    // Load steps that come before the shared ones (the ranged screen keeps its level).
    virtual void loadOwnFields(const StartValues &) {}
    // Load steps after ResetRound and the shared rule line and minutes.
    virtual void finishLoad() {}
    // Milliseconds taken off the limit on every tick.
    virtual qint32 countdownShift() const = 0;
    // The end of a round by the screen's own judging.
    void endRound();
    qint64 shownDurationMs() const override { return m_RoundElapsed; }
    // The design's fields RoundOver (the elapsed display stands still) and
    // RoundElapsed (of the latest tick).
    void setRoundOver(bool over) { m_RoundOver = over; }
    qint32 roundElapsed() const { return m_RoundElapsed; }

private:
    bool m_RoundOver = false;
    qint32 m_RoundElapsed = 0;
    void endLimit();

    bool m_Started = false;
    bool m_timeUp = false;
    qint64 m_LimitStart = 0;
    // The level's limit in milliseconds, read at load.
    qint64 m_limit = 0;
};
