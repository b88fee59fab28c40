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

using namespace ClassLogTexts;
using CsvLine::kByteOrderMark;
using CsvLine::kLineEnd;

namespace {

// A writer holds the lock for milliseconds; one that crashed on another
// computer (where its process cannot be looked up) blocks the file no longer
// than this.
constexpr int kStaleLockMs = 10'000;
// Owner and group may write, others read: a class file a teacher shares.
constexpr QFileDevice::Permissions kFilePermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
    QFileDevice::WriteGroup | QFileDevice::ReadOther;
// How far back a line in doubt is looked for. Such lines are the last that
// a run of the game wrote before it was stopped without hearing back, and
// the next start on that computer delivers them, mostly the same day: a
// megabyte holds some 12,000 lines, a whole school's day in one log.
constexpr qint64 kTailBytes = 1 << 20;

// Whether the bytes hold the line whole, on a line of its own.
bool holdsLine(const QByteArray &bytes, const QByteArray &line)
{
    for (qsizetype at = bytes.indexOf(line); at >= 0; at = bytes.indexOf(line, at + 1)) {
        if (at > 0 && bytes[at - 1] == '\n')
            return true;
    }
    return false;
}

} // namespace

ClassLog::ClassLog(const QString &path) : m_path(path) {}

Failure ClassLog::check() const
{
    if (m_path.isEmpty())
        return translated(kNoFile);
    const QFileInfo info(m_path);
    if (info.isDir() || !info.dir().exists())
        return writeProblem(m_path);
    const bool existed = info.exists();
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return heldByAnotherProgram(m_path) ? Failure() : writeProblem(m_path, file.error());
    file.close();
    if (!existed)
        file.setPermissions(kFilePermissions);
    // The lock lives beside the file, so its folder must take new files.
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!lock.tryLock(0) && lock.error() != QLockFile::LockFailedError)
        return translated(kCannotLock);
    return std::nullopt;
}

ClassLog::Written ClassLog::write(const std::vector<QByteArray> &lines, std::size_t inDoubt,
                                  int lockWaitMs) const
{
    if (lines.empty())
        return {};
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.setStaleLockTime(kStaleLockMs);
    if (!lock.tryLock(lockWaitMs)) {
        if (lock.error() == QLockFile::LockFailedError)
            return {translated(kInUse), true};
        return {translated(kCannotLock)};
    }
    QFile file(m_path);
    const QFileInfo info(m_path);
    const bool existed = info.exists();
    // A device (not a regular file) can neither be read back nor cut.
    const bool device = existed && !info.isFile();
    const QIODevice::OpenMode mode =
        device ? QIODevice::WriteOnly : QIODevice::ReadWrite | QIODevice::Append;
    if (!file.open(mode | QIODevice::Unbuffered)) {
        // A spreadsheet on Windows holds the file it shows against writers.
        if (heldByAnotherProgram(m_path))
            return {translated(kInUse), true};
        return {writeProblem(m_path, file.error())};
    }
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
    QByteArray tail;
    if (inDoubt > 0 && size > 0) {
        // A byte more, for the line break before the first line.
        const qint64 from = std::max<qint64>(0, size - kTailBytes - 1);
        file.seek(from);
        tail = file.read(size - from);
    }
    const qsizetype before = chunk.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i >= inDoubt || !holdsLine(tail, lines[i]))
            chunk += lines[i];
    }
    if (chunk.size() == before)
        return {};
    // One write of everything, then onto the disk; a write that did not go
    // in whole is taken back.
    const qint64 written = file.write(chunk);
    if (written != chunk.size() || !syncToDisk(file)) {
        const Failure failure = writeProblem(m_path, file.error());
        const bool takenBack = !device && file.resize(size);
        return {failure, false, !takenBack};
    }
    if (!existed)
        file.setPermissions(kFilePermissions);
    return {};
}
