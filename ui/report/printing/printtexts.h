// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/text.h"

// Why a print did not happen.
namespace PrintTexts {

inline constexpr Text kModuleMissing = TAVRINO_TEXT("PrintTexts", "找不到打印模块。\n%1");
inline constexpr Text kNotStarted = TAVRINO_TEXT("PrintTexts", "打印机没有开始打印");
inline constexpr Text kNotFinished = TAVRINO_TEXT("PrintTexts", "打印没有完成");

} // namespace PrintTexts
