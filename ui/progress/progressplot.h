// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classlog/logreader.h"

#include <QFont>
#include <QRectF>

#include <vector>

class QPainter;

// A pupil's progress at one level over the days, drawn with any painter as
// the round report draws its chart: one point per round (the time of a
// successful round on levels that race, else the numbers reached), the
// day's best filled, a round that did not succeed on a racing level as a
// cross on the axis, the level's time limit as a line, and one round (the
// round report's) marked apart.
class ProgressPlot {
public:
    ProgressPlot(std::vector<const LoggedRound *> rounds, int level,
                 const LoggedRound *marked = nullptr);

    void layout(const QRectF &area, const QFont &font);
    void draw(QPainter &p, const QColor &textColour) const;

private:
    struct Point {
        double day = 0; // days since the first; its time of day within that day's stretch
        std::optional<double> value;
        bool dayBest = false;
        bool marked = false;
    };

    double x(double day) const;
    double y(double value) const;

    std::vector<Point> m_points;
    QDate m_firstDay;
    int m_days = 1;
    bool m_seconds = false;
    bool m_marked = false;
    std::optional<double> m_limit;
    double m_top = 10;
    double m_step = 2;
    QRectF m_area, m_plot;
    QFont m_font;
};
