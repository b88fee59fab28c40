// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/report/rhythmcolumns.h"

#include <algorithm>

std::vector<RhythmColumn> rhythmColumns(const std::vector<NumberTime> &times,
                                        std::optional<qint64> endingMs, qint64 maxColumns)
{
    std::vector<RhythmColumn> columns;
    const auto n = qint64(times.size());
    if (n > 0)
        columns.push_back({RhythmColumn::Kind::Start, 1, 1, times[0], times[0].totalMs()});
    // The numbers after the first, in as many columns as are left.
    const qint64 others = n - 1;
    if (others > 0) {
        const qint64 groups = std::clamp<qint64>(maxColumns - 1 - (endingMs ? 1 : 0), 1, others);
        std::vector<std::size_t> group;
        for (qint64 c = 0; c < groups; ++c) {
            const qint64 first = 1 + c * others / groups, last = 1 + (c + 1) * others / groups;
            group.clear();
            for (qint64 i = first; i < last; ++i)
                group.push_back(std::size_t(i));
            const auto middle = group.begin() + std::ptrdiff_t(group.size() / 2);
            auto byTotal = [&times](std::size_t a, std::size_t b) {
                return times[a].totalMs() < times[b].totalMs();
            };
            std::nth_element(group.begin(), middle, group.end(), byTotal);
            const std::size_t slowest = *std::max_element(group.begin(), group.end(), byTotal);
            columns.push_back({RhythmColumn::Kind::Numbers, first + 1, last, times[*middle],
                               times[slowest].totalMs()});
        }
    }
    if (endingMs) {
        const qint64 ms = std::max<qint64>(*endingMs, 0);
        columns.push_back({RhythmColumn::Kind::Ending, n, n, {ms, 0}, ms});
    }
    return columns;
}

qint64 chartStep(qint64 top)
{
    for (qint64 step = 1;; step *= 10) {
        for (qint64 nice : {step, 2 * step, 5 * step / 2, 5 * step}) {
            if (nice > 0 && top / nice <= 6)
                return nice;
        }
    }
}

RhythmAxis rhythmAxis(const std::vector<RhythmColumn> &columns, std::optional<qint64> typicalMs,
                      std::optional<qint64> lineMs)
{
    // The scale follows the numbers the figures count. The first number
    // (timed from Start, the hand's way from the mouse included) and the
    // ending are shown whole unless they would flatten every number; longer,
    // they are drawn cut.
    qint64 slowest = 0, own = 0;
    for (const RhythmColumn &c : columns) {
        if (c.kind == RhythmColumn::Kind::Numbers)
            slowest = std::max(slowest, c.slowestMs);
    }
    const qint64 flattens = 3 * std::max(slowest, lineMs.value_or(0));
    for (const RhythmColumn &c : columns) {
        if (c.kind != RhythmColumn::Kind::Numbers && (c.slowestMs <= flattens || slowest == 0))
            own = std::max(own, c.slowestMs);
    }
    slowest = std::max(slowest, own);
    const qint64 line = lineMs.value_or(0);
    const qint64 top =
        std::max({slowest + slowest / 8, line + line / 8, typicalMs.value_or(0) * 2, qint64(500)});
    const qint64 step = chartStep(top);
    return {(top / step + 1) * step, step};
}
