// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Texts of the ranged challenge (levels 1-6).
namespace RangedTexts {

// Followed by the sign-padded count of correct numbers, so two blanks stand
// between the dash and the digits.
inline constexpr char kRangeMessage[] = "您正确输入的数字范围是 1 - ";
inline constexpr char kSuccess[] = "挑战成功,你真棒!";
inline constexpr char kRecordBroken[] = "记录又被刷新!";

} // namespace RangedTexts
