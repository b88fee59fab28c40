#include "challenges/timedchallengemodel.h"

#include "app/leveltable.h"
#include "app/startscreen.h"
#include "challenges/challengetexts.h"
#include "core/gameclock.h"
#include "core/timetext.h"

using namespace ChallengeTexts;

void TimedChallengeModel::load()
{
    loadCommon(QString::fromUtf8(kCaption));
    loadOwnFields();
    ResetRound();
    const int level = m_start.gameLevel();
    m_board.setText(Control::Label19, LevelTable::challengeRuleLine(level));
    m_board.setText(Control::Label15, LevelTable::limitMinutesCaption(level));
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
        // The board is cleared, but the limit is over: Start stays closed and
        // the message still says why.
        m_board.setEnabled(Control::Command1, false);
        m_board.setText(Control::Label1, QString::fromUtf8(kTimeUp));
        return;
    }
    m_board.setEnabled(Control::Command1, true);
    m_board.requestFocus(Control::Command1);
}

void TimedChallengeModel::tick()
{
    if (!m_board.timerEnabled())
        return;
    m_TickTime = readClock();
    m_RoundElapsed = clockDifference(m_TickTime, m_RoundStart);
    if (!m_RoundOver) {
        const TimeText::Split e = TimeText::splitElapsed(m_RoundElapsed);
        m_ShownSeconds = e.seconds;
        m_ShownHundredths = e.hundredths;
        m_board.setText(Control::Label2, TimeText::formatTwoDigits(m_ShownSeconds));
        m_board.setText(Control::Label11, TimeText::formatTwoDigits(m_ShownHundredths));
    }
    const qint64 limit = LevelTable::limitMilliseconds(m_start.gameLevel());
    const qint64 left = limit - clockDifference(m_TickTime, m_LimitStart) - countdownShift();
    if (left < 0) {
        endLimit();
        return;
    }
    const TimeText::Split r = TimeText::splitRemaining(left);
    m_ShownMinutes = r.minutes;
    m_ShownSeconds = r.seconds;
    m_ShownHundredths = r.hundredths;
    m_board.setText(Control::Label15, TimeText::formatMinutes(m_ShownMinutes));
    m_board.setText(Control::Label14, TimeText::formatTwoDigits(m_ShownSeconds));
    m_board.setText(Control::Label13, TimeText::formatTwoDigits(m_ShownHundredths));
}

void TimedChallengeModel::endRound()
{
    m_board.setEnabled(Control::Text1, false);
    m_RoundOver = true;
}

void TimedChallengeModel::endLimit()
{
    m_timeUp = true;
    m_board.setEnabled(Control::Text1, false);
    m_board.setTimerEnabled(false);
    m_board.setEnabled(Control::Command1, false);
    offerPlayAgain(false);
    m_board.setText(Control::Label13, QString::fromUtf8(kZeroZero));
    m_board.setText(Control::Label1, QString::fromUtf8(kTimeUp));
}
