// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/leveltable.h"

#include "challenges/board.h"
#include "challenges/startvalues.h"

#include <QString>
#include <QUrl>

struct ChallengeScreen;

// The controls of the start screen that its rules write, by their design
// names; the level buttons all play one role, each for its level.
enum class StartControl : int {
    Window,      // the window's title
    Label1,      // the maker's link
    Label3,      // the competition platform's link
    Label5,      // subtitle
    Label9,      // level display
    Label11,     // planning credit
    Label12,     // design credit
    Label25,     // rule line of the chosen level
    Text1,       // name box
    Command0,    // start button
    Command1,    // exit button
    LevelButton, // Label13 ... Label21
    Count
};

// The start screen's rules and the state of the controls they write. The
// challenge screens read GameLevel and StudentName from here when they open.
class StartScreen {
public:
    // Start-up steps after the single-instance guard.
    void load();
    // Click on the level button of level n.
    void chooseLevel(int n);
    // Every change of the name box, by typing, pasting or by the program.
    void nameChanged(const QString &text);
    // Enter in the name box.
    void confirmName();
    // Click on the start button: the screen to open for the chosen level,
    // none for a level without one.
    const ChallengeScreen *startChallenge();

    // The public properties the challenge screens read.
    StartValues values() const { return {m_GameLevel, m_StudentName}; }

    Board<StartControl> &board() { return m_board; }
    const Board<StartControl> &board() const { return m_board; }

    // The page a link label opens.
    static QUrl linkTarget(StartControl link);

private:
    void cutName();

    qint16 m_GameLevel = 0;
    QString m_StudentName;
    // What the name box and the level display show.
    QString m_nameText;
    QString m_levelDisplay = QString::number(LevelTable::kFirstLevel);
    Board<StartControl> m_board;
};
