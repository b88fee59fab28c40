// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// Our own artwork, drawn from vector files at the screen's pixel density.
namespace Pictures {

enum class Picture { Success, Badge, StartIcon, ChallengeIcon, LevelHand, LinkHand };

QString resourcePath(Picture picture);
// The picture at a logical size, rendered for a device pixel ratio.
QPixmap render(Picture picture, QSize logicalSize, qreal devicePixelRatio);
QIcon icon(Picture picture);
// Pointing hands; the hot spot is the tip of the index finger.
QCursor cursor(Picture picture, qreal devicePixelRatio);
inline constexpr QPoint kHandHotSpot{12, 1};

} // namespace Pictures
