// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/classview/logfollower.h"

#include "classlog/classviewtexts.h"
#include "classlog/logreader.h"
#include "classlog/logreading.h"
#include "core/text.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProgressDialog>
#include <QWidget>

#include <utility>

using namespace ClassViewTexts;

LogFollower::LogFollower(LogReader &reader, QWidget *window)
    : QObject(window), m_reader(reader), m_window(window)
{
    m_watcher.addPaths(reader.paths());
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &LogFollower::look);
    m_look.setInterval(kLookMs);
    connect(&m_look, &QTimer::timeout, this, &LogFollower::look);
    m_look.start();
}

void LogFollower::look()
{
    if (m_reading)
        return;
    bool changed = false;
    for (const QString &path : m_reader.paths()) {
        const QFileInfo info(path);
        changed = changed || m_seen.value(path) != std::pair(info.size(), info.lastModified());
        // A file replaced by a new one is watched anew.
        if (info.exists() && !m_watcher.files().contains(path))
            m_watcher.addPath(path);
    }
    if (changed)
        emit followed(read());
}

Failure LogFollower::read()
{
    m_reading = true;
    for (const QString &path : m_reader.paths()) {
        const QFileInfo info(path);
        m_seen.insert(path, {info.size(), info.lastModified()});
    }
    Failure failure;
    // A short reading is over before anyone would notice it.
    constexpr qint64 kAloneUpTo = 8 << 20;
    if (m_reader.unread() <= kAloneUpTo) {
        failure = m_reader.read();
    } else {
        QProgressDialog progress(translated(kReading), QString(), 0, 1000, m_window);
        progress.setWindowTitle(translated(kReadingTitle));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500);
        progress.setAutoClose(false);
        LogReading reading(m_reader);
        QEventLoop waiting;
        connect(&reading, &LogReading::finished, &waiting, [&](const Failure &read) {
            failure = read;
            waiting.quit();
        });
        QTimer step;
        connect(&step, &QTimer::timeout, &progress,
                [&] { progress.setValue(int(m_reader.progress() * 999)); });
        step.start(50);
        reading.start();
        waiting.exec();
    }
    m_reading = false;
    return failure;
}
