// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classlog/filethread.h"

void FileThread::post(Job job)
{
    const QMutexLocker locker(&m_mutex);
    m_jobs.push_back(std::move(job));
    m_work.wakeOne();
}

bool FileThread::waitIdle(QDeadlineTimer deadline)
{
    QMutexLocker locker(&m_mutex);
    while (m_busy || !m_jobs.empty()) {
        if (!m_idle.wait(&m_mutex, deadline))
            return false;
    }
    return true;
}

void FileThread::stop()
{
    const QMutexLocker locker(&m_mutex);
    m_stop = true;
    m_work.wakeOne();
}

bool FileThread::end(FileThread *thread, bool busy)
{
    thread->stop();
    if (thread->wait(busy ? QDeadlineTimer(0) : QDeadlineTimer(QDeadlineTimer::Forever))) {
        delete thread;
        return true;
    }
    disconnect(thread, &FileThread::replied, nullptr, nullptr);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    return false;
}

void FileThread::run()
{
    QMutexLocker locker(&m_mutex);
    for (;;) {
        while (m_jobs.empty() && !m_stop)
            m_work.wait(&m_mutex);
        if (m_jobs.empty())
            return;
        const Job job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_busy = true;
        locker.unlock();
        job();
        locker.relock();
        m_busy = false;
        if (m_jobs.empty())
            m_idle.wakeAll();
    }
}
