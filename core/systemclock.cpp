// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/systemclock.h"

#include <QTime>

SystemClock::SystemClock() : m_anchor(QTime::currentTime().msecsSinceStartOfDay())
{
    m_elapsed.start();
}

qint64 SystemClock::readClock()
{
    return (m_anchor + m_elapsed.elapsed()) % kMsPerDay;
}
