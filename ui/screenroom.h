// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

// Where a window's client area has room on a screen: the screen's free area
// less the frame the window system draws around the window, and a pixel
// less for the rounding to a scaled screen's pixels. Windows tells the frame
// once the native window exists; X11 only once a window manager has framed
// the shown window, so a title bar and borders are allowed for where it has
// not said yet.
QRect screenRoom(const QWidget &window, const QScreen &screen);

// The size, or less where the window's screen has not the room for it.
QSize boundedByScreen(const QWidget &window, QSize size);
