// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/roundrecord.h"
#include "core/failure.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The class log: one CSV line per finished round (classlog/csvline),
// appended to one file that many copies of the game, on one computer or on
// many, may share. A line is either wholly in the file or not at all: each
// write takes a lock beside the file, appends everything waiting in one
// write, syncs it to the disk, and takes back a write that did not go in
// whole. Lines that could not be written wait in memory and go with the next
// round, or at quit.
class ClassLog {
public:
    explicit ClassLog(const QString &path);

    const QString &path() const { return m_path; }
    // Whether the file can be written at all.
    Failure check();
    // Appends the round's line after those still waiting; on a failure the
    // lines wait for a later attempt.
    Failure append(const RoundRecord &round);
    // Puts the round's line after those waiting, for the next attempt.
    void add(const RoundRecord &round);
    // Another attempt with the lines still waiting.
    Failure flush();
    int waiting() const { return int(m_waiting.size()); }

private:
    Failure write();

    QString m_path;
    QString m_host;
    std::vector<QByteArray> m_waiting;
};
