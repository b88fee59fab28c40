// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/timedchallengemodel.h"

// Form789: no upper number and no correction within a 5- or 7-minute limit;
// the highest number reached in a visit is the best result.
class OpenEndedModel final : public TimedChallengeModel {
public:
    using TimedChallengeModel::TimedChallengeModel;

    void keyPress(char16_t &keyChar, const QString &boxText) override;

protected:
    void ResetRound() override;
    void finishLoad() override;
    qint32 countdownShift() const override { return 0; }

private:
    enum class Ending { Backspace, WrongEntry };

    void judgeEntry(const QString &boxText);
    void endRoundBy(Ending how);

    qint64 m_BestCount = 0;
};
