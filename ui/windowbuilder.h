// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/layout.h"

#include <QRect>
#include <QSize>

#include <utility>
#include <vector>

class QScreen;
class QWidget;

// Builds a window's controls from its layout table, one widget per row, each
// named as the design names it, styled as its row says and in the table's tab
// order; then keeps them placed at the window's scale of the design. It knows
// which widget plays which role for the screen's rules.
class WindowBuilder {
public:
    WindowBuilder(QWidget *window, const Layout::Table &table);

    // The window's size at the design's scale.
    QSize designSize() const;
    // Where the window's client area goes on this screen, asked once its
    // native window exists and before it shows: centred in the screen's free area, at the design's
    // size, or where that and the window's frame would not fit there, at the largest size of the
    // design's proportions that does.
    QRect placeOnScreen(const QScreen &screen) const;
    // Places, sizes and sets the fonts of every control for a window of this
    // size: the design scaled to fit and centred, keeping its proportions
    // (letterboxed where they differ). Pictures are drawn again for it.
    void fit(QSize windowSize);
    // Draws the pictures again at the window's pixel density (after a move
    // to another screen).
    void refreshPictures();

    // The widget that plays a role; null where none does.
    QWidget *widget(int role) const;
    // Every widget that plays a role, with its row (the start screen's level
    // buttons all play one).
    std::vector<std::pair<const Layout::Row *, QWidget *>> playing(int role) const;

private:
    QWidget *m_window;
    const Layout::Table &m_table;
    // In the order of the table's rows.
    std::vector<QWidget *> m_widgets;
    double m_scale = 1.0;
};
