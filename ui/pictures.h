// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// Our own artwork, drawn from its vector files (ui/pictures/NAME.svg) into
// images when the program is built, at the pixel densities the windows use.
// Pictures are named as their files are: "success", "badge", "icon-start".
namespace Pictures {

// The picture at a logical size, for a device pixel ratio.
QPixmap render(const QString &name, QSize logicalSize, qreal devicePixelRatio);
QIcon icon(const QString &name);
// A pointing hand as the mouse pointer; its hot spot is the tip of the index
// finger.
QCursor cursor(const QString &name, qreal devicePixelRatio);
inline constexpr QPoint kHandHotSpot{12, 1};

} // namespace Pictures
