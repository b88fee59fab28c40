// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/timetext.h"

namespace TimeText {

QString signPadded(qint64 n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

QString plain(qint64 n)
{
    return QString::number(n);
}

QString lastChars(const QString &text, qsizetype k)
{
    return text.size() <= k ? text : text.right(k);
}

QString formatTwoDigits(qint64 n)
{
    // The clocks write up to five of these a tick.
    if (n >= 0 && n < 100) {
        const QChar digits[] = {QChar(char16_t(u'0' + n / 10)), QChar(char16_t(u'0' + n % 10))};
        return QString(digits, 2);
    }
    const QString padded = signPadded(n);
    if (n < 10)
        return QLatin1Char('0') + lastChars(padded, 1);
    return lastChars(padded, 2);
}

QString formatMinutes(qint64 n)
{
    return lastChars(signPadded(n), 2);
}

QString secondsWithHundredths(qint64 hundredths)
{
    return plain(hundredths / 100) + QLatin1Char('.') + formatTwoDigits(hundredths % 100);
}

QString secondsOfMs(qint64 ms)
{
    if (ms < 0)
        return QLatin1Char('-') + secondsOfMs(-ms);
    return secondsWithHundredths(cutToHundredths(ms));
}

qint64 cutToHundredths(qint64 ms)
{
    return ms / 10;
}

qint64 hundredthsOf(qint64 ms)
{
    return (ms % 1000) / 10;
}

Split splitElapsed(qint64 ms)
{
    return {0, ms / 1000, hundredthsOf(ms)};
}

Split splitRemaining(qint64 ms)
{
    return {(ms % 3'600'000) / 60'000, (ms % 60'000) / 1000, hundredthsOf(ms)};
}

} // namespace TimeText
