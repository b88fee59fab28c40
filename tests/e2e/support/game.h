// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "accessible.h"
#include "desktop.h"
#include "xwindow.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <optional>
#include <vector>

// The built program, run on a desktop as a pupil starts it, and seen from
// outside: through the accessibility bus and the X server only.
class Game {
public:
    explicit Game(const Desktop &desktop);
    Game(const Game &) = delete;
    Game &operator=(const Game &) = delete;
    // Ends the program if it still runs.
    ~Game();

    // Returns an empty string once the process runs, else what failed.
    QString launch();
    QProcess &process() { return m_process; }
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    qint64 pid() const { return m_pid; }

    // The program's application object on the accessibility bus; null until
    // it has registered.
    Accessible application() const;
    // Its top-level windows that are on the screen.
    std::vector<Accessible> windows() const;
    // The showing top-level window with this title; null if there is none.
    Accessible window(const QString &title) const;
    // The showing top-level window that is not a dialog: the start window.
    Accessible mainWindow() const;
    // The showing challenge window (the one top-level of the dialog role).
    Accessible dialog() const;
    // Its mapped X windows.
    std::vector<XWindow> xWindows() const { return XWindow::ofProcess(m_pid); }
    // The X window that holds this top-level window: the one in its place.
    std::optional<XWindow> xWindowOf(const Accessible &window) const;

    // What the game's process and the accessibility bus show of it, for a
    // failure's message.
    QString describe();

    // Waits for the program to end by itself.
    bool waitForExit(int ms);

private:
    QProcess m_process;
    qint64 m_pid = 0;
};

// How long a test waits for the game to show what it expects: generous, since
// the game may run under a sanitizer on a busy machine. Never a measure of
// the game's speed.
inline constexpr int kShowMs = 15000;
