// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/challengemodel.h"

#include "challenges/challengetexts.h"
#include "core/gameclock.h"
#include "core/timetext.h"

ChallengeModel::ChallengeModel(GameClock &clock) : m_clock(clock) {}

void ChallengeModel::back()
{
    m_board.setTimerEnabled(false);
}

void ChallengeModel::loadCommon(const QString &caption, const StartValues &start)
{
    m_board.reset();
    m_board.setText(Control::Window, caption);
    m_board.setText(Control::Label3, TimeText::plain(start.GameLevel));
    m_board.setText(Control::Label8, start.StudentName);
    m_board.setText(Control::Label12, start.School);
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

qint64 ChallengeModel::readClock()
{
    return m_clock.readClock();
}
