// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classlog/logreading.h"

#include "classlog/logreader.h"

#include <QThread>

LogReading::LogReading(LogReader &reader, QObject *parent) : QObject(parent), m_reader(reader) {}

LogReading::~LogReading()
{
    // A reading that is over is left whole: the reader reads on from it.
    if (!m_thread || m_thread->isFinished())
        return;
    m_reader.stop();
    m_thread->wait();
}

void LogReading::start()
{
    m_thread.reset(QThread::create([this] {
        const Failure failure = m_reader.read();
        // Heard on the thread this lives on, once the reading is over.
        QMetaObject::invokeMethod(
            this, [this, failure] { emit finished(failure); }, Qt::QueuedConnection);
    }));
    m_thread->start();
}

bool LogReading::running() const
{
    return m_thread && m_thread->isRunning();
}
