// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/text.h"
#include "core/translation.h"

#include <QTextBoundaryFinder>

QString translated(const Text &text)
{
    return Translation::text(text.context, text.source);
}

QString translated(const char *context, const char *source)
{
    return Translation::text(context, source);
}

QString firstCharacters(const QString &text, int n)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    qsizetype end = 0;
    while (count < n) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0)
            return text;
        end = next;
        ++count;
    }
    return text.left(end);
}
