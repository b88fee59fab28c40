// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>

// Milliseconds in one day: every clock value lies in [0, kMsPerDay).
inline constexpr qint64 kMsPerDay = 86'400'000;

// The only source of time for the game rules. A reading is the local time of
// day in whole milliseconds since local midnight.
class GameClock {
public:
    virtual ~GameClock() = default;
    virtual qint64 readClock() = 0;
    // The local date and time, to say when a round began; never used to time it.
    virtual QDateTime localDateTime() = 0;
};

// later - earlier for two clock readings, taken modulo one day, so that a round
// or a limit that runs across local midnight is still timed correctly.
qint32 clockDifference(qint64 later, qint64 earlier);
