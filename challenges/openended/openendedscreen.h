// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct ChallengeScreen;

// Form789, the screen of levels 7 and 8.
const ChallengeScreen &openEndedScreen();
