// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/roundhistory.h"
#include "classlog/classlist.h"
#include "classlog/classlogwriter.h"
#include "start/startscreen.h"
#include "ui/challengerun.h"
#include "ui/startwindow.h"

#include <memory>

class FileThread;
class GameClock;
class NoteWindow;

// One run of the game: the start screen's rules and its window, the
// challenge screens it opens, the run's rounds and, where it is switched on,
// the class log. Every handler of the start screen runs here: the window
// reports, the rules decide, the window shows what they hold.
class Program {
public:
    // logPath: the class log's file, empty for none; outboxFolder: where
    // its rounds wait on this computer while the file cannot take them;
    // rosterPath: the class list, empty for none.
    Program(GameClock &clock, const QString &logPath = QString(),
            const QString &outboxFolder = QString(), const QString &rosterPath = QString());
    ~Program();

    // Shows the start window, and tells of a class log that cannot be used.
    void showStartWindow();
    // Another start of the game while this one runs: its windows come to
    // the front, restored where they were minimised.
    void bringToFront();
    // At the end of the run: a last attempt at rounds that wait for the
    // class log; says where those wait that could not be written. False
    // when the log's folder still hangs: the process must then end without
    // waiting for it.
    [[nodiscard]] bool finish();

private:
    void logChecked(const Failure &problem);
    void logWritten(const Failure &failure, bool busy);
    void showNote(const QString &text);
    // Where the rounds that wait for the class log are, in the note's words.
    QString waitingWhere() const;
    void openChallenge();
    // The class list is read off the start window's thread: it may lie on
    // the same slow share as the log.
    void readRoster(const QString &path);

    StartScreen m_screen;
    StartWindow m_window;
    RoundHistory m_history;
    // The reports' view of the class log; the list arrives once read.
    ClassRecords m_records;
    ChallengeRun m_run;
    std::unique_ptr<ClassLogWriter> m_log;
    bool m_logUnusable = false;
    std::unique_ptr<NoteWindow> m_note;
    FileThread *m_rosterThread = nullptr;
    bool m_rosterRead = false;
};
