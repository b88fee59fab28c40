// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Texts of the endurance challenge (level 9), one for each way a round ends.
// The first two use full-width punctuation, the last two half-width.
namespace EnduranceTexts {

inline constexpr char kEndBackspace[] = "不能退格，挑战结束！";
inline constexpr char kEndWrongNumber[] = "数字输入错误，挑战结束！";
inline constexpr char kEndNonDigit[] = "按了非数字键,挑战结束!刷新记录";
inline constexpr char kEndGap[] = "两次按键时间超过2秒,挑战结束!";
inline constexpr char kZero[] = "0";

} // namespace EnduranceTexts
