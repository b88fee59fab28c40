// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "e2e.h"

#include <QObject>

#include <memory>

// The frame of every end-to-end test program: one desktop for all its tests
// and, for each test, a fresh copy of the game showing its start window.
class GameSuite : public QObject {
    Q_OBJECT
protected:
    // Runs once the start window shows, before each test.
    virtual void prepare() {}
    // Drops what a test held of the game, before the game ends.
    virtual void forget() {}

    Desktop m_desktop;
    std::unique_ptr<Game> m_game;
    Accessible m_startWindow;

private slots:
    void initTestCase();
    // A failed init() skips cleanup(): the last game ends here at the latest.
    void cleanupTestCase() { cleanup(); }
    void init();
    void cleanup();
};

// A suite whose tests each play on the challenge window of one level.
class ChallengeSuite : public GameSuite {
    Q_OBJECT
public:
    explicit ChallengeSuite(int level) : m_level(level) {}

protected:
    void prepare() override;
    void forget() override;

    // A control of the challenge window by its accessible name.
    Accessible control(const char *name) const;
    // After a round has ended: once the moment in which the keys cannot
    // press it has passed, Enter on the focused Play again clears the board
    // and moves to Start, and Enter there, after the same moment, starts the
    // next round.
    void playAgainWithKeys();
    // Waits out that moment.
    static void waitForPlayAgainKeys();

    Accessible m_form, m_box, m_mark, m_message, m_last, m_best, m_start, m_again;

private:
    int m_level;
};
