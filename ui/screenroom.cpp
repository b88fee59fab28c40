// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/screenroom.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

QRect screenRoom(const QWidget &window, const QScreen &screen)
{
    // Windows 10 and later may also say a border is less than none.
    const QWindow *handle = window.windowHandle();
    const QMargins told = handle ? handle->frameMargins() : QMargins();
    QMargins frame(std::max(0, told.left()), std::max(0, told.top()), std::max(0, told.right()),
                   std::max(0, told.bottom()));
    if (frame.isNull())
        frame = QMargins(8, 40, 8, 8);
    return screen.availableGeometry().marginsRemoved(frame).adjusted(0, 0, -1, -1);
}

QSize boundedByScreen(const QWidget &window, QSize size)
{
    const QScreen *screen = window.screen();
    return screen ? size.boundedTo(screenRoom(window, *screen).size()) : size;
}
