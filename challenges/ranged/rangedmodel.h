// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/timedchallengemodel.h"

// Form1: type 1 to 50 x level within the level's limit; the fastest
// successful round, in hundredths of a second, is the best result.
class RangedModel final : public TimedChallengeModel {
public:
    using TimedChallengeModel::TimedChallengeModel;

    void keyPress(char16_t &keyChar, const QString &boxText) override;

protected:
    void ResetRound() override;
    void loadOwnFields(const StartValues &start) override;
    qint32 countdownShift() const override { return 100; }

private:
    void judgeEntry(const QString &boxText);
    void succeed();

    // The last number of the round, 50 x level, read at load.
    qint64 m_target = 0;
    // Hundredths of a second, wide enough for any successful round within the
    // longest limit; 0 = no result yet. It is kept for the whole run.
    qint64 m_BestResult = 0;
};
