// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/report/pdftext.h"

#include <QString>

#include <utility>

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

// The simplified forms among the supplementary radicals, which Unicode
// gives no decomposition, with the ideographs they look like: 马 comes out
// as ⻢ otherwise.
constexpr std::pair<char16_t, char16_t> kSimplifiedRadicals[] = {
    {0x2EA0, 0x6C11}, {0x2EC1, 0x864E}, {0x2EC4, 0x897F}, {0x2EC5, 0x89C1}, {0x2EC6, 0x89D2},
    {0x2EC9, 0x8D1D}, {0x2ECB, 0x8F66}, {0x2ED0, 0x9485}, {0x2ED3, 0x957F}, {0x2ED4, 0x95E8},
    {0x2ED8, 0x9752}, {0x2ED9, 0x97E6}, {0x2EDA, 0x9875}, {0x2EDB, 0x98CE}, {0x2EDC, 0x98DE},
    {0x2EDD, 0x98DF}, {0x2EE0, 0x9963}, {0x2EE2, 0x9A6C}, {0x2EE3, 0x9AA8}, {0x2EE4, 0x9B3C},
    {0x2EE5, 0x9C7C}, {0x2EE6, 0x9E1F}, {0x2EE7, 0x5364}, {0x2EE8, 0x9EA6}, {0x2EE9, 0x9EC4},
    {0x2EEC, 0x9F50}, {0x2EEE, 0x9F7F}, {0x2EF0, 0x9F99}};

// The ideograph a radical stands for, or 0 for any other character.
char16_t ideographOf(char16_t c)
{
    const bool radical = (c >= 0x2E80 && c <= 0x2EF3) || (c >= 0x2F00 && c <= 0x2FD5);
    if (!radical)
        return 0;
    for (const auto &[form, ideograph] : kSimplifiedRadicals) {
        if (form == c)
            return ideograph;
    }
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
