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
NumberTime numberTime(const std::vector<NumberKeys> &numbers, std::size_t index);

// What a round's rhythm says. The first number is timed from Start, so it
// holds the hand's way from the mouse to the keys: every figure but the count
// and the pace leaves it out. Figures that need more numbers than the round
// has are left out, never computed from nothing.
struct RoundFigures {
    struct Slow {
        qint64 number = 0;
        NumberTime time;
    };

    qint64 count = 0;
    // Numbers per minute, over the time from Start to the last Enter.
    std::optional<double> perMinute;
    // The typical time of a number (the median), and of its two parts.
    std::optional<qint64> typicalMs;
    std::optional<qint64> typicalFindingMs;
    std::optional<qint64> typicalTypingMs;
    // The slowest numbers, slowest first; three at most.
    std::vector<Slow> slowest;
    // From two numbers after the first on: the numbers that took more than
    // twice the typical time (pauses); how many of the numbers took between
    // half and one and a half times it (an even rhythm), of how many; and the
    // average time of a number in the first and in the second half.
    std::optional<qint64> pauses;
    std::optional<qint64> evenNumbers;
    qint64 countedNumbers = 0;
    std::optional<double> firstHalfMeanMs;
    std::optional<double> secondHalfMeanMs;

    bool enoughToAnalyse() const { return countedNumbers >= 2; }
};

RoundFigures figuresOf(const std::vector<NumberKeys> &numbers);

// The numbers up to count at which the numbers take one digit more: 10, 100 ...
std::vector<qint64> digitCountSteps(qint64 count);

// A number took longer than twice the typical time.
inline bool isPause(qint64 ms, qint64 typicalMs)
{
    return ms > 2 * typicalMs;
}
