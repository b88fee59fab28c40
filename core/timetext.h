// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Text forms of numbers and times shared by the challenge screens.
namespace TimeText {

// A space before zero and positive numbers, "-" before negative ones: 7 -> " 7".
QString signPadded(qint64 n);
// Digits only, "-" before a negative number: 7 -> "7".
QString plain(qint64 n);
// The last k characters of a text (the whole text when it is shorter).
QString lastChars(const QString &text, qsizetype k);

// Two characters for seconds or hundredths: 7 -> "07", 42 -> "42", 125 -> "25".
QString formatTwoDigits(qint64 n);
// At most two characters for minutes, no leading zero: 4 -> " 4".
QString formatMinutes(qint64 n);

// Hundredths of a second as seconds with two decimals: 2345 -> "23.45", 7 -> "0.07".
QString secondsWithHundredths(qint64 hundredths);
// Milliseconds as seconds with two decimals, cut to the hundredth as the
// clocks cut them, never rounded: 168 -> "0.16", 1999 -> "1.99", 5 -> "0.00";
// a negative time is cut towards zero: -168 -> "-0.16". Every time a round's
// report and its class log line write goes through here, so that no two of
// them disagree by a hundredth.
QString secondsOfMs(qint64 ms);
// The whole hundredths in a time of ms >= 0 milliseconds, by the same cut:
// 168 -> 16, 1999 -> 199.
qint64 cutToHundredths(qint64 ms);

struct Split {
    qint64 minutes = 0;
    qint64 seconds = 0;
    qint64 hundredths = 0;
};

// An elapsed time: total whole seconds (not reduced modulo 60) and hundredths.
Split splitElapsed(qint64 ms);
// A time left: minutes within the hour, seconds within the minute, hundredths.
Split splitRemaining(qint64 ms);
// (ms mod 1000) / 10: 985 -> 98, 999 -> 99.
qint64 hundredthsOf(qint64 ms);

} // namespace TimeText
