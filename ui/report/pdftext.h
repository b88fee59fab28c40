// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

// Qt's PDF writer says which character each glyph stands for (the
// document's ToUnicode maps) by the lowest character that the font maps to
// the glyph. The CJK fonts draw a Kangxi radical and the ideograph it looks
// like with one glyph, so "小" is taken for the radical "⼩", and a search
// for a pupil's name in the PDF, or its text copied out, finds nothing.
// Gives such glyphs back their ideograph, in place: the maps keep their
// length, so nothing else in the file moves.
void restoreIdeographs(QByteArray &pdf);
