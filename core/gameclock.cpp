// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/gameclock.h"

qint32 clockDifference(qint64 later, qint64 earlier)
{
    const qint64 diff = (later - earlier) % kMsPerDay;
    return static_cast<qint32>(diff < 0 ? diff + kMsPerDay : diff);
}
