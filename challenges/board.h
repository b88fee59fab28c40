// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <bitset>
#include <optional>
#include <utility>

// The state of a screen's controls as its rules leave it, by role (an enum
// of the controls the rules write, ending in Count). The screen's window
// copies what changed onto its widgets after every handler.
template <typename Role> class Board {
public:
    static constexpr int kCount = static_cast<int>(Role::Count);

    struct State {
        QString text;
        bool enabled = true;
        bool visible = true;
    };
    // What the rules changed since the window last looked.
    struct Changes {
        std::bitset<kCount> texts;
        std::bitset<kCount> states;
        bool none() const { return texts.none() && states.none(); }
    };

    // Fresh controls, as a newly built window has them: each shows its
    // layout text until the rules write one.
    void reset()
    {
        m_controls.fill(State{});
        m_changes.texts.reset();
        m_changes.states.set();
        m_focus.reset();
    }

    const State &operator[](Role r) const { return m_controls[index(r)]; }
    bool enabled(Role r) const { return m_controls[index(r)].enabled; }

    // Every write of a text is passed on, also of the text a control already
    // had: an answer box's text changes as the pupil types, which the board
    // does not follow, so emptying it must reach the box each time.
    void setText(Role r, const QString &text)
    {
        m_controls[index(r)].text = text;
        m_changes.texts.set(index(r));
    }
    void setEnabled(Role r, bool enabled) { setState(r, &State::enabled, enabled); }
    void setVisible(Role r, bool visible) { setState(r, &State::visible, visible); }

    // The control that gets the keyboard focus; the role of the window
    // itself leaves it on no control.
    void requestFocus(Role r) { m_focus = r; }
    std::optional<Role> takeFocusRequest() { return std::exchange(m_focus, std::nullopt); }

    Changes takeChanges() { return std::exchange(m_changes, Changes{}); }

private:
    static std::size_t index(Role r) { return static_cast<std::size_t>(r); }
    void setState(Role r, bool State::*which, bool on)
    {
        State &s = m_controls[index(r)];
        if (s.*which == on)
            return;
        s.*which = on;
        m_changes.states.set(index(r));
    }

    std::array<State, kCount> m_controls{};
    Changes m_changes;
    std::optional<Role> m_focus;
};
