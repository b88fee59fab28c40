// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>

class QFileSystemWatcher;

// Only one copy of the game per user: the first copy holds a lock file in the
// user's own runtime folder; a copy that crashed leaves a lock whose process is
// gone, and the next start takes it over. A later copy that ends calls the
// running one through a file beside the lock, which the running copy watches:
// no socket, nothing but files the two copies can both reach.
class SingleInstance {
public:
    // lockDirectory empty: the user's runtime folder.
    explicit SingleInstance(const QString &lockDirectory = QString());
    ~SingleInstance();

    // True when this copy is the only one running and now holds the lock.
    bool acquire();

    // The copy that holds the lock: answered runs whenever a later copy calls.
    void answerCalls(std::function<void()> answered);
    // A copy that did not get the lock: calls the running one, and lets it
    // take the foreground where the system asks for that.
    void callRunningCopy();

private:
    QString callFile() const;

    std::unique_ptr<QLockFile> m_lock;
    QString m_directory;
    std::unique_ptr<QFileSystemWatcher> m_calls;
};
