// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/timedchallengemodel.h"

#include "challenges/challengetexts.h"
#include "challenges/leveltable.h"
#include "core/gameclock.h"
#include "core/timetext.h"

using namespace ChallengeTexts;

void TimedChallengeModel::load(const StartValues &start)
{
    loadCommon(QString::fromUtf8(kCaption), start);
    loadOwnFields(start);
    ResetRound();
    const int level = start.GameLevel;
    m_board.setText(Control::Label19, LevelTable::challengeRuleLine(level));
    m_board.setText(Control::Label15, LevelTable::limitMinutesCaption(level));
    // The start screen cannot change the level while this screen is open.
    m_limit = LevelTable::limitMilliseconds(level);
    m_Expected = 0;
    m_board.setTimerEnabled(false);
    m_Started = false;
    m_timeUp = false;
    // Keys typed before Start would be judged with no clock running: the box
    // opens only with a round.
    m_board.setEnabled(Control::Text1, false);
    finishLoad();
}

void TimedChallengeModel::start()
{
    // Once the limit is used up no round can begin until the screen is opened
    // again: such a round would run with no clock and no limit.
    if (m_timeUp || !m_board.enabled(Control::Command1))
        return;
    if (!m_Started) {
        m_Started = true;
        m_LimitStart = readClock();
        m_RoundStart = m_LimitStart;
        m_board.setTimerEnabled(true);
    } else {
        m_RoundStart = readClock();
    }
    m_RoundOver = false;
    beginRound();
    m_board.setText(Control::Label1, QString());
    m_board.setEnabled(Control::Text1, true);
    m_Expected += 1;
    m_board.setText(Control::Text1, QString());
    m_board.setEnabled(Control::Command1, false);
}

void TimedChallengeModel::playAgain()
{
    ResetRound();
    m_board.setText(Control::Label4, QString());
    m_Expected = 0;
    m_board.setEnabled(Control::Command3, false);
    m_board.setText(Control::Label2, QString::fromUtf8(kZeroZero));
    m_board.setText(Control::Label11, QString::fromUtf8(kZeroZero));
    m_board.setVisible(Control::Text1, true);
    if (m_timeUp) {
        // The board is cleared, but the limit is over: Start stays closed, the
        // message still says why, and the focus stays off the buttons, so that
        // a late Enter or Space leaves the screen as it is.
        m_board.setEnabled(Control::Command1, false);
        m_board.setText(Control::Label1, QString::fromUtf8(kTimeUp));
        m_board.requestFocus(Control::Window);
        return;
    }
    m_board.setEnabled(Control::Command1, true);
    m_board.requestFocus(Control::Command1);
}

void TimedChallengeModel::tick()
{
    if (!m_board.timerEnabled())
        return;
    const qint64 tickTime = readClock();
    m_RoundElapsed = clockDifference(tickTime, m_RoundStart);
    if (!m_RoundOver) {
        const TimeText::Split elapsed = TimeText::splitElapsed(m_RoundElapsed);
        m_board.setText(Control::Label2, TimeText::formatTwoDigits(elapsed.seconds));
        m_board.setText(Control::Label11, TimeText::formatTwoDigits(elapsed.hundredths));
    }
    const qint64 left = m_limit - clockDifference(tickTime, m_LimitStart) - countdownShift();
    if (left < 0) {
        endLimit();
        return;
    }
    const TimeText::Split remaining = TimeText::splitRemaining(left);
    m_board.setText(Control::Label15, TimeText::formatMinutes(remaining.minutes));
    m_board.setText(Control::Label14, TimeText::formatTwoDigits(remaining.seconds));
    m_board.setText(Control::Label13, TimeText::formatTwoDigits(remaining.hundredths));
}

void TimedChallengeModel::endRound()
{
    m_board.setEnabled(Control::Text1, false);
    m_RoundOver = true;
}

void TimedChallengeModel::endLimit()
{
    m_timeUp = true;
    if (roundRunning())
        finishRound(RoundEnding::TimeUp);
    // A pupil may still be typing: the focus leaves the answer box for the
    // window itself, never for a button that his next Enter would press.
    m_board.requestFocus(Control::Window);
    m_board.setEnabled(Control::Text1, false);
    m_board.setTimerEnabled(false);
    m_board.setEnabled(Control::Command1, false);
    offerPlayAgain(false);
    m_board.setText(Control::Label13, QString::fromUtf8(kZeroZero));
    m_board.setText(Control::Label1, QString::fromUtf8(kTimeUp));
}
