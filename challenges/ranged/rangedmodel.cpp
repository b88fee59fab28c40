// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/ranged/rangedmodel.h"

#include "challenges/challengetexts.h"
#include "challenges/entry.h"
#include "challenges/leveltable.h"
#include "challenges/ranged/rangedtexts.h"
#include "core/timetext.h"

using namespace ChallengeTexts;
using namespace RangedTexts;

void RangedModel::loadOwnFields(const StartValues &start)
{
    m_target = LevelTable::target(start.GameLevel);
}

void RangedModel::ResetRound()
{
    m_board.setVisible(Control::Picture1, false);
    resetRoundCommon();
}

void RangedModel::keyPress(char16_t &keyChar, const QString &boxText)
{
    if (!acceptsKeys()) {
        keyChar = 0;
        return;
    }
    m_board.setText(Control::Label1, QString());
    if (keyChar == kBackspace)
        m_board.setText(Control::Mark, QString());
    if (keyChar == kEnter) {
        judgeEntry(boxText);
        return;
    }
    if (isDigitKey(keyChar)) {
        if (awaitingFirstDigit())
            noteDigit(readClock());
    } else if (keyChar != kBackspace) {
        keyChar = 0;
    }
}

void RangedModel::judgeEntry(const QString &boxText)
{
    if (boxText.isEmpty())
        return;
    if (readEntry(boxText) == m_Expected) {
        m_board.setText(Control::Mark, QString::fromUtf8(kTick));
        if (m_Expected <= m_target) {
            noteAccepted(readClock());
            m_board.setEnabled(Control::Text1, true);
            m_Expected += 1;
            m_board.setText(Control::Label4,
                            m_Expected < 2
                                ? QString()
                                : TimeText::lastChars(TimeText::signPadded(m_Expected - 1), 3));
            m_board.setText(Control::Text1, QString());
        }
        if (m_Expected == m_target + 1)
            succeed();
        return;
    }
    m_board.setText(Control::Mark, QString::fromUtf8(kCross));
    endRound();
    m_board.setText(Control::Label1,
                    QString::fromUtf8(kRangeMessage) + TimeText::signPadded(m_Expected - 1));
    m_board.setEnabled(Control::Command1, false);
    offerPlayAgain(true);
    finishRound(RoundEnding::WrongNumber);
}

void RangedModel::succeed()
{
    m_board.setEnabled(Control::Command1, false);
    m_board.setEnabled(Control::Text1, false);
    m_board.setVisible(Control::Picture1, true);
    m_board.setText(Control::Label1, QString::fromUtf8(kSuccess));
    m_board.setText(Control::Text1, TimeText::plain(m_target));
    m_RoundOver = true;
    offerPlayAgain(true);
    m_board.setText(Control::Mark, QString());
    m_RoundResult = m_RoundElapsed / 10;
    if (m_BestResult == 0) {
        m_BestResult = m_RoundResult;
    } else if (m_RoundResult < m_BestResult) {
        m_BestResult = m_RoundResult;
        m_board.setText(Control::Label1, QString::fromUtf8(kRecordBroken));
    }
    m_board.setText(Control::Label6, TimeText::secondsWithHundredths(m_BestResult));
    // The round's own time, as its result was taken: from the latest tick.
    finishRound(RoundEnding::Success, TimeText::secondsWithHundredths(m_RoundResult));
}
