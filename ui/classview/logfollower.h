// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/failure.h"

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QTimer>

class LogReader;
class QWidget;

// Keeps a window's reading of its class logs up to date while pupils play:
// it reads what the files gained as soon as the system tells of it, and
// looks every second itself, for a network share that tells nothing. A
// reading of over 8 MB (a school's year) runs on a thread of its own, with a
// progress bar in front of the window when it takes longer than half a
// second.
class LogFollower : public QObject {
    Q_OBJECT
public:
    // How often the files are looked at: a share's rounds show within a
    // second or two, at the cost of one look at the file's size a second.
    static constexpr int kLookMs = 1'000;

    LogFollower(LogReader &reader, QWidget *window);

    // Reads what the files gained since the last reading (all of them the
    // first time, or where one was replaced).
    Failure read();

signals:
    // After a reading the follower made itself, by its result.
    void followed(const Failure &failure);

private:
    void look();

    LogReader &m_reader;
    QWidget *m_window;
    QFileSystemWatcher m_watcher;
    QTimer m_look;
    // What each file was at the last reading: its size and its time.
    QHash<QString, std::pair<qint64, QDateTime>> m_seen;
    bool m_reading = false;
};
