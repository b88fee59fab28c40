// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/roundfigures.h"

#include <optional>
#include <vector>

// What the rhythm chart of a round draws, column by column, left to right:
// the first number on its own (it is timed from Start), then the other
// numbers, one column each while they fit and else in groups, and last the
// stretch from the last Enter to what ended the round.
struct RhythmColumn {
    enum class Kind { Start, Numbers, Ending };
    Kind kind = Kind::Numbers;
    // The numbers the column stands for, from 1; for the ending the last
    // accepted number on both.
    qint64 first = 0, last = 0;
    // The bar: the group's median number; for the ending, the whole stretch
    // as finding time.
    NumberTime bar;
    // The slowest of the group, to which a thin line reaches up.
    qint64 slowestMs = 0;
};

// The columns of a round for about maxColumns columns (the first number and
// the ending always get one of their own). endingMs: the stretch after the
// last number, none for a round won.
std::vector<RhythmColumn> rhythmColumns(const std::vector<NumberTime> &times,
                                        std::optional<qint64> endingMs, qint64 maxColumns);

// A step for a chart's axis that gives at most six lines up to top: 1, 2,
// 2.5 or 5 times a power of ten.
qint64 chartStep(qint64 top);

// The scale of the chart's time axis.
struct RhythmAxis {
    qint64 topMs = 1000;
    qint64 stepMs = 200;
};
// An axis with at most six lines that shows every bar and, above the
// slowest, room for its mark; with lineMs (a rule's limit) in view too. A
// first number or an ending far longer than the other numbers (a slow start
// from the mouse; time up after a long wait, Back) is not made to fit: it
// is drawn cut at the top.
RhythmAxis rhythmAxis(const std::vector<RhythmColumn> &columns, std::optional<qint64> typicalMs,
                      std::optional<qint64> lineMs);
