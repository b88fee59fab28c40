// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/entry.h"

namespace {
// Far beyond any number a pupil can type in a round, far below overflow.
constexpr qint64 kLargestEntry = 999'999'999'999;
} // namespace

std::optional<qint64> readEntry(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > kLargestEntry)
            return std::nullopt;
    }
    return value;
}
