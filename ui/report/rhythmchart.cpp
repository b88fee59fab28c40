// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/report/rhythmchart.h"

#include "challenges/report/reporttexts.h"
#include "core/text.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <optional>

RhythmChart::RhythmChart(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAccessibleName(translated(ReportTexts::kChartName));
    setMinimumSize(320, 160);
}

void RhythmChart::setRhythm(RoundReport::Rhythm rhythm)
{
    m_plot = RhythmPlot(std::move(rhythm));
    m_plot.layout(QRectF(rect()), font());
    m_pointed = -1;
    update();
}

void RhythmChart::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A new width may group the numbers otherwise: the pointer stays on the
    // number it pointed at, in whichever column now holds it, and the text
    // under the chart tells of that column.
    std::optional<RhythmColumn> was;
    if (m_pointed >= 0)
        was = m_plot.columns()[std::size_t(m_pointed)];
    m_plot.layout(QRectF(rect()), font());
    if (!was)
        return;
    const std::vector<RhythmColumn> &columns = m_plot.columns();
    const auto holds = std::find_if(columns.begin(), columns.end(), [&](const RhythmColumn &c) {
        return c.kind == was->kind && c.first <= was->first && was->first <= c.last;
    });
    m_pointed = -1;
    if (holds == columns.end())
        emit pointed(QString());
    else
        point(int(holds - columns.begin()));
}

void RhythmChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor text = palette().color(QPalette::WindowText);
    m_plot.draw(p, text, m_pointed);
    if (hasFocus()) {
        p.setPen(QPen(text, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void RhythmChart::point(int column)
{
    const int count = int(m_plot.columns().size());
    column = count == 0 ? -1 : std::clamp(column, -1, count - 1);
    if (column == m_pointed)
        return;
    m_pointed = column;
    update();
    emit pointed(column < 0 ? QString()
                            : RoundReport::columnText(m_plot.columns()[std::size_t(column)],
                                                      m_plot.rhythm()));
}

void RhythmChart::mouseMoveEvent(QMouseEvent *event)
{
    point(m_plot.columnAt(event->position().x()));
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
    const int last = int(m_plot.columns().size()) - 1;
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
