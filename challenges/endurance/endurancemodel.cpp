// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/endurance/endurancemodel.h"

#include "challenges/challengetexts.h"
#include "challenges/endurance/endurancetexts.h"
#include "challenges/entry.h"
#include "challenges/leveltable.h"
#include "core/gameclock.h"
#include "core/text.h"
#include "core/timetext.h"

using namespace ChallengeTexts;
using namespace EnduranceTexts;

namespace {

QString gapSecondsText(qint64 seconds)
{
    return TimeText::lastChars(TimeText::plain(seconds), seconds < 10 ? 1 : 2);
}

QString twoDigits(qint64 hundredths)
{
    return TimeText::formatTwoDigits(hundredths);
}

} // namespace

void EnduranceModel::load(const StartValues &start)
{
    loadCommon(utf8(kVersionCaption), start);
    ResetRound();
    board().setText(Control::Label19, LevelTable::challengeRuleLine(start.GameLevel));
    board().setText(Control::Label15, QString());
    board().setText(Control::Label17, QString());
    board().setText(Control::Label21, QString());
    board().setText(Control::Label23, QString());
    setExpected(0);
    board().setTimerEnabled(false);
    m_BestCount = 0;
    m_bestDuration = {};
    // Keys before the first Start would be judged with no round running.
    board().setEnabled(Control::Text1, false);
}

void EnduranceModel::ResetRound()
{
    resetRoundCommon();
}

void EnduranceModel::start()
{
    if (!board().enabled(Control::Command1))
        return;
    setRoundStart(readClock());
    m_LastKeyTime = roundStart();
    m_shownDuration = {};
    beginRound();
    board().setTimerEnabled(true);
    board().setText(Control::Label1, QString());
    board().setEnabled(Control::Text1, true);
    setExpected(expected() + 1);
    board().setText(Control::Text1, QString());
    board().setEnabled(Control::Command1, false);
}

void EnduranceModel::playAgain()
{
    ResetRound();
    board().setText(Control::Label4, QString());
    setExpected(0);
    board().setEnabled(Control::Command3, false);
    board().setEnabled(Control::Command1, true);
    board().requestFocus(Control::Command1);
    board().setText(Control::Label2, utf8(kZero));
    board().setText(Control::Label11, utf8(kZeroZero));
    board().setText(Control::Label13, utf8(kZeroZero));
    board().setText(Control::Label14, utf8(kZero));
}

void EnduranceModel::tick()
{
    if (!board().timerEnabled())
        return;
    const qint64 tickTime = readClock();
    // Both differences are taken modulo one day on a steady clock, so neither
    // midnight nor a change of the system clock can make them negative.
    const qint32 keyGap = clockDifference(tickTime, m_LastKeyTime);
    const qint64 gapSeconds = keyGap / 1000;
    board().setText(Control::Label2, gapSecondsText(gapSeconds));
    board().setText(Control::Label11, twoDigits(TimeText::hundredthsOf(keyGap)));
    const bool gap = keyGap >= kGapMs;
    if (gap)
        endRound(RoundEnding::Gap);
    const qint32 duration = clockDifference(tickTime, roundStart());
    m_shownDuration = {duration / 1000, TimeText::hundredthsOf(duration)};
    board().setText(Control::Label14, TimeText::plain(m_shownDuration.seconds));
    board().setText(Control::Label13, twoDigits(m_shownDuration.hundredths));
    // The tick that ends a round still shows its duration, and the round
    // is recorded with it.
    if (gap)
        finishRound(RoundEnding::Gap);
}

void EnduranceModel::keyPress(char16_t &keyChar, const QString &boxText)
{
    if (!acceptsKeys()) {
        keyChar = 0;
        return;
    }
    m_LastKeyTime = readClock();
    board().setTimerEnabled(true);
    board().setText(Control::Label1, QString());
    if (keyChar == kBackspace) {
        endRound(RoundEnding::Backspace);
        finishRound(RoundEnding::Backspace);
        keyChar = 0;
    } else if (keyChar == kEnter) {
        judgeEntry(boxText);
    } else if (isDigitKey(keyChar)) {
        noteDigit(m_LastKeyTime);
        board().setText(Control::Mark, QString());
    } else {
        endRound(RoundEnding::NonDigit);
        finishRound(RoundEnding::NonDigit);
        keyChar = 0;
    }
}

void EnduranceModel::judgeEntry(const QString &boxText)
{
    if (boxText.isEmpty())
        return;
    if (readEntry(boxText) != expected()) {
        endRound(RoundEnding::WrongNumber);
        finishRound(RoundEnding::WrongNumber);
        return;
    }
    noteAccepted(m_LastKeyTime);
    board().setText(Control::Mark, utf8(kTick));
    setExpected(expected() + 1);
    board().setText(Control::Label4,
                    TimeText::lastChars(QLatin1Char(' ') + TimeText::plain(expected() - 1), 4));
    board().setText(Control::Text1, QString());
}

void EnduranceModel::endRound(RoundEnding how)
{
    board().setTimerEnabled(false);
    board().setEnabled(Control::Text1, false);
    const bool crossed = how == RoundEnding::Backspace || how == RoundEnding::WrongNumber;
    board().setText(Control::Mark, crossed ? utf8(kCross) : QString());
    UpdateBest();
    Text message = kEndGap;
    if (how == RoundEnding::Backspace)
        message = kEndBackspace;
    else if (how == RoundEnding::WrongNumber)
        message = kEndWrongNumber;
    else if (how == RoundEnding::NonDigit)
        message = kEndNonDigit;
    board().setText(Control::Label1, translated(message));
    offerPlayAgain(true);
}

void EnduranceModel::UpdateBest()
{
    setExpected(expected() - 1);
    const qint64 count = expected();
    // The duration recorded is the one last shown by a tick of this round
    // (0.00 if the round ended before its first tick).
    if (m_BestCount == 0 || count > m_BestCount) {
        m_BestCount = count;
        m_bestDuration = m_shownDuration;
    } else if (count == m_BestCount) {
        if (m_shownDuration < m_bestDuration)
            m_bestDuration = m_shownDuration;
    } else {
        return;
    }
    board().setText(Control::Label6, TimeText::plain(m_BestCount));
    board().setText(Control::Label21, TimeText::plain(m_bestDuration.seconds));
    board().setText(Control::Label23, twoDigits(m_bestDuration.hundredths));
}
