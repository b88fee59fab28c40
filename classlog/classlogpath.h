// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Where the class log goes: the command line's FILE, else the
// administrator's system-wide setting "log" (on Windows first the group
// policy's, then the computer's registry value; on Linux
// /etc/xdg/tavrino/tavrino.conf); empty when none asks for one.
QString configuredLogPath(const QString &commandLinePath);

// Where a Windows group policy (packaging/windows/tavrino.admx) sets the
// class log's path: a value of this name under HKEY_LOCAL_MACHINE's key; the
// computer's own setting has the same name.
inline constexpr char kLogPolicyKey[] = "SOFTWARE\\Policies\\Tavrino";
inline constexpr char kLogValueName[] = "log";

// A path with a leading ~/ and environment variables ($NAME, ${NAME}, and
// %NAME% where NAME is set) expanded.
QString expandPath(const QString &path);
