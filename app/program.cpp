// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program.h"

#include <QDesktopServices>

Program::Program(GameClock &clock) : m_challenges(clock, m_history)
{
    QObject::connect(&m_window, &StartWindow::levelClicked, &m_window, [this](int level) {
        m_screen.chooseLevel(level);
        sync();
    });
    QObject::connect(&m_window, &StartWindow::nameEdited, &m_window, [this](const QString &text) {
        m_screen.nameChanged(text);
        sync();
    });
    QObject::connect(&m_window, &StartWindow::nameConfirmed, &m_window, [this] {
        m_screen.confirmName();
        sync();
    });
    QObject::connect(&m_window, &StartWindow::startClicked, &m_window, [this] { openChallenge(); });
    QObject::connect(&m_window, &StartWindow::linkClicked, &m_window,
                     [this](const QString &label) { openLink(label); });
    m_screen.load();
    sync();
}

void Program::show()
{
    m_window.show();
}

void Program::sync()
{
    m_window.setWindowTitle(m_screen.caption());
    m_window.showName(m_screen.nameText());
    m_window.showText("Label9", m_screen.levelDisplay());
    m_window.showText("Label25", m_screen.ruleLine());
    m_window.showText("Label7", m_screen.nameDisplay());
    m_window.showText("Label10", m_screen.schoolDisplay());
    m_window.showText("Label1", m_screen.makerLink());
    m_window.showText("Label3", m_screen.platformLink());
    m_window.showText("Label11", m_screen.plannerCredit());
    m_window.showText("Label12", m_screen.designerCredit());
    m_window.showText("Label5", m_screen.subtitle());
    m_window.showControl("Label22", m_screen.captionsShown());
    m_window.showControl("Label8", m_screen.captionsShown());
    if (m_screen.takeFocusRequest())
        m_window.focusControl("Command1");
}

void Program::openChallenge()
{
    const ChallengeScreen screen = m_screen.startChallenge();
    sync();
    m_challenges.showModal(screen, m_screen.values(), &m_window);
}

void Program::openLink(const QString &label)
{
    // Through the desktop, never through a command line built from text.
    QDesktopServices::openUrl(label == QLatin1String("Label1") ? StartScreen::makerPageUrl()
                                                               : StartScreen::platformUrl());
}
