// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/singleinstance.h"

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
    return m_lock->tryLock(0);
}
