// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Texts of the timed open-ended challenge (levels 7-8). A round ended by
// Backspace is followed by the sign-padded reached number (two blanks after the
// dash); one ended by a wrong entry by its plain digits (none).
namespace OpenEndedTexts {

inline constexpr char kRangeAfterBackspace[] = "本次有效数字范围是 1 - ";
inline constexpr char kRangeAfterWrong[] = "本次有效数字范围是 1-";
inline constexpr char kRecordAfterBackspace[] = "记录又被刷新,有效数字范围是 1 - ";
inline constexpr char kRecordAfterWrong[] = "记录又被刷新,有效数字范围是 1-";

} // namespace OpenEndedTexts
