// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/challengeboard.h"
#include "challenges/roundrecord.h"
#include "challenges/startvalues.h"

#include <QString>

#include <optional>

class GameClock;
class RoundHistory;

// How long after the end of a round Enter and Space on Play again do
// nothing, and after Play again by a key, on Start: the late Enters seen came
// 0.5 to 1 s after the end; this covers them with a margin and stays well
// under the 2 seconds the game itself takes for the end of a rhythm, so a
// pupil who has read the message rarely meets it.
inline constexpr qint64 kKeyDelayMs = 1200;

// Character codes that the rules single out.
inline constexpr char16_t kBackspace = 8;
inline constexpr char16_t kEnter = 13;
inline bool isDigitKey(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// What the three challenge screens share: the clock, the values read from the
// start screen, the board of controls, the record of each round, and the
// common steps of load, reset, Back and the end of a round. Each screen adds
// its own rules.
class ChallengeModel {
public:
    ChallengeModel(GameClock &clock, RoundHistory &history);
    virtual ~ChallengeModel() = default;
    ChallengeModel(const ChallengeModel &) = delete;
    ChallengeModel &operator=(const ChallengeModel &) = delete;

    // The design's handlers. Opening the screen loads it with what the start
    // screen holds at that moment.
    virtual void load(const StartValues &start) = 0;
    virtual void start() = 0;
    virtual void playAgain() = 0;
    virtual void tick() = 0;
    // A character typed into the answer box, before the box takes it, with
    // the box's text at that moment; setting keyChar to 0 discards it.
    virtual void keyPress(char16_t &keyChar, const QString &boxText) = 0;
    // Back, or the window closed by any other route.
    void back();
    // Whether Enter or Space may press this button now. A pupil typing in
    // rhythm has his next Enter on its way when a key ends the round; pressed
    // within a moment of the end, it would wipe the message that says why
    // before it was read, and pressed within a moment of Play again it
    // would start a round by accident. A click always presses the button.
    bool keysMayPress(Control button);
    // Play again was pressed by a key: Start, which has the focus now, takes
    // keys only after the same moment.
    void playedAgainByKey();

    // The screen's controls as the rules leave them.
    ChallengeBoard &board() { return m_board; }
    const ChallengeBoard &board() const { return m_board; }
    // The round this screen ended last in this visit, for its report; none
    // before the first end.
    const RoundRecord *lastRound() const { return m_lastRound; }

protected:
    // Load steps 1-4: caption, level, name, school, empty last number and best
    // result, Play again hidden. The controls are new, so the board starts fresh.
    void loadCommon(const QString &caption, const StartValues &start);
    // The part of ResetRound that all screens share.
    void resetRoundCommon();
    // Keys reach the rules only during a round begun by Start: the answer box
    // is enabled exactly then.
    bool acceptsKeys() const { return m_board.enabled(Control::Text1); }
    // The design's fields Expected (the number to type next) and RoundStart
    // (the clock reading the round's elapsed time counts from).
    qint64 expected() const { return m_Expected; }
    void setExpected(qint64 n) { m_Expected = n; }
    qint64 roundStart() const { return m_RoundStart; }
    void setRoundStart(qint64 reading) { m_RoundStart = reading; }
    // Play again offered at the end of a round; with the focus, the keys
    // reach it only once kKeyDelayMs have passed.
    void offerPlayAgain(bool focus);
    qint64 readClock();

    // The record of a round: begun at Start (after RoundStart is read),
    // each accepted number's first digit and Enter noted with the clock
    // reading the rules took for the key, and at the end handed to the
    // history. The result defaults to the count of accepted numbers.
    void beginRound();
    bool roundRunning() const { return m_round.has_value(); }
    // Whether the number being typed still lacks its first digit: the timed
    // screens read the clock for a digit only then.
    bool awaitingFirstDigit() const { return m_round.has_value() && !m_firstDigit; }
    void noteDigit(qint64 reading);
    void noteAccepted(qint64 reading);
    // The round's duration is the one the screen shows at its end.
    void finishRound(RoundEnding how, const QString &result = QString());
    // The elapsed time or duration the screen shows now, in milliseconds.
    virtual qint64 shownDurationMs() const = 0;

private:
    qint32 sinceStart(qint64 reading) const;

    ChallengeBoard m_board;
    qint64 m_Expected = 0;
    qint64 m_RoundStart = 0;
    GameClock &m_clock;
    RoundHistory &m_history;
    StartValues m_start;
    std::optional<RoundRecord> m_round;
    // The first digit of the number being typed, or none yet.
    std::optional<qint32> m_firstDigit;
    const RoundRecord *m_lastRound = nullptr;
    // The button that the keys may not press yet, and the clock reading
    // from which that moment runs.
    struct HeldKeys {
        Control button;
        qint64 since;
    };
    std::optional<HeldKeys> m_heldKeys;
};
