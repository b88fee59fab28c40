// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/challengescreen.h"

#include "challenges/endurance/endurancescreen.h"
#include "challenges/openended/openendedscreen.h"
#include "challenges/ranged/rangedscreen.h"

// The registry: one line per screen.
const std::vector<const ChallengeScreen *> &challengeScreens()
{
    static const std::vector<const ChallengeScreen *> screens{
        &rangedScreen(),
        &openEndedScreen(),
        &enduranceScreen(),
    };
    return screens;
}

std::optional<RoundScore> roundScore(ChallengeScreen::Best best, bool succeeded, qint64 numbers,
                                     qint64 durationHundredths)
{
    switch (best) {
    case ChallengeScreen::Best::FastestSuccess:
        if (!succeeded)
            return std::nullopt;
        return RoundScore{durationHundredths, 0};
    case ChallengeScreen::Best::MostNumbersThenShortest:
        return RoundScore{-numbers, durationHundredths};
    case ChallengeScreen::Best::MostNumbers:
        break;
    }
    return RoundScore{-numbers, 0};
}
