// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program.h"

#include "app/terminal.h"
#include "classlog/classlogtexts.h"
#include "core/text.h"
#include "ui/challengewindow.h"
#include "ui/dialogs.h"
#include "ui/notewindow.h"

#include <QDesktopServices>
#include <QMessageBox>

using namespace ClassLogTexts;

namespace {

void printLine(const QString &line)
{
    Terminal::print(stderr, line + QLatin1Char('\n'));
}

} // namespace

Program::Program(GameClock &clock, const QString &logPath)
    : m_window(m_screen), m_run(clock, m_history)
{
    if (!logPath.isEmpty()) {
        m_log = std::make_unique<ClassLog>(logPath);
        m_logProblem = m_log->check();
        if (!m_logProblem)
            m_history.listen([this](const RoundRecord &round) { logRound(round); });
        else
            printLine(utf8(kUnusableLine).arg(logPath, *m_logProblem));
    }
    QObject::connect(&m_window, &StartWindow::startClicked, &m_window, [this] { openChallenge(); });
    // Through the desktop, never through a command line built from text.
    QObject::connect(&m_window, &StartWindow::linkClicked, &m_window, [](StartControl link) {
        QDesktopServices::openUrl(StartScreen::linkTarget(link));
    });
    m_screen.load();
    m_window.sync();
}

Program::~Program() = default;

void Program::showStartWindow()
{
    m_window.show();
    if (!m_logProblem)
        return;
    // Once, and the game runs on without the log.
    Dialogs::prepare();
    auto *box = new QMessageBox(QMessageBox::Warning, utf8(kTitle),
                                utf8(kUnusable).arg(m_log->path(), *m_logProblem), QMessageBox::Ok,
                                &m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    m_log.reset();
}

void Program::logRound(const RoundRecord &round)
{
    const Failure failure = m_log->append(round);
    if (!failure) {
        if (m_note)
            m_note->hide();
        return;
    }
    if (!m_note)
        m_note = std::make_unique<NoteWindow>(utf8(kTitle));
    m_note->showNote(utf8(kWaiting).arg(m_log->waiting()).arg(*failure));
}

void Program::finish()
{
    if (!m_log)
        return;
    const Failure failure = m_log->flush();
    if (!failure)
        return;
    const QString count = QString::number(m_log->waiting());
    printLine(utf8(kLostLine).arg(count, m_log->path(), *failure));
    Dialogs::prepare();
    QMessageBox::warning(nullptr, utf8(kTitle), utf8(kLost).arg(count, m_log->path(), *failure));
}

void Program::openChallenge()
{
    const ChallengeScreen *screen = m_screen.startChallenge();
    m_window.sync();
    if (!screen)
        return;
    m_run.open(*screen, m_screen.values(), &m_window)->showInFront(&m_window);
}
