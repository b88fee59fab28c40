// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/classview/progresschart.h"

#include <QPainter>

ProgressChart::ProgressChart(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setMinimumSize(320, 160);
}

void ProgressChart::setRounds(std::vector<const LoggedRound *> rounds, int level)
{
    m_plot = std::make_unique<ProgressPlot>(std::move(rounds), level);
    m_plot->layout(QRectF(rect()).adjusted(4, 4, -4, -4), font());
    update();
}

void ProgressChart::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_plot)
        m_plot->layout(QRectF(rect()).adjusted(4, 4, -4, -4), font());
}

void ProgressChart::paintEvent(QPaintEvent *)
{
    if (!m_plot)
        return;
    QPainter p(this);
    m_plot->draw(p, palette().color(QPalette::WindowText));
}
