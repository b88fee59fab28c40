// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/challengeboard.h"
#include "challenges/startvalues.h"
#include "ui/layouts.h"
#include "ui/windowbuilder.h"

#include <QDialog>
#include <QTimer>

#include <array>

class ChallengeModel;
class RoundHistory;

// The window of a challenge screen: built from its layout table, it turns
// clicks, key presses and the 7 ms timer into calls of the screen's rules and
// copies the state they leave onto its widgets. No rule lives here. Opening
// it loads the screen with the start screen's values.
class ChallengeWindow : public QDialog {
    Q_OBJECT
public:
    // The run's rounds are listed in the reports it opens.
    ChallengeWindow(ChallengeModel &model, const RoundHistory &history,
                    const Layouts::ScreenLayout &layout, const StartValues &start,
                    QWidget *parent = nullptr);
    ~ChallengeWindow() override;

    // One tick of Timer1, as the timer delivers it.
    void tick();

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void sync();
    void applyText(Control c);
    // Opening: enables and shows; otherwise disables and hides.
    void applyState(Control c, bool opening);

    void openReport();

    ChallengeModel &m_model;
    const RoundHistory &m_history;
    WindowBuilder m_builder;
    QTimer m_timer;
    std::array<QWidget *, kControlCount> m_widgets{};
    // A key held on Play again since the rules held it back: its repeats
    // are held back too.
    int m_heldKey = 0;
    bool m_closed = false;
    bool m_watchingScreen = false;
};
