// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/text.h"

// Texts that every challenge screen shows.
namespace ChallengeTexts {

inline constexpr char kCaption[] = "Tavrino";
// The start window's title, which the endurance screen also takes at load.
inline constexpr char kVersionCaption[] = "Tavrino  V2.0 2017-11-22 ";
inline constexpr char kTick[] = "√";
inline constexpr char kCross[] = "×";
inline constexpr Text kTimeUp = TAVRINO_TEXT("ChallengeTexts", "时间到!");
inline constexpr char kOneSpace[] = " ";
inline constexpr char kZeroZero[] = "00";
// Our note beside the answer box while the keypad sends keys without digits.
inline constexpr Text kNumLockOff =
    TAVRINO_TEXT("ChallengeTexts", "小键盘的数字锁定(NumLock)没有打开，请按一下 NumLock 键");

} // namespace ChallengeTexts
