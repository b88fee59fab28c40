// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/text.h"

// Texts of the timed open-ended challenge (levels 7-8). A round ended by
// Backspace is followed by the sign-padded reached number (two blanks after the
// dash); one ended by a wrong entry by its plain digits (none).
namespace OpenEndedTexts {

inline constexpr Text kRangeAfterBackspace =
    TAVRINO_TEXT("OpenEndedTexts", "本次有效数字范围是 1 - ");
inline constexpr Text kRangeAfterWrong = TAVRINO_TEXT("OpenEndedTexts", "本次有效数字范围是 1-");
inline constexpr Text kRecordAfterBackspace =
    TAVRINO_TEXT("OpenEndedTexts", "记录又被刷新,有效数字范围是 1 - ");
inline constexpr Text kRecordAfterWrong =
    TAVRINO_TEXT("OpenEndedTexts", "记录又被刷新,有效数字范围是 1-");

} // namespace OpenEndedTexts
