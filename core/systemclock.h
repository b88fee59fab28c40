// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/gameclock.h"

#include <QElapsedTimer>

// Reads the local time of day once, then advances it with a monotonic clock:
// a change of the system clock while the program runs neither stops nor
// shifts the game's time.
class SystemClock final : public GameClock {
public:
    SystemClock();
    qint64 readClock() override;
    QDateTime localDateTime() override { return QDateTime::currentDateTime(); }

private:
    qint64 m_anchor = 0;
    QElapsedTimer m_elapsed;
};
