// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Only one copy of the game per user: the first copy holds a lock file in the
// user's own runtime folder; a copy that crashed leaves a lock whose process is
// gone, and the next start takes it over.
class SingleInstance {
public:
    // lockDirectory empty: the user's runtime folder.
    explicit SingleInstance(const QString &lockDirectory = QString());
    ~SingleInstance();

    // True when this copy is the only one running and now holds the lock.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};
