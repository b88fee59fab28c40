#pragma once

#include "challenges/timedchallengemodel.h"

// Form1: type 1 to 50 x level within the level's limit; the fastest
// successful round, in hundredths of a second, is the best result.
class RangedModel final : public TimedChallengeModel {
public:
    using TimedChallengeModel::TimedChallengeModel;

    void keyPress(char16_t &keyChar) override;

    int level() const { return m_Level; }
    // Hundredths of a second; 0 = no result yet. Kept for the whole run.
    qint64 bestResult() const { return m_BestResult; }
    qint64 roundResult() const { return m_RoundResult; }

protected:
    void ResetRound() override;
    void loadOwnFields() override;
    qint32 countdownShift() const override { return 100; }

private:
    void judgeEntry();
    void succeed();

    int m_Level = 0;
    // Wide enough for any successful round within the longest limit.
    qint64 m_RoundResult = 0;
    qint64 m_BestResult = 0;
};
