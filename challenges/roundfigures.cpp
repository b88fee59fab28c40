// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/roundfigures.h"

#include <algorithm>
#include <cmath>

namespace {

// The middle value; for an even count the mean of the two middle ones.
// Reorders the values.
qint64 median(std::vector<qint64> &values)
{
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1)
        return *middle;
    const qint64 lower = *std::max_element(values.begin(), middle);
    return (lower + *middle) / 2;
}

int percent(double part, double whole)
{
    return int(std::lround(100.0 * part / whole));
}

} // namespace

NumberTime numberTime(const std::vector<NumberTimes> &numbers, std::size_t index)
{
    const qint64 previous = index == 0 ? 0 : numbers[index - 1].enter;
    const NumberTimes &n = numbers[index];
    const qint64 firstDigit = std::clamp<qint64>(n.firstDigit, previous, n.enter);
    return {firstDigit - previous, std::max<qint64>(n.enter - firstDigit, 0)};
}

RoundFigures figuresOf(const std::vector<NumberTimes> &numbers)
{
    RoundFigures f;
    f.count = qint64(numbers.size());
    if (numbers.empty())
        return f;
    const qint64 lastEnter = numbers.back().enter;
    if (lastEnter > 0)
        f.perMinute = f.count * 60'000.0 / double(lastEnter);

    std::vector<qint64> totals, finding, typing;
    totals.reserve(numbers.size());
    finding.reserve(numbers.size());
    typing.reserve(numbers.size());
    std::vector<RoundFigures::Slow> all;
    all.reserve(numbers.size());
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const NumberTime t = numberTime(numbers, i);
        totals.push_back(t.totalMs());
        finding.push_back(t.findingMs);
        typing.push_back(t.typingMs);
        all.push_back({qint64(i) + 1, t});
    }
    const std::size_t slowCount = std::min<std::size_t>(3, all.size());
    std::partial_sort(all.begin(), all.begin() + std::ptrdiff_t(slowCount), all.end(),
                      [](const RoundFigures::Slow &a, const RoundFigures::Slow &b) {
                          return a.time.totalMs() > b.time.totalMs() ||
                                 (a.time.totalMs() == b.time.totalMs() && a.number < b.number);
                      });
    f.slowest.assign(all.begin(), all.begin() + std::ptrdiff_t(slowCount));

    // In the order typed, for the two halves.
    const std::vector<qint64> inOrder = totals;
    const qint64 m = median(totals);
    f.medianMs = m;
    f.medianFindingMs = median(finding);
    f.medianTypingMs = median(typing);
    if (!f.enoughToAnalyse())
        return f;

    qint64 lapses = 0, steady = 0;
    for (qint64 t : inOrder) {
        lapses += isLapse(t, m) ? 1 : 0;
        steady += 2 * t >= m && 2 * t <= 3 * m ? 1 : 0;
    }
    f.lapses = lapses;
    f.steadinessPercent = percent(double(steady), double(f.count));
    const auto half = std::ptrdiff_t(inOrder.size() / 2);
    std::vector<qint64> first(inOrder.begin(), inOrder.begin() + half);
    std::vector<qint64> second(inOrder.begin() + half, inOrder.end());
    const qint64 firstMedian = median(first);
    if (firstMedian > 0)
        f.fatiguePercent = percent(double(median(second) - firstMedian), double(firstMedian));
    return f;
}

std::vector<qint64> digitCountSteps(qint64 count)
{
    std::vector<qint64> steps;
    for (qint64 step = 10; step <= count; step *= 10)
        steps.push_back(step);
    return steps;
}
