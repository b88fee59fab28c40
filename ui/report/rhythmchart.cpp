// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/report/rhythmchart.h"

#include "core/timetext.h"
#include "ui/fonts.h"
#include "ui/report/reporttexts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

using namespace ReportTexts;

namespace {

const QColor kFindingColour(0x80, 0xC0, 0xFF);
const QColor kTypingColour(0x00, 0x00, 0xC0);
const QColor kLapseColour(0xFF, 0x00, 0x00);
const QColor kMedianColour(0xFF, 0x80, 0x00);
const QColor kGridColour(0xE0, 0xE0, 0xE0);
constexpr qint64 kPauseMs = 2000;

QString seconds(qint64 ms)
{
    return TimeText::secondsWithHundredths(ms / 10);
}

// A step for the vertical axis that gives at most six lines up to topMs.
qint64 niceStep(qint64 topMs)
{
    for (qint64 step : {100, 200, 250, 500, 1000, 2000, 5000, 10'000, 20'000, 30'000, 60'000}) {
        if (topMs / step <= 6)
            return step;
    }
    return 120'000;
}

} // namespace

RhythmChart::RhythmChart(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAccessibleName(QString::fromUtf8(kChartName));
    setMinimumSize(320, 160);
}

void RhythmChart::setRound(const std::vector<NumberTimes> &numbers, std::optional<qint64> medianMs,
                           bool pauseRule)
{
    m_times.clear();
    m_times.reserve(numbers.size());
    qint64 slowest = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        m_times.push_back(numberTime(numbers, i));
        slowest = std::max(slowest, m_times.back().totalMs());
    }
    m_medianMs = medianMs.value_or(0);
    m_pauseRule = pauseRule;
    // Room above the slowest bar for its lapse marker.
    const qint64 top = std::max({slowest + slowest / 8, pauseRule ? kPauseMs + kPauseMs / 8 : 0,
                                 m_medianMs * 2, qint64(500)});
    m_stepMs = niceStep(top);
    m_topMs = (top / m_stepMs + 1) * m_stepMs;
    m_pointed = -1;
    regroup();
    update();
}

QRectF RhythmChart::plotArea() const
{
    const QFontMetricsF fm(font());
    return QRectF(rect()).adjusted(fm.horizontalAdvance(QStringLiteral("000.00")) + 8,
                                   fm.height() * 1.5, -12, -fm.height() * 2.6);
}

void RhythmChart::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    regroup();
}

// One column per number while they fit, else one per pixel column, each
// the median number of its group and the group's slowest.
void RhythmChart::regroup()
{
    m_columns.clear();
    const auto n = qint64(m_times.size());
    if (n == 0)
        return;
    const qint64 columns = std::clamp<qint64>(qint64(plotArea().width()), 1, n);
    m_columns.reserve(std::size_t(columns));
    std::vector<std::size_t> group;
    for (qint64 c = 0; c < columns; ++c) {
        const qint64 first = c * n / columns, last = (c + 1) * n / columns; // [first, last)
        group.clear();
        for (qint64 i = first; i < last; ++i)
            group.push_back(std::size_t(i));
        const auto middle = group.begin() + std::ptrdiff_t(group.size() / 2);
        auto byTotal = [this](std::size_t a, std::size_t b) {
            return m_times[a].totalMs() < m_times[b].totalMs();
        };
        std::nth_element(group.begin(), middle, group.end(), byTotal);
        const std::size_t slowest = *std::max_element(group.begin(), group.end(), byTotal);
        m_columns.push_back({first + 1, last, m_times[*middle], m_times[slowest].totalMs()});
    }
    if (m_pointed >= int(m_columns.size()))
        m_pointed = -1;
}

double RhythmChart::y(qint64 ms) const
{
    const QRectF plot = plotArea();
    return plot.bottom() - plot.height() * double(std::min(ms, m_topMs)) / double(m_topMs);
}

double RhythmChart::columnX(double column) const
{
    const QRectF plot = plotArea();
    return plot.left() + plot.width() * column / double(std::max<std::size_t>(m_columns.size(), 1));
}

void RhythmChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRectF plot = plotArea();
    const QFontMetricsF fm(font());
    const QColor text = palette().color(QPalette::WindowText);

    // Seconds up the side, with light lines across.
    p.setPen(text);
    p.drawText(QRectF(0, 0, plot.left() - 4, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
               QString::fromUtf8(kAxisSeconds));
    for (qint64 ms = 0; ms <= m_topMs; ms += m_stepMs) {
        const double at = y(ms);
        p.setPen(kGridColour);
        p.drawLine(QPointF(plot.left(), at), QPointF(plot.right(), at));
        p.setPen(text);
        p.drawText(QRectF(0, at - fm.height() / 2, plot.left() - 6, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, seconds(ms));
    }

    const double width = plot.width() / double(std::max<std::size_t>(m_columns.size(), 1));
    const double gap = width >= 4 ? std::max(1.0, width * 0.15) : 0;
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        const Column &col = m_columns[c];
        const double left = columnX(double(c));
        const double findingTop = y(col.bar.findingMs);
        const double top = y(col.bar.totalMs());
        p.fillRect(QRectF(left, findingTop, std::max(1.0, width - gap), plot.bottom() - findingTop),
                   kFindingColour);
        p.fillRect(QRectF(left, top, std::max(1.0, width - gap), findingTop - top), kTypingColour);
        const bool lapse = m_medianMs > 0 && isLapse(col.slowestMs, m_medianMs);
        const double middle = left + std::max(1.0, width - gap) / 2;
        if (col.slowestMs > col.bar.totalMs()) {
            p.setPen(QPen(lapse ? kLapseColour : kTypingColour, 1));
            p.drawLine(QPointF(middle, top), QPointF(middle, y(col.slowestMs)));
        }
        if (lapse && width >= 3) {
            // A red marker over the column of a lapse.
            const double tip = y(col.slowestMs) - 2;
            const double half = std::clamp(width / 2, 2.0, 6.0);
            QPainterPath marker;
            marker.moveTo(middle, tip);
            marker.lineTo(middle - half, tip - 2 * half);
            marker.lineTo(middle + half, tip - 2 * half);
            marker.closeSubpath();
            p.fillPath(marker, kLapseColour);
        }
    }
    if (m_pointed >= 0) {
        const Column &col = m_columns[std::size_t(m_pointed)];
        p.setPen(QPen(text, 1, Qt::DotLine));
        const double left = columnX(m_pointed);
        p.drawRect(QRectF(left - 1, y(col.slowestMs) - 1, std::max(2.0, width - gap) + 1,
                          plot.bottom() - y(col.slowestMs) + 1));
    }

    // The median and, where the rule has one, the 2-second line.
    p.setRenderHint(QPainter::Antialiasing, true);
    auto level = [&](qint64 ms, const QColor &colour, Qt::PenStyle style, const QString &name) {
        const double at = y(ms);
        p.setPen(QPen(colour, 2, style));
        p.drawLine(QPointF(plot.left(), at), QPointF(plot.right(), at));
        // Its name in a white box at the right end, readable over the bars.
        const double w = fm.horizontalAdvance(name) + 8;
        const QRectF box(plot.right() - w, at - fm.height() - 2, w, fm.height());
        p.fillRect(box, Qt::white);
        p.drawText(box, Qt::AlignCenter, name);
    };
    if (m_medianMs > 0)
        level(m_medianMs, kMedianColour, Qt::DashLine,
              QString::fromUtf8(kMedian) + QLatin1Char(' ') + seconds(m_medianMs));
    if (m_pauseRule)
        level(kPauseMs, kLapseColour, Qt::SolidLine, QString::fromUtf8(kPauseLine));
    p.setRenderHint(QPainter::Antialiasing, false);

    // The numbers along the bottom: the first, the last, and a tick where
    // they take one more digit.
    p.setPen(text);
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    const auto n = qint64(m_times.size());
    auto mark = [&](qint64 number, Qt::Alignment align) {
        const double x = plot.left() + plot.width() * (double(number) - 0.5) / double(n);
        p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 5));
        const QString label = QString::number(number);
        const double w = fm.horizontalAdvance(label) + 4;
        const double left = align == Qt::AlignLeft    ? x - 2
                            : align == Qt::AlignRight ? x - w + 2
                                                      : x - w / 2;
        p.drawText(QRectF(left, plot.bottom() + 5, w, fm.height()), Qt::AlignCenter, label);
    };
    if (n > 0) {
        mark(1, Qt::AlignLeft);
        for (qint64 step : digitCountSteps(n)) {
            if (step < n)
                mark(step, Qt::AlignHCenter);
        }
        if (n > 1)
            mark(n, Qt::AlignRight);
    }
    p.drawText(QRectF(plot.left(), plot.bottom() + 5 + fm.height(), plot.width(), fm.height()),
               Qt::AlignHCenter | Qt::AlignTop, QString::fromUtf8(kAxisNumbers));

    // The key to the colours, over the plot.
    double x = plot.left();
    for (const auto &[colour, name] :
         {std::pair{kFindingColour, kFinding}, std::pair{kTypingColour, kTyping},
          std::pair{kLapseColour, kLapse}}) {
        const double box = fm.height() * 0.7;
        p.fillRect(QRectF(x, (fm.height() * 1.5 - box) / 2, box, box), colour);
        x += box + 4;
        const QString label = QString::fromUtf8(name);
        p.setPen(text);
        p.drawText(QRectF(x, 0, fm.horizontalAdvance(label) + 2, fm.height() * 1.5),
                   Qt::AlignVCenter, label);
        x += fm.horizontalAdvance(label) + 16;
    }
    if (hasFocus()) {
        p.setPen(QPen(text, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void RhythmChart::point(int column)
{
    if (m_columns.empty())
        column = -1;
    column = std::clamp(column, -1, int(m_columns.size()) - 1);
    if (column == m_pointed)
        return;
    m_pointed = column;
    update();
    if (column < 0) {
        emit pointed(QString());
        return;
    }
    const Column &col = m_columns[std::size_t(column)];
    if (col.first == col.last) {
        emit pointed(QString::fromUtf8(kPointedNumber)
                         .arg(col.first)
                         .arg(seconds(col.bar.findingMs), seconds(col.bar.typingMs),
                              seconds(col.bar.totalMs())));
    } else {
        emit pointed(QString::fromUtf8(kPointedGroup)
                         .arg(col.first)
                         .arg(col.last)
                         .arg(seconds(col.bar.totalMs()), seconds(col.slowestMs)));
    }
}

void RhythmChart::mouseMoveEvent(QMouseEvent *event)
{
    const QRectF plot = plotArea();
    const double x = event->position().x();
    if (x < plot.left() || x >= plot.right() || m_columns.empty()) {
        point(-1);
        return;
    }
    point(int((x - plot.left()) / plot.width() * double(m_columns.size())));
}

void RhythmChart::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    point(-1);
}

void RhythmChart::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void RhythmChart::keyPressEvent(QKeyEvent *event)
{
    const int last = int(m_columns.size()) - 1;
    switch (event->key()) {
    case Qt::Key_Left:
        point(m_pointed < 0 ? last : std::max(0, m_pointed - 1));
        break;
    case Qt::Key_Right:
        point(m_pointed < 0 ? 0 : std::min(last, m_pointed + 1));
        break;
    case Qt::Key_Home:
        point(0);
        break;
    case Qt::Key_End:
        point(last);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
