// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/failure.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Where the class log's lines wait on this computer while the log cannot
// take them: one small file per log and account, in a folder of the
// computer's own, so that a round survives the end of the game and goes
// into the log at a later start. The file holds the log's path on its
// first line, then the waiting lines exactly as they go into the log.
// Every call may block on the local disk.
class Outbox {
public:
    Outbox(const QString &folder, const QString &logPath);

    const QString &folder() const { return m_folder; }
    const QString &path() const { return m_path; }

    struct Loaded {
        std::vector<QByteArray> lines;
        // Why the file could not be read.
        Failure failure;
    };
    // The lines waiting for the log, oldest first. A last line cut short
    // (the power gone in the middle of a write) or otherwise not whole is
    // set aside into PATH.torn, never handed on as a line.
    Loaded load() const;
    // Keeps exactly these lines: the file is replaced whole and synced, or
    // stays as it was; with no lines it goes.
    Failure store(const std::vector<QByteArray> &lines) const;

private:
    QString m_folder;
    QString m_logPath;
    QString m_path;
};
