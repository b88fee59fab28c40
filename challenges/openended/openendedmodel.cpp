// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/openended/openendedmodel.h"

#include "challenges/challengetexts.h"
#include "challenges/entry.h"
#include "challenges/openended/openendedtexts.h"
#include "core/text.h"
#include "core/timetext.h"

using namespace ChallengeTexts;
using namespace OpenEndedTexts;

void OpenEndedModel::ResetRound()
{
    resetRoundCommon();
}

void OpenEndedModel::finishLoad()
{
    m_BestCount = 0;
}

void OpenEndedModel::keyPress(char16_t &keyChar, const QString &boxText)
{
    if (!acceptsKeys()) {
        keyChar = 0;
        return;
    }
    board().setText(Control::Label1, QString());
    if (keyChar == kBackspace) {
        // No correction: a Backspace ends the round and never removes a character.
        endRoundBy(Ending::Backspace);
        keyChar = 0;
        return;
    }
    if (keyChar == kEnter) {
        judgeEntry(boxText);
        return;
    }
    if (isDigitKey(keyChar)) {
        if (awaitingFirstDigit())
            noteDigit(readClock());
        board().setText(Control::Mark, QString());
        return;
    }
    keyChar = 0;
}

void OpenEndedModel::judgeEntry(const QString &boxText)
{
    if (boxText.isEmpty())
        return;
    if (readEntry(boxText) == expected()) {
        noteAccepted(readClock());
        board().setText(Control::Mark, utf8(kTick));
        setExpected(expected() + 1);
        board().setText(Control::Label4,
                        TimeText::lastChars(TimeText::signPadded(expected() - 1), 3));
        board().setText(Control::Text1, QString());
        return;
    }
    endRoundBy(Ending::WrongEntry);
}

void OpenEndedModel::endRoundBy(Ending how)
{
    const bool backspace = how == Ending::Backspace;
    board().setText(Control::Mark, utf8(kCross));
    endRound();
    if (backspace)
        offerPlayAgain(true);
    setExpected(expected() - 1);
    const qint64 reached = expected();
    const QString number = backspace ? TimeText::signPadded(reached) : TimeText::plain(reached);
    board().setText(Control::Label1,
                    translated(backspace ? kRangeAfterBackspace : kRangeAfterWrong) + number);
    // While no round has reached a number, the next round to end counts as the
    // first: it sets the best without a record text.
    if (m_BestCount == 0) {
        m_BestCount = reached;
        board().setText(Control::Label6, TimeText::plain(reached));
    }
    if (reached > m_BestCount) {
        m_BestCount = reached;
        board().setText(Control::Label1,
                        translated(backspace ? kRecordAfterBackspace : kRecordAfterWrong) + number);
        board().setText(Control::Label6, TimeText::plain(reached));
    }
    if (!backspace) {
        board().setEnabled(Control::Command1, false);
        offerPlayAgain(true);
    }
    finishRound(backspace ? RoundEnding::Backspace : RoundEnding::WrongNumber);
}
