// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/roundhistory.h"
#include "classlog/classlogwriter.h"
#include "start/startscreen.h"
#include "ui/challengerun.h"
#include "ui/startwindow.h"

#include <memory>

class GameClock;
class NoteWindow;

// One run of the game: the start screen's rules and its window, the
// challenge screens it opens, the run's rounds and, where it is switched on,
// the class log. Every handler of the start screen runs here: the window
// reports, the rules decide, the window shows what they hold.
class Program {
public:
    // logPath: the class log's file, empty for none; outboxFolder: where
    // its rounds wait on this computer while the file cannot take them.
    Program(GameClock &clock, const QString &logPath = QString(),
            const QString &outboxFolder = QString());
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

    StartScreen m_screen;
    StartWindow m_window;
    RoundHistory m_history;
    ChallengeRun m_run;
    std::unique_ptr<ClassLogWriter> m_log;
    bool m_logUnusable = false;
    std::unique_ptr<NoteWindow> m_note;
};
