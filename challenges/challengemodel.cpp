#include "challenges/challengemodel.h"

#include "app/startscreen.h"
#include "challenges/challengetexts.h"
#include "core/gameclock.h"
#include "core/timetext.h"

ChallengeModel::ChallengeModel(GameClock &clock, const StartScreen &startScreen)
    : m_start(startScreen), m_clock(clock)
{
}

void ChallengeModel::back()
{
    m_board.setTimerEnabled(false);
}

void ChallengeModel::loadCommon(const QString &caption)
{
    m_board.reset();
    m_board.setText(Control::Caption, caption);
    m_board.setText(Control::Label3, TimeText::plain(m_start.gameLevel()));
    m_board.setText(Control::Label8, m_start.studentName());
    m_board.setText(Control::Label12, m_start.school());
    m_board.setText(Control::Label4, QString());
    m_board.setText(Control::Label6, QString());
    m_board.setVisible(Control::Command3, false);
}

void ChallengeModel::resetRoundCommon()
{
    m_board.setText(Control::Mark, QString());
    m_Expected = 0;
    m_board.setText(Control::Text1, QString());
    m_board.setText(Control::Label1, QString::fromUtf8(ChallengeTexts::kOneSpace));
    m_board.setText(Control::Label4, QString());
    m_board.setEnabled(Control::Command1, true);
    m_board.setVisible(Control::Command1, true);
}

void ChallengeModel::offerPlayAgain(bool focus)
{
    m_board.setVisible(Control::Command3, true);
    m_board.setEnabled(Control::Command3, true);
    if (focus)
        m_board.requestFocus(Control::Command3);
}

double ChallengeModel::readClock()
{
    return m_clock.readClock();
}
