// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/classlog.h"

#include "app/classlogtexts.h"
#include "challenges/roundfigures.h"
#include "core/disksync.h"
#include "core/timetext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QSysInfo>

#include <algorithm>

using namespace ClassLogTexts;

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";
constexpr char kLineEnd[] = "\r\n";
// A writer holds the lock for milliseconds; one that crashed on another
// computer (where its process cannot be looked up) blocks the file no longer
// than this.
constexpr int kStaleLockMs = 10'000;
constexpr int kLockWaitMs = 5'000;
// Owner and group may write, others read: a class file a teacher shares.
constexpr QFileDevice::Permissions kFilePermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
    QFileDevice::WriteGroup | QFileDevice::ReadOther;

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

// The Start in ISO 8601 with the local offset: 2026-12-08T09:30:00+08:00.
QString isoWithOffset(const QDateTime &local)
{
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

} // namespace

QString ClassLog::configuredPath(const QString &commandLinePath)
{
    if (!commandLinePath.isEmpty())
        return expandPath(commandLinePath);
    // The administrator's setting for the whole computer: on Linux
    // /etc/xdg/tavrino/tavrino.conf, on Windows the registry value "log" of
    // HKEY_LOCAL_MACHINE\SOFTWARE\tavrino\tavrino.
    const QSettings system(QSettings::NativeFormat, QSettings::SystemScope,
                           QStringLiteral("tavrino"), QStringLiteral("tavrino"));
    return expandPath(system.value(QStringLiteral("log")).toString());
}

QString ClassLog::expandPath(const QString &path)
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

ClassLog::ClassLog(const QString &path) : m_path(path), m_host(QSysInfo::machineHostName()) {}

QString ClassLog::check()
{
    const QFileInfo info(m_path);
    if (m_path.isEmpty())
        return u(kNoFile);
    if (info.isDir())
        return u(kIsFolder);
    if (!info.dir().exists())
        return u(kNoFolder);
    const bool existed = info.exists();
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return u(kCannotWrite).arg(file.errorString());
    file.close();
    if (!existed)
        file.setPermissions(kFilePermissions);
    // The lock lives beside the file, so its folder must take new files.
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!lock.tryLock(0) && lock.error() != QLockFile::LockFailedError)
        return u(kCannotLock);
    return {};
}

bool ClassLog::append(const RoundRecord &round)
{
    m_waiting.push_back(roundLine(round, m_host));
    return write();
}

bool ClassLog::flush()
{
    return write();
}

bool ClassLog::write()
{
    if (m_waiting.empty())
        return true;
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.setStaleLockTime(kStaleLockMs);
    if (!lock.tryLock(kLockWaitMs)) {
        m_problem = lock.error() == QLockFile::LockFailedError ? u(kLockHeld) : u(kCannotLock);
        return false;
    }
    QFile file(m_path);
    const QFileInfo info(m_path);
    const bool existed = info.exists();
    // A device (not a regular file) can neither be read back nor cut.
    const bool device = existed && !info.isFile();
    const QIODevice::OpenMode mode =
        device ? QIODevice::WriteOnly : QIODevice::ReadWrite | QIODevice::Append;
    if (!file.open(mode | QIODevice::Unbuffered)) {
        m_problem = file.errorString();
        return false;
    }
    qint64 size = device ? 0 : file.size();
    QByteArray chunk;
    if (size == 0) {
        chunk = QByteArray(kBom) + headerLine();
    } else {
        file.seek(0);
        const QByteArray start = file.read(QByteArray(kBom).size() + headerLine().size());
        const bool isOurs = start == QByteArray(kBom) + headerLine() ||
                            start.startsWith(QByteArray(kBom) + kEarlierHeader + kLineEnd);
        file.seek(size - 1);
        if (file.read(1) != "\n") {
            // Our own file ends inside a line only where a writer was stopped
            // in the middle of one: that piece goes. A file of someone
            // else's is never cut; our lines start on a line of their own.
            if (isOurs) {
                const qint64 tail = std::min<qint64>(size, 64 * 1024);
                file.seek(size - tail);
                size = size - tail + file.read(tail).lastIndexOf('\n') + 1;
                file.resize(size);
            } else {
                chunk = kLineEnd;
            }
        }
    }
    for (const QByteArray &line : m_waiting)
        chunk += line;
    // One write of everything, then onto the disk; a write that did not go
    // in whole is taken back, and the lines wait.
    const qint64 written = file.write(chunk);
    if (written != chunk.size() || !syncToDisk(file)) {
        m_problem = file.errorString();
        if (!device)
            file.resize(size);
        return false;
    }
    if (!existed)
        file.setPermissions(kFilePermissions);
    m_waiting.clear();
    m_problem.clear();
    return true;
}

QByteArray ClassLog::headerLine()
{
    return QByteArray(kHeader) + kLineEnd;
}

QString ClassLog::csvField(const QString &value, bool text)
{
    QString field = value;
    // A spreadsheet takes a cell that starts with these for a formula; the
    // apostrophe makes it text, shown as written.
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (text && !field.isEmpty() && formulaStarts.contains(field.front()))
        field.prepend(QLatin1Char('\''));
    const bool needsQuotes = field.contains(QLatin1Char('"')) || field.contains(QLatin1Char(',')) ||
                             field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n'));
    if (needsQuotes || field != field.trimmed()) {
        field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        field = QLatin1Char('"') + field + QLatin1Char('"');
    }
    return field;
}

QByteArray ClassLog::roundLine(const RoundRecord &round, const QString &host)
{
    const RoundFigures figures = figuresOf(round.numbers);
    auto number = [](auto optional) { return optional ? QString::number(*optional) : QString(); };
    const QStringList cells{
        csvField(isoWithOffset(round.started), false),
        csvField(host, true),
        csvField(round.name, true),
        QString::number(round.level),
        csvField(endingText(round.ending), true),
        csvField(round.result, false),
        QString::number(figures.count),
        TimeText::secondsWithHundredths(round.durationMs / 10),
        number(figures.typicalMs),
        number(figures.pauses),
    };
    return cells.join(QLatin1Char(',')).toUtf8() + kLineEnd;
}
