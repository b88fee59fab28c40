// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct ChallengeScreen;

// Form9, the screen of level 9.
const ChallengeScreen &enduranceScreen();
