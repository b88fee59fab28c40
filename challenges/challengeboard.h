// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <bitset>
#include <optional>

// The controls of a challenge screen that its rules write, by their design
// names. Controls whose texts never change (title, headings, units,
// separators, Back) are not here.
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
    Picture1,  // Form1: success picture
    lblReport, // the link to the report of the round that has just ended
    Count
};

inline constexpr int kControlCount = static_cast<int>(Control::Count);

// The control's name as the windows give it to their widgets.
const char *controlName(Control c);

// What the rules changed since the window last looked.
struct BoardChanges {
    // Controls whose text the rules wrote.
    std::bitset<kControlCount> texts;
    // Controls the rules enabled, disabled, showed or hid.
    std::bitset<kControlCount> states;

    bool none() const { return texts.none() && states.none(); }
};

struct ControlState {
    QString text;
    bool textWritten = false; // false: the control still shows its layout text
    bool enabled = true;
    bool visible = true;
};

// The state of a challenge screen's controls as its rules left it. The window
// copies what the rules wrote onto its widgets after every handler.
class ChallengeBoard {
public:
    // Fresh controls, as a newly opened window has them.
    void reset();

    const ControlState &operator[](Control c) const { return m_controls[index(c)]; }
    QString text(Control c) const { return m_controls[index(c)].text; }
    bool enabled(Control c) const { return m_controls[index(c)].enabled; }
    bool visible(Control c) const { return m_controls[index(c)].visible; }

    // Every write of a text is passed on, also of the text a control
    // already had: the answer box's text changes as the pupil types, which
    // the board does not follow, so emptying it must reach the box each time.
    void setText(Control c, const QString &text);
    void setEnabled(Control c, bool enabled);
    void setVisible(Control c, bool visible);

    // The control that gets the keyboard focus; Control::Window leaves it on
    // no control.
    void requestFocus(Control c) { m_focus = c; }
    std::optional<Control> takeFocusRequest();

    bool timerEnabled() const { return m_timerEnabled; }
    void setTimerEnabled(bool on) { m_timerEnabled = on; }

    // What changed since the last call.
    BoardChanges takeChanges();

private:
    static std::size_t index(Control c) { return static_cast<std::size_t>(c); }

    std::array<ControlState, kControlCount> m_controls{};
    BoardChanges m_changes;
    std::optional<Control> m_focus;
    bool m_timerEnabled = false;
};
