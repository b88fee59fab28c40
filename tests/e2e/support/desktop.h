// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A private desktop session for the game: an X server of its own (Xvfb), a
// session bus, and the accessibility bus switched on the way a screen reader
// switches it on. This process joins the accessibility bus as its client.
class Desktop {
public:
    Desktop();
    ~Desktop();
    Desktop(const Desktop &) = delete;
    Desktop &operator=(const Desktop &) = delete;

    // Returns an empty string once everything runs, else what failed.
    QString start(QSize screen = QSize(1600, 1200));

    QSize screenSize() const { return m_screen; }
    QString display() const { return m_display; }
    // The per-user runtime folder of this session ($XDG_RUNTIME_DIR).
    QString runtimeDir() const;
    // The user's data folder ($XDG_DATA_HOME), where the game keeps what it
    // keeps of its own.
    QString dataDir() const;
    // What a program started on this desktop is given.
    QProcessEnvironment environment() const;

private:
    void stop();

    QTemporaryDir m_dir;
    QSize m_screen;
    QString m_display;
    QString m_busAddress;
    std::unique_ptr<QProcess> m_xserver;
    std::unique_ptr<QProcess> m_bus;
    bool m_joined = false;
};
