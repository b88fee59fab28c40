// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/progress/progressplot.h"

#include "challenges/leveltable.h"
#include "challenges/report/rhythmcolumns.h"
#include "classlog/classoverview.h"
#include "classlog/classviewtexts.h"
#include "core/text.h"
#include "ui/palette.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace ClassViewTexts;

namespace {

const QColor kMissColour(0xA0, 0xA0, 0xA0);
const QColor kLimitColour(0xFF, 0x00, 0x00);
// The part of each day's stretch left free on either side, between days.
constexpr double kDayMargin = 0.15;

} // namespace

ProgressPlot::ProgressPlot(std::vector<const LoggedRound *> rounds, int level,
                           const LoggedRound *marked)
{
    const ChallengeScreen *screen = LevelTable::screen(level);
    m_seconds = screen && screen->best == ChallengeScreen::Best::FastestSuccess;
    if (m_seconds && LevelTable::limitMilliseconds(level) > 0)
        m_limit = LevelTable::limitMilliseconds(level) / 1000.0;
    if (rounds.empty())
        return;
    m_firstDay = rounds.front()->day;
    m_days = int(m_firstDay.daysTo(rounds.back()->day)) + 1;
    // The best round of each day, as the game counts a best.
    QHash<qint64, std::pair<std::size_t, RoundScore>> dayBest;
    double highest = 0;
    for (const LoggedRound *round : rounds) {
        Point point;
        // Each day holds one stretch of the axis, its date under the
        // middle; its rounds stand inside it in the order of their time of
        // day, never in the next day's stretch nor past the axis's end.
        point.day = double(m_firstDay.daysTo(round->day)) + kDayMargin +
                    (1 - 2 * kDayMargin) * round->minuteOfDay / 1440.0;
        if (!m_seconds)
            point.value = double(round->numbers);
        else if (round->succeeded())
            point.value = round->duration / 100.0;
        if (point.value)
            highest = std::max(highest, *point.value);
        point.marked = round == marked;
        m_marked = m_marked || point.marked;
        if (const std::optional<RoundScore> score = ClassOverview::scoreOf(*round)) {
            auto it = dayBest.find(round->day.toJulianDay());
            if (it == dayBest.end() || *score < it->second)
                dayBest[round->day.toJulianDay()] = {m_points.size(), *score};
        }
        m_points.push_back(point);
    }
    for (const auto &[index, score] : std::as_const(dayBest))
        m_points[index].dayBest = true;
    // The limit as a line where it does not squeeze the rounds into the
    // bottom of the chart; far above them, it is named at the top instead.
    if (m_limit && *m_limit <= 3 * highest)
        highest = std::max(highest, *m_limit);
    const auto top = qint64(std::ceil(highest * 1.1)) + 1;
    m_step = double(chartStep(top));
    m_top = (std::floor(top / m_step) + 1) * m_step;
}

void ProgressPlot::layout(const QRectF &area, const QFont &font)
{
    m_area = area;
    m_font = font;
    const QFontMetricsF fm(font);
    const double right = m_limit && *m_limit <= m_top
                             ? fm.horizontalAdvance(translated(kLimitLine).arg(*m_limit)) + 10
                             : 12.0;
    m_plot = area.adjusted(fm.horizontalAdvance(QStringLiteral("0000")) + 10, fm.height() * 1.6,
                           -right, -fm.height() * 1.8);
}

double ProgressPlot::x(double day) const
{
    return m_plot.left() + m_plot.width() * day / double(m_days);
}

double ProgressPlot::y(double value) const
{
    return m_plot.bottom() - m_plot.height() * std::min(value, m_top) / m_top;
}

void ProgressPlot::draw(QPainter &p, const QColor &text) const
{
    p.save();
    p.setFont(m_font);
    const QFontMetricsF fm(m_font);
    const double line = fm.height();
    p.setPen(text);
    p.drawText(QRectF(m_area.left(), m_area.top(), m_plot.left() - m_area.left() - 6, line),
               Qt::AlignRight | Qt::AlignVCenter,
               translated(m_seconds ? kAxisSeconds : kAxisNumbers));
    for (double v = 0; v <= m_top + 1e-9; v += m_step) {
        p.setPen(kChartGrid);
        p.drawLine(QPointF(m_plot.left(), y(v)), QPointF(m_plot.right(), y(v)));
        p.setPen(text);
        p.drawText(QRectF(m_area.left(), y(v) - line / 2, m_plot.left() - m_area.left() - 6, line),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(v, 'g', 6));
    }
    p.drawLine(m_plot.bottomLeft(), m_plot.bottomRight());
    // The days along the bottom: the first, the last, and between them
    // where their dates leave room.
    if (m_firstDay.isValid()) {
        double lastRight = -1e9;
        const int every = std::max(1, int(std::ceil(m_days / std::max(1.0, m_plot.width() / 60))));
        for (int d = 0; d < m_days; d += every) {
            const QString label = m_firstDay.addDays(d).toString(QStringLiteral("MM-dd"));
            const double w = fm.horizontalAdvance(label) + 6;
            const double left = x(d + 0.5) - w / 2;
            if (left < lastRight)
                continue;
            p.drawText(QRectF(left, m_plot.bottom() + 4, w, line), Qt::AlignCenter, label);
            lastRight = left + w;
        }
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    // The limit, and its name beside it, only where the scale reaches it.
    if (m_limit && *m_limit <= m_top) {
        p.setPen(QPen(kLimitColour, 2, Qt::DashLine));
        p.drawLine(QPointF(m_plot.left(), y(*m_limit)), QPointF(m_plot.right(), y(*m_limit)));
        p.drawText(QRectF(m_plot.right() + 6, y(*m_limit) - line / 2,
                          m_area.right() - m_plot.right() - 6, line),
                   Qt::AlignLeft | Qt::AlignVCenter, translated(kLimitLine).arg(*m_limit));
    }
    const double r = std::clamp(line / 4, 2.5, 5.0);
    for (const Point &point : m_points) {
        const double px = x(point.day);
        const QPointF at(px, point.value ? y(*point.value) : m_plot.bottom());
        // The marked round: a ring around it, whatever it shows.
        if (point.marked) {
            p.setPen(QPen(kChartMarked, 2.5));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(at, r * 2.4, r * 2.4);
        }
        if (!point.value) {
            p.setPen(QPen(kMissColour, 1.5));
            p.drawLine(at + QPointF(-r, -r), at + QPointF(r, r));
            p.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
            continue;
        }
        if (point.dayBest) {
            p.setPen(Qt::NoPen);
            p.setBrush(kChartDark);
            p.drawEllipse(at, r * 1.5, r * 1.5);
        } else {
            p.setPen(QPen(kChartLight, 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(at, r, r);
        }
    }
    // The key: the day's best filled, and the marked round's ring.
    double keyRight = m_area.right();
    const auto key = [&](const QString &name, const std::function<void(const QPointF &)> &mark) {
        keyRight -= fm.horizontalAdvance(name) + 4;
        mark(QPointF(keyRight - r * 2, m_area.top() + line / 2));
        p.setPen(text);
        p.drawText(QRectF(keyRight, m_area.top(), fm.horizontalAdvance(name) + 4, line),
                   Qt::AlignLeft | Qt::AlignVCenter, name);
        keyRight -= r * 4 + 8;
    };
    key(translated(kDayBest), [&](const QPointF &at) {
        p.setPen(Qt::NoPen);
        p.setBrush(kChartDark);
        p.drawEllipse(at, r * 1.5, r * 1.5);
    });
    if (m_marked) {
        key(translated(kThisRound), [&](const QPointF &at) {
            p.setPen(QPen(kChartMarked, 2.5));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(at, r * 1.5, r * 1.5);
        });
    }
    p.restore();
}
