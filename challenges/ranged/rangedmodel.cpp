// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/ranged/rangedmodel.h"

#include "challenges/challengetexts.h"
#include "challenges/entry.h"
#include "challenges/leveltable.h"
#include "challenges/ranged/rangedtexts.h"
#include "core/text.h"
#include "core/timetext.h"

using namespace ChallengeTexts;
using namespace RangedTexts;

void RangedModel::loadOwnFields(const StartValues &start)
{
    m_target = LevelTable::target(start.GameLevel);
}

void RangedModel::ResetRound()
{
    board().setVisible(Control::Picture1, false);
    resetRoundCommon();
}

void RangedModel::keyPress(char16_t &keyChar, const QString &boxText)
{
    if (!acceptsKeys()) {
        keyChar = 0;
        return;
    }
    board().setText(Control::Label1, QString());
    if (keyChar == kBackspace)
        board().setText(Control::Mark, QString());
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
    if (readEntry(boxText) == expected()) {
        board().setText(Control::Mark, utf8(kTick));
        if (expected() <= m_target) {
            noteAccepted(readClock());
            board().setEnabled(Control::Text1, true);
            setExpected(expected() + 1);
            board().setText(Control::Label4,
                            expected() < 2
                                ? QString()
                                : TimeText::lastChars(TimeText::signPadded(expected() - 1), 3));
            board().setText(Control::Text1, QString());
        }
        if (expected() == m_target + 1)
            succeed();
        return;
    }
    board().setText(Control::Mark, utf8(kCross));
    endRound();
    board().setText(Control::Label1,
                    translated(kRangeMessage) + TimeText::signPadded(expected() - 1));
    board().setEnabled(Control::Command1, false);
    offerPlayAgain(true);
    finishRound(RoundEnding::WrongNumber);
}

void RangedModel::succeed()
{
    board().setEnabled(Control::Command1, false);
    board().setEnabled(Control::Text1, false);
    board().setVisible(Control::Picture1, true);
    board().setText(Control::Label1, translated(kSuccess));
    board().setText(Control::Text1, TimeText::plain(m_target));
    setRoundOver(true);
    offerPlayAgain(true);
    board().setText(Control::Mark, QString());
    const qint64 RoundResult = roundElapsed() / 10;
    if (m_BestResult == 0) {
        m_BestResult = RoundResult;
    } else if (RoundResult < m_BestResult) {
        m_BestResult = RoundResult;
        board().setText(Control::Label1, translated(kRecordBroken));
    }
    board().setText(Control::Label6, TimeText::secondsWithHundredths(m_BestResult));
    // The round's own time, as its result was taken: from the latest tick.
    finishRound(RoundEnding::Success, TimeText::secondsWithHundredths(RoundResult));
}
