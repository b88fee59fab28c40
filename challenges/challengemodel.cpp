// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/challengemodel.h"

#include "challenges/challengetexts.h"
#include "challenges/roundhistory.h"
#include "core/gameclock.h"
#include "core/text.h"
#include "core/timetext.h"

ChallengeModel::ChallengeModel(GameClock &clock, RoundHistory &history)
    : m_clock(clock), m_history(history)
{
}

void ChallengeModel::back()
{
    if (roundRunning())
        finishRound(RoundEnding::Back);
    m_board.setTimerEnabled(false);
}

bool ChallengeModel::keysMayPress(Control button)
{
    if (m_heldKeys && clockDifference(readClock(), m_heldKeys->since) >= kKeyDelayMs)
        m_heldKeys.reset();
    return !m_heldKeys || m_heldKeys->button != button;
}

void ChallengeModel::playedAgainByKey()
{
    m_heldKeys = HeldKeys{Control::Command1, readClock()};
}

void ChallengeModel::loadCommon(const QString &caption, const StartValues &start)
{
    m_board.reset();
    m_start = start;
    m_lastRound = nullptr;
    m_heldKeys.reset();
    m_board.setVisible(Control::lblReport, false);
    m_board.setText(Control::Window, caption);
    m_board.setText(Control::Label3, TimeText::plain(start.GameLevel));
    m_board.setText(Control::Label8, start.StudentName);
    // The school: the start screen's School, which is always empty.
    m_board.setText(Control::Label12, QString());
    m_board.setText(Control::Label4, QString());
    m_board.setText(Control::Label6, QString());
    m_board.setVisible(Control::Command3, false);
}

void ChallengeModel::resetRoundCommon()
{
    m_board.setText(Control::Mark, QString());
    m_Expected = 0;
    m_board.setText(Control::Text1, QString());
    m_board.setText(Control::Label1, utf8(ChallengeTexts::kOneSpace));
    m_board.setText(Control::Label4, QString());
    m_board.setEnabled(Control::Command1, true);
    m_board.setVisible(Control::Command1, true);
}

void ChallengeModel::offerPlayAgain(bool focus)
{
    m_board.setVisible(Control::Command3, true);
    m_board.setEnabled(Control::Command3, true);
    if (focus) {
        m_board.requestFocus(Control::Command3);
        m_heldKeys = HeldKeys{Control::Command3, readClock()};
    }
}

qint64 ChallengeModel::readClock()
{
    return m_clock.readClock();
}

void ChallengeModel::beginRound()
{
    RoundRecord round;
    round.level = m_start.GameLevel;
    round.name = m_start.StudentName;
    round.started = m_clock.localDateTime();
    m_round = std::move(round);
    m_firstDigit.reset();
    m_board.setVisible(Control::lblReport, false);
}

qint32 ChallengeModel::sinceStart(qint64 reading) const
{
    return clockDifference(reading, m_RoundStart);
}

void ChallengeModel::noteDigit(qint64 reading)
{
    if (m_round && !m_firstDigit)
        m_firstDigit = sinceStart(reading);
}

void ChallengeModel::noteAccepted(qint64 reading)
{
    if (!m_round)
        return;
    const qint32 enter = sinceStart(reading);
    m_round->numbers.push_back({m_firstDigit.value_or(enter), enter});
    m_firstDigit.reset();
}

void ChallengeModel::finishRound(RoundEnding how, const QString &result)
{
    if (!m_round)
        return;
    m_round->ending = how;
    m_round->durationMs = shownDurationMs();
    m_round->endMs = sinceStart(readClock());
    m_round->result = result.isNull() ? QString::number(m_round->numbers.size()) : result;
    m_lastRound = &m_history.add(std::move(*m_round));
    m_round.reset();
    m_board.setVisible(Control::lblReport, true);
}
