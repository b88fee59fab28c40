// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/report/rhythmcolumns.h"
#include "challenges/roundfigures.h"
#include "challenges/roundrecord.h"

#include <QString>

#include <optional>
#include <vector>

// The round report's texts and what its chart shows, from a round's record.
namespace RoundReport {

// The result as the screen showed it: the time of a ranged success, else the
// count, and where the screen shows one the duration too.
QString resultText(const RoundRecord &round);
// Who played which level when, and on a second line how it ended.
QString heading(const RoundRecord &round);
// An entry of the run's rounds, to tell them apart: when, who and which
// level on a first line, how it ended on a second.
QString listEntry(const RoundRecord &round);
// A file name for the round's picture or PDF, without the suffix; the
// pupil's name loses the characters a file name cannot hold.
QString fileBaseName(const RoundRecord &round);

// A figure with its label and a one-sentence explanation.
struct FigureLine {
    QString label;
    QString value;
    QString explanation;
};
// Figures the round has too few numbers for are left out.
std::vector<FigureLine> figureLines(const RoundFigures &figures);

// What the chart draws: each number's time, the stretch after the last
// number when the round did not end with its last number, the typical
// time, and where the round's rule has one, the line of its pause limit.
struct Rhythm {
    std::vector<NumberTime> times;
    std::optional<qint64> endingMs;
    QString endingText;
    std::optional<qint64> typicalMs;
    std::optional<qint64> gapLineMs;
};
Rhythm rhythmOf(const RoundRecord &round);
// What a column of the chart stands for, in words.
QString columnText(const RhythmColumn &column, const Rhythm &rhythm);

// The report as text: the heading, the figures and the line of the pupil's
// progress where there is one, then a tab-separated table of every number
// (number, finding, typing, total), to paste into a spreadsheet as columns.
QString copiedText(const RoundRecord &round, const QString &progress = QString());

} // namespace RoundReport
