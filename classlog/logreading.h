// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/failure.h"

#include <QObject>

#include <memory>

class LogReader;
class QThread;

// One reading of class logs on a thread of its own, so that the window that
// shows them goes on meanwhile (a school's year takes a second or two).
// Nothing else may touch the reader until finished() has been heard;
// the reading ends early, unheard, when this goes first.
class LogReading : public QObject {
    Q_OBJECT
public:
    explicit LogReading(LogReader &reader, QObject *parent = nullptr);
    ~LogReading() override;

    void start();
    bool running() const;

signals:
    void finished(const Failure &failure);

private:
    LogReader &m_reader;
    std::unique_ptr<QThread> m_thread;
};
