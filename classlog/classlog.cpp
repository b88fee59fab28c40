// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classlog/classlog.h"

#include "classlog/classlogtexts.h"
#include "classlog/csvline.h"
#include "core/disksync.h"
#include "core/fileproblem.h"
#include "core/text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

using namespace ClassLogTexts;
using CsvLine::kByteOrderMark;
using CsvLine::kLineEnd;

namespace {

// A writer holds the lock for milliseconds; one that crashed on another
// computer (where its process cannot be looked up) blocks the file no longer
// than this.
constexpr int kStaleLockMs = 10'000;
constexpr int kLockWaitMs = 5'000;
// Owner and group may write, others read: a class file a teacher shares.
constexpr QFileDevice::Permissions kFilePermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
    QFileDevice::WriteGroup | QFileDevice::ReadOther;

} // namespace

ClassLog::ClassLog(const QString &path) : m_path(path), m_host(QSysInfo::machineHostName()) {}

Failure ClassLog::check()
{
    if (m_path.isEmpty())
        return utf8(kNoFile);
    const QFileInfo info(m_path);
    if (info.isDir() || !info.dir().exists())
        return writeProblem(m_path);
    const bool existed = info.exists();
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return writeProblem(m_path, file.error());
    file.close();
    if (!existed)
        file.setPermissions(kFilePermissions);
    // The lock lives beside the file, so its folder must take new files.
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!lock.tryLock(0) && lock.error() != QLockFile::LockFailedError)
        return utf8(kCannotLock);
    return std::nullopt;
}

Failure ClassLog::append(const RoundRecord &round)
{
    add(round);
    return write();
}

void ClassLog::add(const RoundRecord &round)
{
    m_waiting.push_back(CsvLine::round(round, m_host));
}

Failure ClassLog::flush()
{
    return write();
}

Failure ClassLog::write()
{
    if (m_waiting.empty())
        return std::nullopt;
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.setStaleLockTime(kStaleLockMs);
    if (!lock.tryLock(kLockWaitMs))
        return lock.error() == QLockFile::LockFailedError ? utf8(kLockHeld) : utf8(kCannotLock);
    QFile file(m_path);
    const QFileInfo info(m_path);
    const bool existed = info.exists();
    // A device (not a regular file) can neither be read back nor cut.
    const bool device = existed && !info.isFile();
    const QIODevice::OpenMode mode =
        device ? QIODevice::WriteOnly : QIODevice::ReadWrite | QIODevice::Append;
    if (!file.open(mode | QIODevice::Unbuffered))
        return writeProblem(m_path, file.error());
    qint64 size = device ? 0 : file.size();
    QByteArray chunk;
    if (size == 0) {
        chunk = QByteArray(kByteOrderMark) + CsvLine::header();
    } else {
        file.seek(0);
        const bool isOurs = CsvLine::startsOurs(file.read(1024));
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
        const Failure failure = writeProblem(m_path, file.error());
        if (!device)
            file.resize(size);
        return failure;
    }
    if (!existed)
        file.setPermissions(kFilePermissions);
    m_waiting.clear();
    return std::nullopt;
}
