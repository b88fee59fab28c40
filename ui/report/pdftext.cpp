// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/report/pdftext.h"

#include <QString>

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The ideograph a radical stands for, or 0 for any other character.
char16_t ideographOf(char16_t c)
{
    const bool radical = (c >= 0x2E80 && c <= 0x2EF3) || (c >= 0x2F00 && c <= 0x2FD5);
    if (!radical)
        return 0;
    const QString normal = QString(QChar(c)).normalized(QString::NormalizationForm_KC);
    return normal.size() == 1 && normal.at(0).unicode() != c ? normal.at(0).unicode() : 0;
}

} // namespace

void restoreIdeographs(QByteArray &pdf)
{
    static const QByteArray begin = "beginbfrange\n";
    static const QByteArray end = "endbfrange";
    for (qsizetype from = pdf.indexOf(begin); from >= 0; from = pdf.indexOf(begin, from)) {
        const qsizetype stop = pdf.indexOf(end, from);
        if (stop < 0)
            return;
        // Each line: <first glyph> <last glyph> then either one character
        // for a single glyph or a run of consecutive ones, or [<c> <c> ...]
        // with one character per glyph. A run is left as it is.
        qsizetype line = from + begin.size();
        while (line < stop) {
            qsizetype next = pdf.indexOf('\n', line);
            if (next < 0 || next > stop)
                next = stop;
            const QByteArray text = pdf.mid(line, next - line);
            const bool single = text.size() >= 20 && text.mid(1, 4) == text.mid(8, 4);
            const bool array = text.contains('[');
            if (single || array) {
                for (qsizetype at = text.indexOf('<', array ? text.indexOf('[') : 14); at >= 0;
                     at = text.indexOf('<', at + 1)) {
                    if (at + 5 >= text.size() || text.at(at + 5) != '>')
                        continue;
                    char16_t c = 0;
                    bool hex = true;
                    for (int i = 1; i <= 4; ++i) {
                        const int v = hexValue(text.at(at + i));
                        hex = hex && v >= 0;
                        c = char16_t(c * 16 + std::max(v, 0));
                    }
                    if (const char16_t ideograph = hex ? ideographOf(c) : 0) {
                        const QByteArray replacement =
                            QByteArray::number(uint(ideograph), 16).rightJustified(4, '0');
                        pdf.replace(line + at + 1, 4, replacement);
                    }
                }
            }
            line = next + 1;
        }
        from = stop;
    }
}
