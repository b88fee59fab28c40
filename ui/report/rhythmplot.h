// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/report/roundreport.h"

#include <QFont>
#include <QRectF>

class QPainter;

// The rhythm chart of a round, drawn with any painter: on the screen, into a
// picture, onto a PDF page or a printer. One bar per accepted number, as
// tall as the time from the previous Enter to its own, finding below and
// typing above; the first number in grey, since it is timed from Start; the
// stretch after the last number that ended the round in a colour of its
// own; a line at the typical time and, where the rule has one, at the pause
// limit, with their labels beside the plot so that they never cover a bar;
// pauses marked with a triangle; a tick where the numbers take one more
// digit. With more numbers than columns fit, a column stands for a group.
class RhythmPlot {
public:
    explicit RhythmPlot(RoundReport::Rhythm rhythm = {});

    // Fits the chart into area, in the painter's units, for this font.
    void layout(const QRectF &area, const QFont &font);
    // Draws it as laid out; pointed: a column drawn framed, -1 for none.
    void draw(QPainter &p, const QColor &textColour, int pointed = -1) const;

    const RoundReport::Rhythm &rhythm() const { return m_rhythm; }
    const std::vector<RhythmColumn> &columns() const { return m_columns; }
    // The column under the horizontal position x, or -1.
    int columnAt(double x) const;

private:
    struct LegendItem;
    std::vector<LegendItem> legend() const;
    double y(qint64 ms) const;

    RoundReport::Rhythm m_rhythm;
    QRectF m_area;
    QRectF m_plot;
    QFont m_font;
    double m_legendHeight = 0;
    std::vector<RhythmColumn> m_columns;
    // Each column's left edge, and the right edge of the last.
    std::vector<double> m_edges;
    RhythmAxis m_axis;
};
