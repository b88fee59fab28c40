// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// Where the class log goes: the command line's FILE, else the
// administrator's system-wide setting "log" (on Windows first the group
// policy's, then the computer's registry value; on Linux
// /etc/xdg/tavrino/tavrino.conf); empty when none asks for one.
QString configuredLogPath(const QString &commandLinePath);
// The class logs to read, as a teacher names them: files, and folders that
// stand for their .csv files (one log per computer room); without any, the
// log the computer's setting or the command line's FILE names. A folder
// without logs stays, to be said unreadable by its name.
QStringList classLogFiles(const QStringList &given, const QString &commandLinePath);
// The class list: the command line's FILE, else the administrator's
// setting "roster" beside "log"; empty when none is named.
QString configuredRosterPath(const QString &commandLinePath);
// Where rounds wait on this computer while the class log cannot take them:
// the administrator's setting "outbox" beside "log" (for computers whose
// system drive is reset at every start), else the account's own local
// application data.
QString configuredOutboxFolder();

// The language the administrator sets for the windows: the setting "lang"
// beside "log" (zh_CN, zh_TW or en); empty when none is set.
QString configuredLanguage();

// Where a Windows group policy (packaging/windows/tavrino.admx) sets the
// class log's path, the outbox's folder and the class list: values of these
// names under HKEY_LOCAL_MACHINE's key; the computer's own settings have the
// same names.
inline constexpr char kLogPolicyKey[] = "SOFTWARE\\Policies\\Tavrino";
inline constexpr char kLogValueName[] = "log";
inline constexpr char kOutboxValueName[] = "outbox";
inline constexpr char kRosterValueName[] = "roster";
inline constexpr char kLanguageValueName[] = "lang";

// A path with a leading ~/ and environment variables ($NAME, ${NAME}, and
// %NAME% where NAME is set) expanded.
QString expandPath(const QString &path);
