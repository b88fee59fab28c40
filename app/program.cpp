// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program.h"

#include "app/terminal.h"
#include "classlog/classlogtexts.h"
#include "classlog/filethread.h"
#include "core/text.h"
#include "ui/challengewindow.h"
#include "ui/dialogs.h"
#include "ui/notewindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>

using namespace ClassLogTexts;

namespace {

void printLine(const QString &line)
{
    Terminal::print(stderr, line + QLatin1Char('\n'));
}

} // namespace

Program::Program(GameClock &clock, const QString &logPath, const QString &outboxFolder,
                 const QString &rosterPath)
    : m_window(m_screen), m_records{logPath.isEmpty() ? QStringList() : QStringList{logPath}, {}},
      m_run(clock, m_history, logPath.isEmpty() ? nullptr : &m_records)
{
    if (!logPath.isEmpty()) {
        // The answer of the check comes when the folder gives it; the start
        // window does not wait for it, nor a round's end for its line.
        m_log = std::make_unique<ClassLogWriter>(logPath, outboxFolder);
        QObject::connect(m_log.get(), &ClassLogWriter::checked, &m_window,
                         [this](const Failure &problem) { logChecked(problem); });
        QObject::connect(m_log.get(), &ClassLogWriter::written, &m_window,
                         [this](const Failure &failure, bool busy) { logWritten(failure, busy); });
        QObject::connect(m_log.get(), &ClassLogWriter::notAnswering, &m_window, [this] {
            showNote(translated(kNotAnswering).arg(m_log->unwritten()).arg(waitingWhere()));
        });
        m_log->start();
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
    if (!rosterPath.isEmpty())
        readRoster(rosterPath);
    m_screen.load();
    m_window.sync();
}

Program::~Program()
{
    if (m_rosterThread)
        FileThread::end(m_rosterThread, !m_rosterRead);
}

void Program::readRoster(const QString &path)
{
    m_rosterThread = new FileThread;
    QObject::connect(m_rosterThread, &FileThread::replied, &m_window,
                     [](const FileThread::Job &apply) { apply(); });
    m_rosterThread->start();
    m_rosterThread->post([this, path, thread = m_rosterThread] {
        Failure failure;
        ClassList list = ClassList::read(path, &failure);
        thread->reply([this, path, list, failure] {
            m_rosterRead = true;
            if (failure)
                printLine(translated(kRosterUnreadableLine)
                              .arg(QDir::toNativeSeparators(path), *failure));
            m_records.list = list;
            m_window.offerNames(list);
        });
    });
}

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
    printLine(translated(kUnusableLine).arg(path, *problem));
    Dialogs::prepare();
    auto *box =
        new QMessageBox(QMessageBox::Warning, translated(kTitle),
                        translated(kUnusable).arg(path, *problem), QMessageBox::Ok, &m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Program::logWritten(const Failure &failure, bool busy)
{
    if (!failure) {
        if (m_note)
            m_note->hide();
    } else if (busy) {
        showNote(translated(kInUseNote).arg(m_log->unwritten()).arg(waitingWhere()));
    } else {
        showNote(translated(kWaiting).arg(m_log->unwritten()).arg(waitingWhere(), *failure));
    }
}

QString Program::waitingWhere() const
{
    return translated(m_log->keepsHere() ? kKeptHere : kKeptInMemory);
}

void Program::showNote(const QString &text)
{
    if (!m_note)
        m_note = std::make_unique<NoteWindow>(translated(kTitle));
    m_note->showNote(text);
}

bool Program::finish()
{
    if (!m_log)
        return true;
    // The message at the end says what the note said, and more.
    if (m_note)
        m_note->hide();
    const ClassLogWriter::Left left = m_log->finish(kClassLogFinishMs);
    const QString path = QDir::toNativeSeparators(m_log->path());
    const QString outbox = QDir::toNativeSeparators(m_log->outboxFolder());
    QStringList said;
    if (left.kept > 0) {
        const QString count = QString::number(left.kept);
        printLine(translated(kKeptLine).arg(count, path, left.reason, outbox));
        said << translated(kKept).arg(count, path, left.reason, outbox);
    }
    if (left.lost > 0) {
        const QString count = QString::number(left.lost);
        const QString reason =
            left.outboxReason.isEmpty()
                ? left.reason
                : translated(kNotKeptHere).arg(left.reason, outbox, left.outboxReason);
        printLine(translated(kLostLine).arg(count, path, reason));
        said << translated(kLost).arg(count, path, reason);
    }
    if (!said.isEmpty()) {
        Dialogs::prepare();
        QMessageBox::warning(nullptr, translated(kTitle), said.join(QStringLiteral("\n\n")));
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
