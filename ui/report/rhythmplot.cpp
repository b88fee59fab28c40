// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/report/rhythmplot.h"

#include "challenges/report/reporttexts.h"
#include "core/text.h"
#include "core/timetext.h"
#include "ui/palette.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

using namespace ReportTexts;

namespace {

const QColor kStartFindingColour(0xC8, 0xC8, 0xC8);
const QColor kStartTypingColour(0x80, 0x80, 0x80);
const QColor kEndingColour(0xB0, 0x40, 0xC0);
const QColor kPauseColour(0xFF, 0x00, 0x00);
// The first number and the ending stay this wide however many numbers
// share the rest.
constexpr double kOwnColumn = 8;

// A triangle pointing down at (x, tip), half as wide as it is tall.
QPainterPath triangle(double x, double tip, double half)
{
    QPainterPath marker;
    marker.moveTo(x, tip);
    marker.lineTo(x - half, tip - 2 * half);
    marker.lineTo(x + half, tip - 2 * half);
    marker.closeSubpath();
    return marker;
}

} // namespace

struct RhythmPlot::LegendItem {
    QString text;
    QColor colour;
    bool triangle = false;
};

RhythmPlot::RhythmPlot(RoundReport::Rhythm rhythm) : m_rhythm(std::move(rhythm)) {}

std::vector<RhythmPlot::LegendItem> RhythmPlot::legend() const
{
    std::vector<LegendItem> items{{translated(kFinding), kChartLight},
                                  {translated(kTyping), kChartDark},
                                  {translated(kFirstNumber), kStartTypingColour},
                                  {translated(kPause), kPauseColour, true}};
    if (m_rhythm.endingMs)
        items.push_back({translated(kEnding).arg(m_rhythm.endingText), kEndingColour});
    return items;
}

void RhythmPlot::layout(const QRectF &area, const QFont &font)
{
    m_area = area;
    m_font = font;
    const QFontMetricsF fm(font);
    const double line = fm.height();
    // The key wraps onto as many rows as it needs.
    int rows = 1;
    double x = 0;
    for (const LegendItem &item : legend()) {
        const double w = line * 0.7 + 4 + fm.horizontalAdvance(item.text) + 16;
        if (x > 0 && x + w > area.width()) {
            ++rows;
            x = 0;
        }
        x += w;
    }
    m_legendHeight = rows * line * 1.4;
    // The lines' labels stand to the right of the plot, outside it.
    double right = 12;
    if (m_rhythm.typicalMs) {
        right = std::max(
            right, fm.horizontalAdvance(
                       translated(kTypicalLine).arg(TimeText::secondsOfMs(*m_rhythm.typicalMs))) +
                       10);
    }
    if (m_rhythm.gapLineMs)
        right = std::max(right, fm.horizontalAdvance(translated(kGapLine)) + 10);
    const double left = fm.horizontalAdvance(QStringLiteral("000.00")) + 8;
    m_plot = area.adjusted(left, m_legendHeight + line * 1.6, -right, -line * 2.6);
    const int own = (m_rhythm.times.empty() ? 0 : 1) + (m_rhythm.endingMs ? 1 : 0);
    m_columns = rhythmColumns(m_rhythm.times, m_rhythm.endingMs,
                              std::max<qint64>(1, qint64(m_plot.width() - own * kOwnColumn)));
    m_axis = rhythmAxis(m_columns, m_rhythm.typicalMs, m_rhythm.gapLineMs);
    const double even = m_plot.width() / double(std::max<std::size_t>(m_columns.size(), 1));
    const double ownWidth = std::max(even, kOwnColumn);
    const double numberWidth =
        (m_plot.width() - own * ownWidth) /
        double(std::max<std::ptrdiff_t>(std::ptrdiff_t(m_columns.size()) - own, 1));
    m_edges.clear();
    double edge = m_plot.left();
    for (const RhythmColumn &c : m_columns) {
        m_edges.push_back(edge);
        edge += c.kind == RhythmColumn::Kind::Numbers ? numberWidth : ownWidth;
    }
    m_edges.push_back(edge);
}

int RhythmPlot::columnAt(double x) const
{
    if (m_columns.empty() || x < m_edges.front() || x >= m_edges.back())
        return -1;
    const auto after = std::upper_bound(m_edges.begin(), m_edges.end(), x);
    return std::min(int(after - m_edges.begin()) - 1, int(m_columns.size()) - 1);
}

double RhythmPlot::y(qint64 ms) const
{
    return m_plot.bottom() -
           m_plot.height() * double(std::min(ms, m_axis.topMs)) / double(m_axis.topMs);
}

void RhythmPlot::draw(QPainter &p, const QColor &text, int pointed) const
{
    p.save();
    p.setFont(m_font);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QFontMetricsF fm(m_font);
    const double line = fm.height();

    // The key to the colours and marks, each drawn as it is on the chart.
    double x = m_area.left(), row = m_area.top();
    for (const LegendItem &item : legend()) {
        const double box = line * 0.7;
        const double w = box + 4 + fm.horizontalAdvance(item.text) + 16;
        if (x > m_area.left() && x + w > m_area.right()) {
            x = m_area.left();
            row += line * 1.4;
        }
        const double middle = row + line * 0.7;
        if (item.triangle) {
            p.setRenderHint(QPainter::Antialiasing, true);
            p.fillPath(triangle(x + box / 2, middle + box / 2, box / 2), item.colour);
            p.setRenderHint(QPainter::Antialiasing, false);
        } else {
            p.fillRect(QRectF(x, middle - box / 2, box, box), item.colour);
        }
        p.setPen(text);
        p.drawText(QRectF(x + box + 4, row, w - box - 4, line * 1.4), Qt::AlignVCenter, item.text);
        x += w;
    }

    // Seconds up the side, with light lines across.
    p.drawText(
        QRectF(m_area.left(), m_plot.top() - line * 1.6, m_plot.left() - m_area.left() - 6, line),
        Qt::AlignRight | Qt::AlignVCenter, translated(kAxisSeconds));
    for (qint64 ms = 0; ms <= m_axis.topMs; ms += m_axis.stepMs) {
        const double at = y(ms);
        p.setPen(kChartGrid);
        p.drawLine(QPointF(m_plot.left(), at), QPointF(m_plot.right(), at));
        p.setPen(text);
        p.drawText(QRectF(m_area.left(), at - line / 2, m_plot.left() - m_area.left() - 6, line),
                   Qt::AlignRight | Qt::AlignVCenter, TimeText::secondsOfMs(ms));
    }

    auto barWidth = [this](std::size_t c) {
        const double width = m_edges[c + 1] - m_edges[c];
        return std::max(1.0, width - (width >= 4 ? std::max(1.0, width * 0.15) : 0));
    };
    const qint64 typical = m_rhythm.typicalMs.value_or(0);
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        const RhythmColumn &col = m_columns[c];
        const double left = m_edges[c];
        const double width = m_edges[c + 1] - left;
        const double bar = barWidth(c);
        const double findingTop = y(col.bar.findingMs);
        const double top = y(col.bar.totalMs());
        const bool start = col.kind == RhythmColumn::Kind::Start;
        const bool ending = col.kind == RhythmColumn::Kind::Ending;
        const QColor finding = ending ? kEndingColour : start ? kStartFindingColour : kChartLight;
        const QColor typing = start ? kStartTypingColour : kChartDark;
        p.fillRect(QRectF(left, findingTop, bar, m_plot.bottom() - findingTop), finding);
        p.fillRect(QRectF(left, top, bar, findingTop - top), typing);
        if (col.bar.totalMs() > m_axis.topMs) {
            // Longer than the axis: cut, with a break mark near the top and
            // its time written under it.
            const double cut = m_plot.top() + line * 0.5;
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setPen(QPen(Qt::white, 2.5));
            for (double d : {0.0, 6.0})
                p.drawLine(QPointF(left - 1, cut + d + 3), QPointF(left + bar + 1, cut + d - 3));
            p.setRenderHint(QPainter::Antialiasing, false);
            const QString said = translated(kSeconds).arg(TimeText::secondsOfMs(col.bar.totalMs()));
            const double w = fm.horizontalAdvance(said) + 6;
            const QRectF box(std::max(m_plot.left(), left + bar / 2 - w / 2), cut + 12, w, line);
            p.fillRect(box, Qt::white);
            p.setPen(text);
            p.drawText(box, Qt::AlignCenter, said);
        }
        const bool pause = col.kind == RhythmColumn::Kind::Numbers && typical > 0 &&
                           isPause(col.slowestMs, typical);
        const double middle = left + bar / 2;
        if (col.slowestMs > col.bar.totalMs()) {
            p.setPen(QPen(pause ? kPauseColour : kChartDark, 1));
            p.drawLine(QPointF(middle, top), QPointF(middle, y(col.slowestMs)));
        }
        if (pause && width >= 3) {
            p.setRenderHint(QPainter::Antialiasing, true);
            p.fillPath(triangle(middle, y(col.slowestMs) - 2, std::clamp(width / 2, 2.0, 6.0)),
                       kPauseColour);
            p.setRenderHint(QPainter::Antialiasing, false);
        }
    }
    if (pointed >= 0 && pointed < int(m_columns.size())) {
        const RhythmColumn &col = m_columns[std::size_t(pointed)];
        const double top = y(std::max(col.slowestMs, col.bar.totalMs()));
        p.setPen(QPen(text, 1, Qt::DotLine));
        p.drawRect(QRectF(m_edges[std::size_t(pointed)] - 1, top - 1,
                          std::max(2.0, barWidth(std::size_t(pointed))) + 1,
                          m_plot.bottom() - top + 1));
    }

    // The typical time and the pause limit: lines across the plot, their
    // names beside it; two names that would touch are moved apart.
    p.setRenderHint(QPainter::Antialiasing, true);
    double lastLabel = -1e9;
    auto level = [&](qint64 ms, const QColor &colour, Qt::PenStyle style, const QString &name) {
        const double at = y(ms);
        p.setPen(QPen(colour, 2, style));
        p.drawLine(QPointF(m_plot.left(), at), QPointF(m_plot.right(), at));
        double labelTop = at - line / 2;
        if (std::abs(labelTop - lastLabel) < line)
            labelTop = labelTop < lastLabel ? lastLabel - line : lastLabel + line;
        lastLabel = labelTop;
        p.drawText(QRectF(m_plot.right() + 6, labelTop, m_area.right() - m_plot.right() - 6, line),
                   Qt::AlignLeft | Qt::AlignVCenter, name);
    };
    if (m_rhythm.gapLineMs)
        level(*m_rhythm.gapLineMs, kPauseColour, Qt::SolidLine, translated(kGapLine));
    if (typical > 0)
        level(typical, kChartMarked, Qt::DashLine,
              translated(kTypicalLine).arg(TimeText::secondsOfMs(typical)));
    p.setRenderHint(QPainter::Antialiasing, false);

    // The numbers along the bottom: the first, the last, and a tick where
    // they take one more digit.
    p.setPen(text);
    p.drawLine(m_plot.bottomLeft(), m_plot.bottomRight());
    // The first and the last number always; the others where their
    // labels leave room.
    const auto n = qint64(m_rhythm.times.size());
    std::vector<qint64> marked{1};
    if (n > 1)
        marked.push_back(n);
    for (qint64 step : digitCountSteps(n)) {
        if (step < n)
            marked.push_back(step);
    }
    std::vector<QRectF> labels;
    for (qint64 number : marked) {
        const auto at =
            std::find_if(m_columns.begin(), m_columns.end(), [&](const RhythmColumn &c) {
                return c.kind != RhythmColumn::Kind::Ending && c.first <= number &&
                       number <= c.last;
            });
        if (at == m_columns.end())
            continue;
        const auto c = std::size_t(at - m_columns.begin());
        const double x = m_edges[c] + barWidth(c) / 2;
        const QString label = QString::number(number);
        const double w = fm.horizontalAdvance(label) + 4;
        const double left = number == 1 ? x - 2 : number == n ? x - w + 2 : x - w / 2;
        const QRectF box(left, m_plot.bottom() + 5, w, line);
        if (std::any_of(labels.begin(), labels.end(), [&](const QRectF &other) {
                return other.adjusted(-4, 0, 4, 0).intersects(box);
            }))
            continue;
        labels.push_back(box);
        p.drawLine(QPointF(x, m_plot.bottom()), QPointF(x, m_plot.bottom() + 5));
        p.drawText(box, Qt::AlignCenter, label);
    }
    p.drawText(QRectF(m_plot.left(), m_plot.bottom() + 5 + line, m_plot.width(), line),
               Qt::AlignHCenter | Qt::AlignTop, translated(kAxisNumbers));
    p.restore();
}
