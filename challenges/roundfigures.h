// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/roundrecord.h"

#include <optional>
#include <vector>

// The time a number took: from the previous number's Enter (the Start for
// the first) to its own Enter, split at its first digit into finding the
// number and typing it.
struct NumberTime {
    qint64 findingMs = 0;
    qint64 typingMs = 0;
    qint64 totalMs() const { return findingMs + typingMs; }
};
NumberTime numberTime(const std::vector<NumberTimes> &numbers, std::size_t index);

// What a round's rhythm says. Figures that need more numbers than the round
// has are left out, never computed from nothing.
struct RoundFigures {
    struct Slow {
        qint64 number = 0;
        NumberTime time;
    };

    qint64 count = 0;
    // Over the time from Start to the last Enter.
    std::optional<double> perMinute;
    std::optional<qint64> medianMs;
    std::optional<qint64> medianFindingMs;
    std::optional<qint64> medianTypingMs;
    // The slowest numbers, slowest first; three at most.
    std::vector<Slow> slowest;
    // From two numbers on: numbers that took more than twice the median; the
    // share whose time lies between half and one and a half times the median
    // (steadiness); and the median of the second half against the first
    // half's, as a percent, positive when slower (fatigue).
    std::optional<qint64> lapses;
    std::optional<int> steadinessPercent;
    std::optional<int> fatiguePercent;

    bool enoughToAnalyse() const { return count >= 2; }
};

RoundFigures figuresOf(const std::vector<NumberTimes> &numbers);

// The numbers up to count at which the numbers take one digit more: 10, 100 ...
std::vector<qint64> digitCountSteps(qint64 count);

// A number took longer than twice the median.
inline bool isLapse(qint64 ms, qint64 medianMs)
{
    return ms > 2 * medianMs;
}
