// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/progress/progresschart.h"

#include "classlog/classviewtexts.h"
#include "core/text.h"

#include <QPainter>

ProgressChart::ProgressChart(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setMinimumSize(320, 160);
    // Reached by Tab like every control of the view, and marked when it is.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(translated(ClassViewTexts::kChart));
}

void ProgressChart::setRounds(std::vector<const LoggedRound *> rounds, int level,
                              const LoggedRound *marked)
{
    m_plot = std::make_unique<ProgressPlot>(std::move(rounds), level, marked);
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
    QPainter p(this);
    if (m_plot)
        m_plot->draw(p, palette().color(QPalette::WindowText));
    // The focus mark as the view's other controls show theirs.
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}
