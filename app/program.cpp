// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program.h"

#include "app/classlogtexts.h"
#include "app/terminal.h"
#include "ui/dialogs.h"
#include "ui/notewindow.h"

#include <QDesktopServices>
#include <QMessageBox>

using namespace ClassLogTexts;

namespace {

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

void printLine(const QString &line)
{
    Terminal::print(stderr, line + QLatin1Char('\n'));
}

} // namespace

Program::Program(GameClock &clock, const QString &logPath) : m_challenges(clock, m_history)
{
    if (!logPath.isEmpty()) {
        m_log = std::make_unique<ClassLog>(logPath);
        m_logProblem = m_log->check();
        if (m_logProblem.isEmpty())
            m_history.listen([this](const RoundRecord &round) { logRound(round); });
        else
            printLine(u(kUnusableLine).arg(logPath, m_logProblem));
    }
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

Program::~Program() = default;

void Program::showStartWindow()
{
    m_window.show();
    if (m_logProblem.isEmpty())
        return;
    // Once, and the game runs on without the log.
    Dialogs::prepare();
    auto *box =
        new QMessageBox(QMessageBox::Warning, u(kTitle),
                        u(kUnusable).arg(m_log->path(), m_logProblem), QMessageBox::Ok, &m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    m_log.reset();
}

void Program::logRound(const RoundRecord &round)
{
    if (m_log->append(round)) {
        if (m_note)
            m_note->hide();
        return;
    }
    if (!m_note)
        m_note = std::make_unique<NoteWindow>(u(kTitle));
    m_note->showNote(u(kWaiting).arg(m_log->waiting()).arg(m_log->problem()));
}

void Program::finish()
{
    if (!m_log || m_log->flush())
        return;
    const QString count = QString::number(m_log->waiting());
    printLine(u(kLostLine).arg(count, m_log->path(), m_log->problem()));
    Dialogs::prepare();
    QMessageBox::warning(nullptr, u(kTitle), u(kLost).arg(count, m_log->path(), m_log->problem()));
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
