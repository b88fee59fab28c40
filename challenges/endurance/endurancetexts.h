// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/text.h"

// Texts of the endurance challenge (level 9), one for each way a round ends.
// The first two use full-width punctuation, the last two half-width.
namespace EnduranceTexts {

inline constexpr Text kEndBackspace = TAVRINO_TEXT("EnduranceTexts", "不能退格，挑战结束！");
inline constexpr Text kEndWrongNumber = TAVRINO_TEXT("EnduranceTexts", "数字输入错误，挑战结束！");
inline constexpr Text kEndNonDigit =
    TAVRINO_TEXT("EnduranceTexts", "按了非数字键,挑战结束!刷新记录");
inline constexpr Text kEndGap = TAVRINO_TEXT("EnduranceTexts", "两次按键时间超过2秒,挑战结束!");
inline constexpr char kZero[] = "0";

} // namespace EnduranceTexts
