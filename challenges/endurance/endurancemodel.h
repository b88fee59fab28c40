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
    using ChallengeModel::ChallengeModel;

    void load(const StartValues &start) override;
    void start() override;
    void playAgain() override;
    void tick() override;
    void keyPress(char16_t &keyChar, const QString &boxText) override;

private:
    // A duration as the screen shows it: whole seconds and hundredths.
    struct Duration {
        qint64 seconds = 0;
        qint64 hundredths = 0;
        friend auto operator<=>(const Duration &, const Duration &) = default;
    };

    enum class Ending { Backspace, WrongNumber, NonDigit, Gap };

    void ResetRound();
    void judgeEntry(const QString &boxText);
    void endRound(Ending how);
    void UpdateBest();

    qint64 m_LastKeyTime = 0;
    // Counts are wide: a round may go on past 32767 numbers.
    qint64 m_BestCount = 0;
    // The duration last shown by a tick of this round, and that of the best round.
    Duration m_shownDuration;
    Duration m_bestDuration;
};
