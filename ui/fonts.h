// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/layout.h"

#include <QFont>

namespace Fonts {

// Maps the faces the screens ask for ("黑体", "宋体", "Arial", "Arial Black")
// to the nearest faces the system has, first the faces cut from them to the
// program's characters where the program has them (beside it, or installed
// with it). Call once before any window is built.
void installSubstitutions();

// The design family name of a face.
QString familyName(Layout::Face face);

// The font of a control at a given scale of the design (1 = design size).
QFont makeFont(const Layout::Font &item, double scale = 1.0);

// The smallest pixel size a text of the font is drawn at to fit its control
// when it does not at the designed size (a translation longer than the
// design's text): 60 % of it. A text 40 % longer than the design's needs
// 71 % on its line; the rest is room for texts the design fills its control
// with to the last pixel, and for the figures a message is followed by. No
// text is made smaller than 10 px, where the Chinese faces stay legible.
int smallestFittingSize(const QFont &font);
// Whether texts are fitted to their controls at all: in a translated
// interface; the design's Simplified Chinese is drawn exactly as designed.
bool fitsTranslations();

// Baseline and line height, in ems, of the face a font asks for as the
// screens were laid out with it: the Chinese system faces have a line of one
// em with the baseline at 0.859 em, the Latin ones their own.
struct DesignMetrics {
    double ascent = 0.859;
    double lineHeight = 1.0;
};
DesignMetrics designMetrics(const QFont &font);

} // namespace Fonts
