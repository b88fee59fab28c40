// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classlog/csvline.h"

#include "challenges/roundfigures.h"
#include "classlog/classlogtexts.h"
#include "core/timetext.h"

#include <QStringList>

using namespace ClassLogTexts;

namespace {

// The Start in ISO 8601 with the local offset: 2026-12-08T09:30:00+08:00.
QString isoWithOffset(const QDateTime &local)
{
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

} // namespace

bool CsvLine::startsOurs(const QByteArray &fileStart)
{
    const QByteArray bom(kByteOrderMark);
    return fileStart.startsWith(bom + header()) ||
           fileStart.startsWith(bom + kEarlierHeader + kLineEnd);
}

QByteArray CsvLine::header()
{
    return QByteArray(kHeader) + kLineEnd;
}

QString CsvLine::field(const QString &value, bool text)
{
    QString field = value;
    // A spreadsheet takes a cell that starts with these for a formula; the
    // apostrophe makes it text, shown as written.
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (text && !field.isEmpty() && formulaStarts.contains(field.front()))
        field.prepend(QLatin1Char('\''));
    const bool needsQuotes = field.contains(QLatin1Char('"')) || field.contains(QLatin1Char(',')) ||
                             field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n'));
    if (needsQuotes || field != field.trimmed()) {
        field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        field = QLatin1Char('"') + field + QLatin1Char('"');
    }
    return field;
}

QByteArray CsvLine::round(const RoundRecord &round, const QString &host)
{
    const RoundFigures figures = figuresOf(round.numbers);
    auto number = [](auto optional) { return optional ? QString::number(*optional) : QString(); };
    const QStringList cells{
        field(isoWithOffset(round.started), false),
        field(host, true),
        field(round.name, true),
        QString::number(round.level),
        field(endingText(round.ending), true),
        field(round.result, false),
        QString::number(figures.count),
        TimeText::secondsOfMs(round.durationMs),
        number(figures.typicalMs),
        number(figures.pauses),
    };
    return cells.join(QLatin1Char(',')).toUtf8() + kLineEnd;
}
