// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/layout.h"

#include <QFont>

namespace Fonts {

// Maps the faces the screens ask for ("黑体", "宋体", "Arial", "Arial Black")
// to the nearest faces the system has. Call once before any window is built.
void installSubstitutions();

// The design family name of a face.
QString familyName(Layout::Face face);

// The font of a control at a given scale of the design (1 = design size).
QFont makeFont(const Layout::Font &item, double scale = 1.0);

// Baseline and line height, in ems, of the face a font asks for as the
// screens were laid out with it: the Chinese system faces have a line of one
// em with the baseline at 0.859 em, the Latin ones their own.
struct DesignMetrics {
    double ascent = 0.859;
    double lineHeight = 1.0;
};
DesignMetrics designMetrics(const QFont &font);

} // namespace Fonts
