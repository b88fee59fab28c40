// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/roundrecord.h"
#include "core/failure.h"

#include <QObject>
#include <QTimer>

class ClassLogThread;

// How long the end of the program waits for the class log: the longest wait
// for another copy's lock (5 s) and a second for the write and the sync, so
// that a last attempt that only waited its turn still goes in; a folder that
// answers in none of that time is not waited for.
inline constexpr int kClassLogFinishMs = 6'000;
// How long one file operation may take before the teacher is told that the
// folder does not answer: longer than the wait for another copy's lock,
// which has its own message.
inline constexpr int kClassLogNoAnswerMs = 6'000;

// The class log as the game uses it: every file operation runs on a thread of
// its own, so that a slow, busy or hung shared folder holds up only that
// thread, never the window. Rounds go to the file in the order they are
// handed over; those that could not be written wait and go with the next
// round, as ClassLog keeps them. Lives on the window's thread, and tells
// it what became of the file through its signals.
class ClassLogWriter : public QObject {
    Q_OBJECT
public:
    explicit ClassLogWriter(const QString &path, QObject *parent = nullptr);
    // Waits for the thread as finish() does; a thread that still hangs then
    // is left to end by itself.
    ~ClassLogWriter() override;

    const QString &path() const { return m_path; }
    // Whether the file can be written at all; answered by checked().
    void check();
    void append(const RoundRecord &round);
    // Rounds handed over and not known to be in the file.
    int unwritten() const;

    // What the end of the program could not write, and why.
    struct Left {
        int rounds = 0;
        QString reason;
    };
    // At the end of the run: a last attempt with every round that waits,
    // waited for at most ms. A folder that did not answer in that time leaves
    // the thread hanging: hanging() tells, and the program must then end
    // without waiting for it.
    Left finish(int ms);
    bool hanging() const;

signals:
    void checked(const Failure &problem);
    // After each attempt: none when the rounds went in.
    void written(const Failure &failure);
    // A file operation has not come back for kClassLogNoAnswerMs.
    void notAnswering();

private:
    void watch(bool answered);
    void stopThread(int ms);

    QString m_path;
    ClassLogThread *m_thread;
    QTimer m_noAnswer;
    quint64 m_handed = 0;
    // As the thread last told: rounds taken from the queue, and of those,
    // rounds waiting after a failed write.
    quint64 m_handled = 0;
    int m_waiting = 0;
    bool m_checking = false;
    bool m_stopping = false;
};
