// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/gameclock.h"

// A clock the test moves by hand. Readings wrap at midnight like the real one.
class FakeClock final : public GameClock {
public:
    explicit FakeClock(qint64 start = 36'000'000) : m_now(start) {}
    qint64 readClock() override { return m_now; }
    // A school day, at the clock's time of day.
    QDateTime localDateTime() override
    {
        return QDateTime(QDate(2026, 12, 8), QTime::fromMSecsSinceStartOfDay(int(m_now)));
    }
    void set(qint64 ms) { m_now = ms % kMsPerDay; }
    void advance(qint64 ms) { set(m_now + ms); }

private:
    qint64 m_now;
};
