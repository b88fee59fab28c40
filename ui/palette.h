// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

// The colour of the texts of the report and the class view, on the screen,
// on paper and in their PDFs: the design's dark blue.
inline constexpr QColor kPageText(0x00, 0x00, 0xC0);
