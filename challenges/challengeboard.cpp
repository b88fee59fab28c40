// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/challengeboard.h"

#include <utility>

namespace {

constexpr std::array<const char *, kControlCount> kNames{
    "",        "Label1",  "Label2",   "Label3",   "Label4",   "Label6",    "Label8",  "Label9(10)",
    "Label11", "Label12", "Label13",  "Label14",  "Label15",  "Label17",   "Label19", "Label21",
    "Label23", "Text1",   "Command1", "Command3", "Picture1", "lblReport",
};

} // namespace

const char *controlName(Control c)
{
    return kNames[static_cast<std::size_t>(c)];
}

void ChallengeBoard::reset()
{
    m_controls.fill(ControlState{});
    // New controls: each shows its layout text until the rules write it.
    m_changes.texts.reset();
    m_changes.states.set();
    m_focus.reset();
    m_timerEnabled = false;
}

void ChallengeBoard::setText(Control c, const QString &text)
{
    ControlState &s = m_controls[index(c)];
    s.text = text;
    s.textWritten = true;
    m_changes.texts.set(index(c));
}

void ChallengeBoard::setEnabled(Control c, bool enabled)
{
    ControlState &s = m_controls[index(c)];
    if (s.enabled == enabled)
        return;
    s.enabled = enabled;
    m_changes.states.set(index(c));
}

void ChallengeBoard::setVisible(Control c, bool visible)
{
    ControlState &s = m_controls[index(c)];
    if (s.visible == visible)
        return;
    s.visible = visible;
    m_changes.states.set(index(c));
}

std::optional<Control> ChallengeBoard::takeFocusRequest()
{
    std::optional<Control> f = m_focus;
    m_focus.reset();
    return f;
}

BoardChanges ChallengeBoard::takeChanges()
{
    return std::exchange(m_changes, BoardChanges{});
}
