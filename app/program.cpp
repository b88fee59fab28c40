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

#include <QApplication>
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
        // The answer of the check comes when the folder gives it; the start
        // window does not wait for it, nor a round's end for its line.
        m_log = std::make_unique<ClassLogWriter>(logPath);
        QObject::connect(m_log.get(), &ClassLogWriter::checked, &m_window,
                         [this](const Failure &problem) { logChecked(problem); });
        QObject::connect(m_log.get(), &ClassLogWriter::written, &m_window,
                         [this](const Failure &failure) { logWritten(failure); });
        QObject::connect(m_log.get(), &ClassLogWriter::notAnswering, &m_window,
                         [this] { showNote(utf8(kNotAnswering).arg(m_log->unwritten())); });
        m_log->check();
        m_history.listen([this](const RoundRecord &round) {
            if (!m_logUnusable)
                m_log->append(round);
        });
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
}

void Program::bringToFront()
{
    // The start window and, in front of it, what it has open: a challenge,
    // its report, a message; each raised after the one it stands on.
    QWidgetList windows;
    for (QWidget *w = QApplication::activeModalWidget(); w; w = w->parentWidget())
        windows.prepend(w->window());
    if (windows.isEmpty())
        windows << &m_window;
    for (QWidget *w : std::as_const(windows)) {
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
        w->raise();
        w->activateWindow();
    }
}

void Program::logChecked(const Failure &problem)
{
    if (!problem)
        return;
    // Once, and the game runs on without the log.
    const QString path = m_log->path();
    m_logUnusable = true;
    if (m_note)
        m_note->hide();
    printLine(utf8(kUnusableLine).arg(path, *problem));
    Dialogs::prepare();
    auto *box = new QMessageBox(QMessageBox::Warning, utf8(kTitle),
                                utf8(kUnusable).arg(path, *problem), QMessageBox::Ok, &m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Program::logWritten(const Failure &failure)
{
    if (failure)
        showNote(utf8(kWaiting).arg(m_log->unwritten()).arg(*failure));
    else if (m_note)
        m_note->hide();
}

void Program::showNote(const QString &text)
{
    if (!m_note)
        m_note = std::make_unique<NoteWindow>(utf8(kTitle));
    m_note->showNote(text);
}

bool Program::finish()
{
    if (!m_log)
        return true;
    const ClassLogWriter::Left left = m_log->finish(kClassLogFinishMs);
    if (left.rounds > 0) {
        const QString count = QString::number(left.rounds);
        printLine(utf8(kLostLine).arg(count, m_log->path(), left.reason));
        Dialogs::prepare();
        QMessageBox::warning(nullptr, utf8(kTitle),
                             utf8(kLost).arg(count, m_log->path(), left.reason));
    }
    return !m_log->hanging();
}

void Program::openChallenge()
{
    const ChallengeScreen *screen = m_screen.startChallenge();
    m_window.sync();
    if (!screen)
        return;
    m_run.open(*screen, m_screen.values(), &m_window)->showInFront();
}
