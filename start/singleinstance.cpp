// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "start/singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString &lockDirectory)
{
    QString dir = lockDirectory;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    m_lock = std::make_unique<QLockFile>(QDir(dir).filePath(QStringLiteral("tavrino.lock")));
    // Only a lock whose process is gone is stale, however old it is.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    if (m_lock->tryLock(0))
        return true;
    // A lock that names this very process was left by a copy that ended
    // without letting go and whose process id this one now has: Wine hands
    // out ids in the same order every time, and any system may reuse one.
    // Qt takes the lock's process for running, so it is cleared here.
    qint64 pid = 0;
    QString host, application;
    if (m_lock->error() == QLockFile::LockFailedError &&
        m_lock->getLockInfo(&pid, &host, &application) &&
        pid == QCoreApplication::applicationPid() && m_lock->removeStaleLockFile())
        return m_lock->tryLock(0);
    return false;
}
