// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDeadlineTimer>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <deque>
#include <functional>

// A thread for file operations that may block: it runs the jobs posted to
// it one after another, in the order they were posted, so that a file on a
// slow or hung share holds up this thread and nothing else. A job hands its
// result back with reply(), which runs the given function on the thread
// of whoever listens to replied().
class FileThread : public QThread {
    Q_OBJECT
public:
    using Job = std::function<void()>;

    void post(Job job);
    // Whether every job posted so far has run, waiting for that at most
    // until the deadline.
    bool waitIdle(QDeadlineTimer deadline);
    // The thread ends once the jobs posted so far have run.
    void stop();
    // Stops the thread and, when it has nothing left to do, deletes it; one
    // still busy (a file operation that hangs) is left to end by itself,
    // since deleting a running thread would end the program, and deletes
    // itself then. False when it still runs.
    static bool end(FileThread *thread, bool busy);
    // From within a job.
    void reply(const Job &apply) { emit replied(apply); }

signals:
    void replied(const FileThread::Job &apply);

protected:
    void run() override;

private:
    QMutex m_mutex;
    QWaitCondition m_work;
    QWaitCondition m_idle;
    std::deque<Job> m_jobs;
    bool m_busy = false;
    bool m_stop = false;
};
