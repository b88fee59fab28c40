// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Where the class log goes: the command line's FILE, else the
// administrator's system-wide setting "log" (on Linux
// /etc/xdg/tavrino/tavrino.conf, on Windows the registry); empty when
// neither asks for one.
QString configuredLogPath(const QString &commandLinePath);

// A path with a leading ~/ and environment variables ($NAME, ${NAME}, and
// %NAME% where NAME is set) expanded.
QString expandPath(const QString &path);
