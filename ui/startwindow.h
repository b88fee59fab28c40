// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "start/startscreen.h"
#include "ui/boardview.h"
#include "ui/windowbuilder.h"

#include <QWidget>

class ClassList;
class QCompleter;
class QLineEdit;

// form0: the start window, built from its layout table. It passes what the
// pupil does (a level button, the name box, Enter in it) to the start
// screen's rules and shows what they hold; the start button and the links
// it reports. The exit button closes it, which ends the program.
class StartWindow : public QWidget {
    Q_OBJECT
public:
    explicit StartWindow(StartScreen &rules, QWidget *parent = nullptr);

    // Copies what the rules changed onto the widgets.
    void sync();
    // While the pupil types his name, the name box offers the names of the
    // class list that begin so, or whose class number does; one picked is
    // put into the box as if typed. The box's own Enter stays the design's.
    void offerNames(const ClassList &list);
    // Shown the first time, the window is centred on its screen, the design
    // scaled down where it would not fit.
    void setVisible(bool visible) override;

signals:
    void startClicked();
    // A click on a link label.
    void linkClicked(StartControl link);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void chooseLevel(int level);

    StartScreen &m_rules;
    WindowBuilder m_builder;
    BoardView<StartControl> m_view;
    QLineEdit *m_name = nullptr;
    QCompleter *m_names = nullptr;
    bool m_syncing = false;
    bool m_placed = false;
};
