// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/board.h"
#include "ui/windowbuilder.h"

#include <QWidget>

#include <array>

namespace BoardViewDetail {
// What a text written by the rules does to a widget: a window's title, a
// label's text (told to screen readers), a text box's text.
void showText(QWidget *widget, bool window, const QString &text);
void open(QWidget *widget, bool enabled, bool visible);
void close(QWidget *widget, bool enabled, bool visible);
} // namespace BoardViewDetail

// A window's view of its rules' board: the widget of each role, taken once
// from the layout table (role 0 is the window itself), and the copying of
// what the rules changed onto them.
template <typename Role> class BoardView {
public:
    BoardView(QWidget *window, const WindowBuilder &builder)
    {
        m_widgets[0] = window;
        for (int r = 1; r < Board<Role>::kCount; ++r)
            m_widgets[std::size_t(r)] = builder.widget(r);
    }

    QWidget *widget(Role r) const { return m_widgets[std::size_t(r)]; }

    // Controls are opened before others are closed, and the focus is placed
    // in between: a control that loses the focus by being closed would pass
    // it to the next open one in the tab order, which is what the rules ask
    // for everywhere except where they place the focus themselves.
    void apply(Board<Role> &board)
    {
        const auto changes = board.takeChanges();
        for (std::size_t i = 0; i < m_widgets.size(); ++i) {
            if (!m_widgets[i])
                continue;
            const auto &state = board[Role(i)];
            if (changes.texts.test(i))
                BoardViewDetail::showText(m_widgets[i], i == 0, state.text);
            if (changes.states.test(i) && i != 0)
                BoardViewDetail::open(m_widgets[i], state.enabled, state.visible);
        }
        if (const auto focus = board.takeFocusRequest()) {
            if (QWidget *w = m_widgets[std::size_t(*focus)])
                w->setFocus(Qt::OtherFocusReason);
        }
        for (std::size_t i = 1; i < m_widgets.size(); ++i) {
            const auto &state = board[Role(i)];
            if (m_widgets[i] && changes.states.test(i))
                BoardViewDetail::close(m_widgets[i], state.enabled, state.visible);
        }
    }

private:
    std::array<QWidget *, Board<Role>::kCount> m_widgets{};
};
