// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/roundrecord.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The class log: one CSV line per finished round, appended to one file that
// many copies of the game, on one computer or on many, may share. A line is
// either wholly in the file or not at all: each write takes a lock beside
// the file, appends everything waiting in one write, syncs it to the disk,
// and takes back a write that did not go in whole. Lines that could not be
// written wait in memory and go with the next round, or at quit.
class ClassLog {
public:
    // Where the log goes: the command line's FILE, else the administrator's
    // system-wide setting "log"; empty when neither asks for one. A leading
    // ~/ and environment variables ($NAME, ${NAME}, and %NAME% where NAME is
    // set) are expanded.
    static QString configuredPath(const QString &commandLinePath);
    static QString expandPath(const QString &path);

    explicit ClassLog(const QString &path);

    const QString &path() const { return m_path; }
    // Whether the file can be written at all; empty if so, else the reason
    // in words a teacher reads.
    QString check();
    // Appends the round's line after those still waiting. False when the
    // lines wait for a later attempt; problem() says why.
    bool append(const RoundRecord &round);
    // Another attempt with the lines still waiting.
    bool flush();
    int waiting() const { return int(m_waiting.size()); }
    QString problem() const { return m_problem; }

    // The header line, and one round as a line; both end in CRLF.
    static QByteArray headerLine();
    static QByteArray roundLine(const RoundRecord &round, const QString &host);
    // A cell as RFC 4180 writes it; a text cell that a spreadsheet would take
    // for a formula is marked as text.
    static QString csvField(const QString &value, bool text);

private:
    bool write();

    QString m_path;
    QString m_host;
    std::vector<QByteArray> m_waiting;
    QString m_problem;
};
