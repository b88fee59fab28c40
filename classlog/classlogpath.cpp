// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classlog/classlogpath.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// A value a group policy sets; Windows only, where policies live in the
// registry. Read with the system's own call: QSettings creates a key it
// reads when it may, and the policy's key belongs to the policy alone. A
// REG_EXPAND_SZ value comes back with its variables expanded.
QString policyValue(const char *name)
{
#ifdef Q_OS_WIN
    const std::wstring key = QString::fromLatin1(kLogPolicyKey).toStdWString();
    const std::wstring value = QString::fromLatin1(name).toStdWString();
    wchar_t path[4096];
    DWORD size = sizeof path;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr, path,
                     &size) != ERROR_SUCCESS)
        return {};
    return QString::fromWCharArray(path);
#else
    Q_UNUSED(name)
    return {};
#endif
}

// The policy's value, else the administrator's setting for the whole
// computer: on Linux /etc/xdg/tavrino/tavrino.conf, on Windows the registry
// value of HKEY_LOCAL_MACHINE\SOFTWARE\tavrino\tavrino. A school's policy wins
// over the computer's setting, as policies do.
QString administratorsValue(const char *name)
{
    if (const QString policy = policyValue(name); !policy.isEmpty())
        return expandPath(policy);
    const QSettings system(QSettings::NativeFormat, QSettings::SystemScope,
                           QStringLiteral("tavrino"), QStringLiteral("tavrino"));
    return expandPath(system.value(QLatin1String(name)).toString());
}

} // namespace

QString configuredLogPath(const QString &commandLinePath)
{
    if (!commandLinePath.isEmpty())
        return expandPath(commandLinePath);
    return administratorsValue(kLogValueName);
}

QString configuredRosterPath(const QString &commandLinePath)
{
    if (!commandLinePath.isEmpty())
        return expandPath(commandLinePath);
    return administratorsValue(kRosterValueName);
}

QString configuredLanguage()
{
    return administratorsValue(kLanguageValueName);
}

QStringList classLogFiles(const QStringList &given, const QString &commandLinePath)
{
    QStringList paths;
    for (const QString &name : given) {
        const QString path = expandPath(name);
        if (!QFileInfo(path).isDir()) {
            paths << path;
            continue;
        }
        const QDir folder(path);
        const QStringList logs =
            folder.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
        for (const QString &log : logs)
            paths << folder.filePath(log);
        if (logs.isEmpty())
            paths << path;
    }
    if (given.isEmpty()) {
        if (const QString configured = configuredLogPath(commandLinePath); !configured.isEmpty())
            paths << configured;
    }
    return paths;
}

QString configuredOutboxFolder()
{
    const QString folder = administratorsValue(kOutboxValueName);
    return folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
                            : folder;
}

QString expandPath(const QString &path)
{
    // Read by hand rather than with a regular expression: this runs at every
    // start, and the expression engine would cost the start-up its memory.
    QString expanded;
    qsizetype i = 0;
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/"))) {
        expanded = QDir::homePath();
        i = 1;
    }
    auto isNameChar = [](QChar c, bool first) {
        return c == QLatin1Char('_') || (c.isLetter() && c.unicode() < 128) ||
               (!first && c.isDigit() && c.unicode() < 128);
    };
    while (i < path.size()) {
        if (path[i] == QLatin1Char('%')) {
            // Windows' %NAME%, where NAME is set; any other percent sign
            // stands for itself.
            const qsizetype close = path.indexOf(QLatin1Char('%'), i + 1);
            const QString name = close > i + 1 ? path.mid(i + 1, close - i - 1) : QString();
            const QByteArray key = name.toLatin1();
            if (!name.isEmpty() &&
                std::all_of(name.begin(), name.end(),
                            [&](QChar c) {
                                return isNameChar(c, false) || c == QLatin1Char('(') ||
                                       c == QLatin1Char(')');
                            }) &&
                qEnvironmentVariableIsSet(key.constData())) {
                expanded += qEnvironmentVariable(key.constData());
                i = close + 1;
            } else {
                expanded += path[i++];
            }
            continue;
        }
        if (path[i] != QLatin1Char('$')) {
            expanded += path[i++];
            continue;
        }
        const bool braced = i + 1 < path.size() && path[i + 1] == QLatin1Char('{');
        qsizetype start = i + (braced ? 2 : 1), end = start;
        while (end < path.size() && isNameChar(path[end], end == start))
            ++end;
        if (end == start || (braced && (end >= path.size() || path[end] != QLatin1Char('}')))) {
            // Not a variable: the dollar sign stands for itself.
            expanded += path[i++];
            continue;
        }
        expanded += qEnvironmentVariable(path.mid(start, end - start).toLatin1().constData());
        i = braced ? end + 1 : end;
    }
    return expanded;
}
