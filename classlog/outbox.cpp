// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classlog/outbox.h"

#include "core/fileproblem.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Whether a record is a whole line as the writer makes them.
bool isWholeLine(QByteArrayView record)
{
    return record.endsWith("\r\n") && !record.contains('\0');
}

} // namespace

Outbox::Outbox(const QString &folder, const QString &logPath)
    : m_folder(folder), m_logPath(QFileInfo(logPath).absoluteFilePath())
{
    // One file per log and per account: accounts may share a folder an
    // administrator names, and each account's game runs once.
    const QByteArray owner = (QDir::homePath() + QLatin1Char('\n') + m_logPath).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(owner, QCryptographicHash::Sha256).toHex();
    m_path = QDir(folder).filePath(
        QStringLiteral("outbox-%1.csv").arg(QString::fromLatin1(hash.first(16))));
}

Outbox::Loaded Outbox::load() const
{
    QFile file(m_path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {{}, readProblem(m_path)};
    const QByteArray bytes = file.readAll();
    file.close();
    const QByteArray first = m_logPath.toUtf8() + '\n';
    // A record ends at a line break outside quotes (a name may hold one).
    Loaded loaded;
    QByteArray aside;
    qsizetype start = bytes.startsWith(first) ? first.size() : 0;
    if (start == 0)
        aside = bytes; // not this log's, or its first line is damaged
    else {
        bool quoted = false;
        for (qsizetype i = start; i < bytes.size(); ++i) {
            if (bytes[i] == '"') {
                quoted = !quoted;
            } else if (bytes[i] == '\n' && !quoted) {
                const QByteArrayView record = QByteArrayView(bytes).sliced(start, i + 1 - start);
                if (isWholeLine(record))
                    loaded.lines.push_back(record.toByteArray());
                else
                    aside += record;
                start = i + 1;
            }
        }
        aside += QByteArrayView(bytes).sliced(start);
    }
    if (aside.isEmpty())
        return loaded;
    // What is not a whole line is kept apart for a person to look at, and
    // the file keeps the whole lines only. Where it cannot be kept apart,
    // the next write of the outbox leaves it out all the same.
    QFile torn(m_path + QStringLiteral(".torn"));
    if (torn.open(QIODevice::WriteOnly | QIODevice::Append) &&
        torn.write(aside + '\n') == aside.size() + 1 && torn.flush())
        store(loaded.lines);
    return loaded;
}

Failure Outbox::store(const std::vector<QByteArray> &lines) const
{
    if (lines.empty()) {
        if (QFile::exists(m_path) && !QFile::remove(m_path))
            return writeProblem(m_path);
        return std::nullopt;
    }
    if (!QDir().mkpath(m_folder))
        return writeProblem(m_path);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return writeProblem(m_path, file.error());
    // Pupils' names: for this account alone.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QByteArray bytes = m_logPath.toUtf8() + '\n';
    for (const QByteArray &line : lines)
        bytes += line;
    if (file.write(bytes) != bytes.size() || !file.commit())
        return writeProblem(m_path, file.error());
    return std::nullopt;
}
