// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

// How a round ended.
// Gap: the endurance screen's 2 seconds without a key.
enum class RoundEnding : quint8 { Success, WrongNumber, Backspace, NonDigit, Gap, TimeUp, Back };

// The words the class log writes for an ending: its file format, the same
// whatever language a computer shows.
QString endingText(RoundEnding ending);
// Those words in the interface's language, as the report and the class view
// show them.
QString shownEnding(RoundEnding ending);

// When one accepted number was typed: its first digit key and its Enter, in
// milliseconds since the round's Start, read from the game clock.
struct NumberKeys {
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
    // Milliseconds from Start to the end, as the screen showed it.
    qint64 durationMs = 0;
    // Milliseconds from Start to what ended the round: the ending key, the
    // tick that found the pause or the time up, Back; for a success its last
    // Enter.
    qint64 endMs = 0;
    std::vector<NumberKeys> numbers;
};
