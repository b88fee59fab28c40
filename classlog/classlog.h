// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/failure.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The class log's file: CSV lines (classlog/csvline), one per finished
// round, appended to one file that many copies of the game, on one computer
// or on many, may share. A line is either wholly in the file or not at all:
// each write takes a lock beside the file, appends its lines in one write,
// syncs them to the disk, and takes back a write that did not go in whole.
// Every call may block for as long as the file's folder takes to answer.
class ClassLog {
public:
    explicit ClassLog(const QString &path);

    const QString &path() const { return m_path; }
    // Whether the file can be written at all. A file that another program
    // holds at the moment can.
    Failure check() const;

    struct Written {
        // None when every line is in the file.
        Failure failure;
        // Another program holds the file or its lock: it is busy, not broken.
        bool busy = false;
        // The write failed after it had begun and could not be taken back:
        // some of the lines may be in the file.
        bool uncertain = false;
    };
    // Appends the lines in one write, after waiting at most lockWaitMs for
    // another writer's lock. The first inDoubt lines may be in the file
    // already (an earlier write whose end nobody saw): those found whole
    // among the file's last lines are not written again.
    Written write(const std::vector<QByteArray> &lines, std::size_t inDoubt = 0,
                  int lockWaitMs = kLockWaitMs) const;

    // How long a write waits for another copy's lock: a copy on a slow share
    // holds it for as long as its write takes.
    static constexpr int kLockWaitMs = 5'000;

private:
    QString m_path;
};
