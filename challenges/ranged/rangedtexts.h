// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/text.h"

// Texts of the ranged challenge (levels 1-6).
namespace RangedTexts {

// Followed by the sign-padded count of correct numbers, so two blanks stand
// between the dash and the digits.
inline constexpr Text kRangeMessage = TAVRINO_TEXT("RangedTexts", "您正确输入的数字范围是 1 - ");
inline constexpr Text kSuccess = TAVRINO_TEXT("RangedTexts", "挑战成功,你真棒!");
inline constexpr Text kRecordBroken = TAVRINO_TEXT("RangedTexts", "记录又被刷新!");

} // namespace RangedTexts
