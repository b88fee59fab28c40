// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/challengemodel.h"

// Form9: no limit, no upper number, no correction; a round ends at the first
// fault or when 2 seconds pass without a character key. The best count of a
// visit is kept with the duration of the round that holds it.
class EnduranceModel final : public ChallengeModel {
public:
    // A round ends once this long has passed without a character key.
    static constexpr qint64 kGapMs = 2000;

    using ChallengeModel::ChallengeModel;

    void load(const StartValues &start) override;
    void start() override;
    void playAgain() override;
    void tick() override;
    void keyPress(char16_t &keyChar, const QString &boxText) override;

protected:
    qint64 shownDurationMs() const override
    {
        return m_shownDuration.seconds * 1000 + m_shownDuration.hundredths * 10;
    }

private:
    // A duration as the screen shows it: whole seconds and hundredths.
    struct Duration {
        qint64 seconds = 0;
        qint64 hundredths = 0;
        friend auto operator<=>(const Duration &, const Duration &) = default;
    };

    void ResetRound();
    void judgeEntry(const QString &boxText);
    // The end by a key or by the gap; the round's record is finished by the
    // caller once the screen shows what it shows at the end.
    void endRound(RoundEnding how);
    void UpdateBest();

    qint64 m_LastKeyTime = 0;
    // Counts are wide: a round may go on past 32767 numbers.
    qint64 m_BestCount = 0;
    // The duration last shown by a tick of this round, and that of the best round.
    Duration m_shownDuration;
    Duration m_bestDuration;
};
