// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

// The colour of the texts of the report and the class view, on the screen,
// on paper and in their PDFs: the design's dark blue.
inline constexpr QColor kPageText(0x00, 0x00, 0xC0);

// The charts' colours, one set for the round's rhythm and the pupil's
// progress that the report shows side by side: the grid, a chart's light
// and dark marks (the dark is the texts' blue) and the orange of what is
// singled out.
inline constexpr QColor kChartGrid(0xE0, 0xE0, 0xE0);
inline constexpr QColor kChartLight(0x80, 0xC0, 0xFF);
inline constexpr QColor kChartDark = kPageText;
inline constexpr QColor kChartMarked(0xFF, 0x80, 0x00);
