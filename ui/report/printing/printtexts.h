// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Why a print did not happen.
namespace PrintTexts {

inline constexpr char kModuleMissing[] = "找不到打印模块。\n%1";
inline constexpr char kNotStarted[] = "打印机没有开始打印";
inline constexpr char kNotFinished[] = "打印没有完成";

} // namespace PrintTexts
