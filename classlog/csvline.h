// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/roundrecord.h"

#include <QByteArray>
#include <QString>

// The class log's lines: CSV as RFC 4180 writes it, in UTF-8, each ending in
// CRLF, one round to a line.
namespace CsvLine {

// The header of a new file, and whether a file starts as one of ours does
// (this version's header or an earlier one's, after the byte-order mark).
QByteArray header();
bool startsOurs(const QByteArray &fileStart);
inline constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
inline constexpr char kLineEnd[] = "\r\n";

// One round as a line, with the computer's name.
QByteArray round(const RoundRecord &round, const QString &host);
// A cell; a text cell that a spreadsheet would take for a formula is marked
// as text.
QString field(const QString &value, bool text);

} // namespace CsvLine
