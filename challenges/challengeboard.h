// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/board.h"

// The controls of a challenge screen that its rules write or hear from. Each
// screen's layout table says which of its controls plays which; controls the
// rules have nothing to do with (title, headings, units, separators) play
// none.
enum class Control : int {
    Window,    // the window: its title; as the focus, the window itself and no control
    Label1,    // message line
    Label2,    // lower clock row, seconds: of the round (Form9: since the last key)
    Label3,    // level number
    Label4,    // last accepted number
    Label6,    // best result (Form789: best number reached; Form9: best count)
    Label8,    // pupil's name
    Mark,      // Label9(10): mark of the last answer, "√", "×" or nothing
    Label11,   // lower clock row, hundredths
    Label12,   // school
    Label13,   // upper clock row, hundredths: of the time left (Form9: of the duration)
    Label14,   // upper clock row, seconds: of the time left (Form9: of the duration)
    Label15,   // upper clock row, minutes of the time left (Form9: blank)
    Label17,   // ":" after the minutes (Form9: blank)
    Label19,   // rule line of the level
    Label21,   // Form9: best round's duration, whole seconds
    Label23,   // Form9: best round's duration, hundredths
    Text1,     // answer box
    Command1,  // Start
    Command3,  // Play again
    Command2,  // Back
    Picture1,  // Form1: success picture
    lblReport, // the link to the report of the round that has just ended
    Count
};

using BoardChanges = Board<Control>::Changes;

// A challenge screen's board: its controls and its 7 ms timer.
class ChallengeBoard : public Board<Control> {
public:
    void reset()
    {
        Board<Control>::reset();
        m_timerEnabled = false;
    }
    bool timerEnabled() const { return m_timerEnabled; }
    void setTimerEnabled(bool on) { m_timerEnabled = on; }

private:
    bool m_timerEnabled = false;
};
