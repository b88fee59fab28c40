// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the windows say about saving and printing. %1, %2 are filled in with
// QString::arg.
namespace DialogTexts {

// The windows' buttons for them.
inline constexpr char kSavePdf[] = "保存PDF";
inline constexpr char kPrint[] = "打印";
inline constexpr char kCopy[] = "复制";

inline constexpr char kPdfFiles[] = "PDF 文件 (*.pdf)";
inline constexpr char kSaved[] = "已保存：%1";
inline constexpr char kSaveFailed[] = "没有保存：%1\n原因：%2";
inline constexpr char kPrinted[] = "已发送到打印机：%1";
inline constexpr char kPrintFailed[] = "无法打印：%1";

} // namespace DialogTexts
