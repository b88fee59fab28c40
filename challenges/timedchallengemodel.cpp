// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/timedchallengemodel.h"

#include "challenges/challengetexts.h"
#include "challenges/leveltable.h"
#include "core/gameclock.h"
#include "core/text.h"
#include "core/timetext.h"

using namespace ChallengeTexts;

void TimedChallengeModel::load(const StartValues &start)
{
    loadCommon(utf8(kCaption), start);
    loadOwnFields(start);
    ResetRound();
    const int level = start.GameLevel;
    board().setText(Control::Label19, LevelTable::challengeRuleLine(level));
    board().setText(Control::Label15, LevelTable::limitMinutesCaption(level));
    // The start screen cannot change the level while this screen is open.
    m_limit = LevelTable::limitMilliseconds(level);
    setExpected(0);
    board().setTimerEnabled(false);
    m_Started = false;
    m_timeUp = false;
    // Keys typed before Start would be judged with no clock running: the box
    // opens only with a round.
    board().setEnabled(Control::Text1, false);
    finishLoad();
}

void TimedChallengeModel::start()
{
    // Once the limit is used up no round can begin until the screen is opened
    // again: such a round would run with no clock and no limit.
    if (m_timeUp || !board().enabled(Control::Command1))
        return;
    if (!m_Started) {
        m_Started = true;
        m_LimitStart = readClock();
        setRoundStart(m_LimitStart);
        board().setTimerEnabled(true);
    } else {
        setRoundStart(readClock());
    }
    m_RoundOver = false;
    beginRound();
    board().setText(Control::Label1, QString());
    board().setEnabled(Control::Text1, true);
    setExpected(expected() + 1);
    board().setText(Control::Text1, QString());
    board().setEnabled(Control::Command1, false);
}

void TimedChallengeModel::playAgain()
{
    ResetRound();
    board().setText(Control::Label4, QString());
    setExpected(0);
    board().setEnabled(Control::Command3, false);
    board().setText(Control::Label2, utf8(kZeroZero));
    board().setText(Control::Label11, utf8(kZeroZero));
    board().setVisible(Control::Text1, true);
    if (m_timeUp) {
        // The board is cleared, but the limit is over: Start stays closed, the
        // message still says why, and the focus stays off the buttons, so that
        // a late Enter or Space leaves the screen as it is.
        board().setEnabled(Control::Command1, false);
        board().setText(Control::Label1, translated(kTimeUp));
        board().requestFocus(Control::Window);
        return;
    }
    board().setEnabled(Control::Command1, true);
    board().requestFocus(Control::Command1);
}

void TimedChallengeModel::tick()
{
    if (!board().timerEnabled())
        return;
    const qint64 tickTime = readClock();
    m_RoundElapsed = clockDifference(tickTime, roundStart());
    if (!m_RoundOver) {
        const TimeText::Split elapsed = TimeText::splitElapsed(m_RoundElapsed);
        board().setText(Control::Label2, TimeText::formatTwoDigits(elapsed.seconds));
        board().setText(Control::Label11, TimeText::formatTwoDigits(elapsed.hundredths));
    }
    const qint64 left = m_limit - clockDifference(tickTime, m_LimitStart) - countdownShift();
    if (left < 0) {
        endLimit();
        return;
    }
    const TimeText::Split remaining = TimeText::splitRemaining(left);
    board().setText(Control::Label15, TimeText::formatMinutes(remaining.minutes));
    board().setText(Control::Label14, TimeText::formatTwoDigits(remaining.seconds));
    board().setText(Control::Label13, TimeText::formatTwoDigits(remaining.hundredths));
}

void TimedChallengeModel::endRound()
{
    board().setEnabled(Control::Text1, false);
    m_RoundOver = true;
}

void TimedChallengeModel::endLimit()
{
    m_timeUp = true;
    if (roundRunning())
        finishRound(RoundEnding::TimeUp);
    // A pupil may still be typing: the focus leaves the answer box for the
    // window itself, never for a button that his next Enter would press.
    board().requestFocus(Control::Window);
    board().setEnabled(Control::Text1, false);
    board().setTimerEnabled(false);
    board().setEnabled(Control::Command1, false);
    offerPlayAgain(false);
    board().setText(Control::Label13, utf8(kZeroZero));
    board().setText(Control::Label1, translated(kTimeUp));
}
