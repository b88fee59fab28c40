// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "start/singleinstance.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Windows gives the foreground only to the program the user started last
// (this one), unless it lets another take it.
void letOtherProgramTakeTheForeground()
{
#ifdef Q_OS_WIN
    AllowSetForegroundWindow(ASFW_ANY);
#endif
}

} // namespace

SingleInstance::SingleInstance(const QString &lockDirectory)
{
    QString dir = lockDirectory;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    m_directory = dir;
    m_lock = std::make_unique<QLockFile>(QDir(dir).filePath(QStringLiteral("tavrino.lock")));
    // Only a lock whose process is gone is stale, however old it is.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::callFile() const
{
    return QDir(m_directory).filePath(QStringLiteral("tavrino.call"));
}

void SingleInstance::answerCalls(std::function<void()> answered)
{
    // The file must be there to be watched.
    QFile file(callFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.close();
    m_calls = std::make_unique<QFileSystemWatcher>(QStringList{callFile()});
    QObject::connect(m_calls.get(), &QFileSystemWatcher::fileChanged,
                     [this, answered = std::move(answered)](const QString &path) {
                         // A file replaced rather than written is no longer watched.
                         if (!m_calls->files().contains(path) && QFile::exists(path))
                             m_calls->addPath(path);
                         answered();
                     });
}

void SingleInstance::callRunningCopy()
{
    letOtherProgramTakeTheForeground();
    // Every call writes something new, so that the file changes also where
    // a change is seen by its size and time alone.
    QFile file(callFile());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QByteArray::number(QCoreApplication::applicationPid()) + ' ' +
                   QByteArray::number(QDateTime::currentMSecsSinceEpoch()) + '\n');
}

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
