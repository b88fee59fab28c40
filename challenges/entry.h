// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

// The value of an entry in the answer box: decimal digits only, leading zeros
// allowed ("007" is 7). Anything else - an empty text, a character that is not
// an ASCII digit, or a value too large to be any number a pupil can reach -
// has no value and is judged as a wrong number.
std::optional<qint64> readEntry(const QString &text);
