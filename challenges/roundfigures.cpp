// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/roundfigures.h"

#include <algorithm>
#include <numeric>

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

double mean(std::vector<qint64>::const_iterator first, std::vector<qint64>::const_iterator last)
{
    return double(std::accumulate(first, last, qint64(0))) / double(last - first);
}

} // namespace

NumberTime numberTime(const std::vector<NumberKeys> &numbers, std::size_t index)
{
    const qint64 previous = index == 0 ? 0 : numbers[index - 1].enter;
    const NumberKeys &n = numbers[index];
    const qint64 firstDigit = std::clamp<qint64>(n.firstDigit, previous, n.enter);
    return {firstDigit - previous, std::max<qint64>(n.enter - firstDigit, 0)};
}

RoundFigures figuresOf(const std::vector<NumberKeys> &numbers)
{
    RoundFigures f;
    f.count = qint64(numbers.size());
    if (numbers.empty())
        return f;
    const qint64 lastEnter = numbers.back().enter;
    if (lastEnter > 0)
        f.perMinute = f.count * 60'000.0 / double(lastEnter);
    if (numbers.size() < 2)
        return f;

    // From the second number on, in the order typed.
    std::vector<qint64> totals, finding, typing;
    std::vector<RoundFigures::Slow> all;
    for (std::size_t i = 1; i < numbers.size(); ++i) {
        const NumberTime t = numberTime(numbers, i);
        totals.push_back(t.totalMs());
        finding.push_back(t.findingMs);
        typing.push_back(t.typingMs);
        all.push_back({qint64(i) + 1, t});
    }
    f.countedNumbers = qint64(totals.size());
    const std::size_t slowCount = std::min<std::size_t>(3, all.size());
    std::partial_sort(all.begin(), all.begin() + std::ptrdiff_t(slowCount), all.end(),
                      [](const RoundFigures::Slow &a, const RoundFigures::Slow &b) {
                          return a.time.totalMs() > b.time.totalMs() ||
                                 (a.time.totalMs() == b.time.totalMs() && a.number < b.number);
                      });
    f.slowest.assign(all.begin(), all.begin() + std::ptrdiff_t(slowCount));

    std::vector<qint64> sorted = totals;
    const qint64 typical = median(sorted);
    f.typicalMs = typical;
    f.typicalFindingMs = median(finding);
    f.typicalTypingMs = median(typing);
    if (!f.enoughToAnalyse())
        return f;

    qint64 pauses = 0, even = 0;
    for (qint64 t : totals) {
        pauses += isPause(t, typical) ? 1 : 0;
        even += 2 * t >= typical && 2 * t <= 3 * typical ? 1 : 0;
    }
    f.pauses = pauses;
    f.evenNumbers = even;
    // By the average time of a number, so that the comparison agrees with
    // the time each half took; with an odd count the middle number goes to
    // the second half.
    const auto half = totals.begin() + std::ptrdiff_t(totals.size() / 2);
    f.firstHalfMeanMs = mean(totals.begin(), half);
    f.secondHalfMeanMs = mean(half, totals.end());
    return f;
}

std::vector<qint64> digitCountSteps(qint64 count)
{
    std::vector<qint64> steps;
    for (qint64 step = 10; step <= count; step *= 10)
        steps.push_back(step);
    return steps;
}
