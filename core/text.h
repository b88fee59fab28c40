// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A text of the program, written in the source as UTF-8 (the Chinese texts
// are kept as named constants, each defined once).
inline QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

// The first n characters as a reader sees them (grapheme clusters), so a
// cut never splits a character, also outside the basic plane.
QString firstCharacters(const QString &text, int n);
