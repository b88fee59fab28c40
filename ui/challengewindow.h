// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/challengeboard.h"
#include "challenges/startvalues.h"
#include "ui/boardview.h"
#include "ui/windowbuilder.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>

class ChallengeModel;
struct ClassRecords;
class QLabel;
class RoundHistory;

// The window of a challenge screen: built from its layout table, it turns
// clicks, key presses and the 7 ms timer into calls of the screen's rules and
// copies the state they leave onto its widgets. No rule lives here. Opening
// it loads the screen with the start screen's values.
class ChallengeWindow : public QDialog {
    Q_OBJECT
public:
    // The run's rounds are listed in the reports it opens, and the pupil's
    // progress is read from the class log where one is on.
    ChallengeWindow(ChallengeModel &model, const RoundHistory &history, const Layout::Table &layout,
                    const StartValues &start, const ClassRecords *records = nullptr,
                    QWidget *parent = nullptr);

    // Shows the window modally in front of its parent, the start window,
    // centred on the screen that holds that (not over the start window
    // wherever it was moved); returns when the pupil has left it.
    void showInFront();
    void setVisible(bool visible) override;

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    template <typename Widget> Widget *control(Control role) const;
    // One tick of Timer1.
    void tick();
    void sync();
    void openReport();
    void showNumLockNote(bool shown);
    void placeNumLockNote();

    ChallengeModel &m_model;
    const RoundHistory &m_history;
    const ClassRecords *m_records;
    WindowBuilder m_builder;
    BoardView<Control> m_view;
    QTimer m_timer;
    // Beside the answer box, not a control of the screen: shown while the
    // keypad sends keys without digits.
    QLabel *m_numLockNote = nullptr;
    // A key held on Play again or Start since the rules held it back: its
    // repeats are held back too.
    int m_heldKey = 0;
    // Play again is being pressed by Enter or Space, not by the mouse.
    bool m_keyOnPlayAgain = false;
    // Where the focus was before the report's link took it, to go back to
    // when the report closes.
    QPointer<QWidget> m_focusBeforeLink;
    bool m_closed = false;
    bool m_watchingScreen = false;
    bool m_placed = false;
};
