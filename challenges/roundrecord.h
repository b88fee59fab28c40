// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

// How a round ended.
enum class RoundEnding { Success, WrongNumber, Backspace, NonDigit, Pause, TimeUp, Back };

// The words the round report and the class log use for an ending.
QString endingText(RoundEnding ending);

// When one accepted number was typed: its first digit key and its Enter, in
// milliseconds since the round's Start, read from the game clock.
struct NumberTimes {
    qint32 firstDigit = 0;
    qint32 enter = 0;
};

// One round from its Start to its end, as the report and the class log show
// it. The result and duration are the texts the screen showed.
struct RoundRecord {
    int level = 0;
    QString name;
    QDateTime started;
    RoundEnding ending = RoundEnding::Back;
    // Seconds with two decimals for a ranged success, else the count of
    // numbers the round reached.
    QString result;
    // Milliseconds from Start to the end, as the round's figures took it.
    qint64 durationMs = 0;
    std::vector<NumberTimes> numbers;
};
