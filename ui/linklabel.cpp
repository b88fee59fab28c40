// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/linklabel.h"

#include <QKeyEvent>
#include <QPainter>

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : ClickLabel(text, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        activate();
        return;
    default:
        break;
    }
    ClickLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    ClickLabel::paintEvent(event);
    // Drawn whenever the link has the focus, however it came there: the
    // style's focus frame shows only after a Tab, and a link focused by a
    // click would otherwise take Enter unseen.
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
