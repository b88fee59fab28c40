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

// A text a person reads: its Simplified Chinese source and the area of the
// program it belongs to, under which the translations list it. Written with
// TAVRINO_TEXT("Area", "source"), which lupdate reads as QT_TRANSLATE_NOOP.
struct Text {
    const char *context;
    const char *source;
};
#define TAVRINO_TEXT(context, source) (Text{context, source})

// The punctuation that joins texts: a list's comma, the colon after a
// label, the comma between the items of an enumeration.
namespace Punctuation {
inline constexpr Text kComma = TAVRINO_TEXT("Punctuation", "，");
inline constexpr Text kColon = TAVRINO_TEXT("Punctuation", "：");
inline constexpr Text kEnumerationComma = TAVRINO_TEXT("Punctuation", "、");
// Two sentences one after the other (%1, then %2).
inline constexpr Text kSentences = TAVRINO_TEXT("Punctuation", "%1%2");
} // namespace Punctuation

// The text in the interface's language (the source text where no
// translation is loaded or none has it).
QString translated(const Text &text);
// A source text of an area, looked up as translated() does: for the texts
// the layout tables and the level table carry.
QString translated(const char *context, const char *source);

// The first n characters as a reader sees them (grapheme clusters), so a
// cut never splits a character, also outside the basic plane.
QString firstCharacters(const QString &text, int n);
