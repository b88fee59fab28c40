// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/text.h"

// What the windows say about saving and printing. %1, %2 are filled in with
// QString::arg.
namespace DialogTexts {

// The windows' buttons for them.
inline constexpr Text kSavePdf = TAVRINO_TEXT("DialogTexts", "保存PDF");
inline constexpr Text kPrint = TAVRINO_TEXT("DialogTexts", "打印");
inline constexpr Text kCopy = TAVRINO_TEXT("DialogTexts", "复制");

inline constexpr Text kPdfFiles = TAVRINO_TEXT("DialogTexts", "PDF 文件 (*.pdf)");
inline constexpr Text kSaved = TAVRINO_TEXT("DialogTexts", "已保存：%1");
inline constexpr Text kSaveFailed = TAVRINO_TEXT("DialogTexts", "没有保存：%1\n原因：%2");
inline constexpr Text kPrinted = TAVRINO_TEXT("DialogTexts", "已发送到打印机：%1");
inline constexpr Text kPrintFailed = TAVRINO_TEXT("DialogTexts", "无法打印：%1");

} // namespace DialogTexts
