// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// Our own artwork, drawn from its vector files (ui/pictures/*.svg) into
// images when the program is built, at the pixel densities the windows use.
namespace Pictures {

enum class Picture { Success, Badge, StartIcon, ChallengeIcon, LevelHand, LinkHand };

// The picture at a logical size, for a device pixel ratio.
QPixmap render(Picture picture, QSize logicalSize, qreal devicePixelRatio);
QIcon icon(Picture picture);
// Pointing hands; the hot spot is the tip of the index finger.
QCursor cursor(Picture picture, qreal devicePixelRatio);
inline constexpr QPoint kHandHotSpot{12, 1};

} // namespace Pictures
