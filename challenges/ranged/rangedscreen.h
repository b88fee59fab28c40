// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct ChallengeScreen;

// Form1, the screen of levels 1-6.
const ChallengeScreen &rangedScreen();
