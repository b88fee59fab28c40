// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game.h"

#include "tools.h"

#ifndef TAVRINO_PROGRAM
#error "TAVRINO_PROGRAM must name the built game"
#endif

Game::Game(const Desktop &desktop)
{
    m_process.setProcessEnvironment(desktop.environment());
    m_process.setProgram(QStringLiteral(TAVRINO_PROGRAM));
    // Both channels into one, so that a failure's message can show them.
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    endWithThisProcess(m_process);
}

Game::~Game()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString Game::launch()
{
    m_process.start();
    if (!m_process.waitForStarted(10000))
        return QStringLiteral("the game did not start: %1").arg(m_process.errorString());
    m_pid = m_process.processId();
    return {};
}

Accessible Game::application() const
{
    if (m_pid <= 0)
        return {};
    for (const Accessible &app : Accessible::applications()) {
        if (app.processId() == m_pid)
            return app;
    }
    return {};
}

std::vector<Accessible> Game::windows() const
{
    std::vector<Accessible> showing;
    for (Accessible &w : application().children()) {
        if (w.isShowing())
            showing.push_back(std::move(w));
    }
    return showing;
}

Accessible Game::window(const QString &title) const
{
    for (Accessible &w : windows()) {
        if (w.name() == title)
            return std::move(w);
    }
    return {};
}

Accessible Game::mainWindow() const
{
    for (Accessible &w : windows()) {
        if (w.role() != QLatin1String("dialog"))
            return std::move(w);
    }
    return {};
}

Accessible Game::dialog() const
{
    for (Accessible &w : windows()) {
        if (w.role() == QLatin1String("dialog"))
            return std::move(w);
    }
    return {};
}

std::optional<XWindow> Game::xWindowOf(const Accessible &window) const
{
    const QRect place = window.extents();
    for (const XWindow &x : xWindows()) {
        if (x.geometry() == place)
            return x;
    }
    return std::nullopt;
}

QString Game::describe()
{
    QStringList seen;
    for (const Accessible &app : Accessible::applications())
        seen << QStringLiteral("%1 (pid %2)").arg(app.name()).arg(app.processId());
    QStringList windows;
    for (const Accessible &w : application().children()) {
        windows << QStringLiteral("%1 \"%2\"%3")
                       .arg(w.role(), w.name(),
                            w.isShowing() ? QString() : QStringLiteral(" hidden"));
    }
    QString state = QStringLiteral("running");
    if (!isRunning()) {
        state = m_process.exitStatus() == QProcess::CrashExit
                    ? QStringLiteral("crashed")
                    : QStringLiteral("ended with status %1").arg(m_process.exitCode());
    }
    // What the game wrote before it went wrong, if anything.
    const QString said = QString::fromUtf8(m_process.peek(4000)).trimmed();
    return QStringLiteral("game pid %1 %2; X windows: %3; applications: %4; its windows: %5; "
                          "it wrote: %6")
        .arg(m_pid)
        .arg(state)
        .arg(xWindows().size())
        .arg(seen.join(QStringLiteral(", ")), windows.join(QStringLiteral(", ")), said);
}

bool Game::waitForExit(int ms)
{
    return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(ms);
}
