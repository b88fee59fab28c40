// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/text.h"

// The start screen's own texts, exactly as the pupil sees them.
namespace StartTexts {

inline constexpr Text kSubtitle = TAVRINO_TEXT("StartTexts", "专注力和键盘输入专项训练软件");
inline constexpr Text kPlannerPrefix = TAVRINO_TEXT("StartTexts", "项目策划: ");
inline constexpr Text kDesignerPrefix = TAVRINO_TEXT("StartTexts", "设计制作: ");
inline constexpr Text kPlannerName = TAVRINO_TEXT("StartTexts", "林晓");
// What a screen reader says for a level button.
inline constexpr Text kLevelButton = TAVRINO_TEXT("StartTexts", "级别 %1");
inline constexpr Text kDesignerName = TAVRINO_TEXT("StartTexts", "周航");

// The maker's site (its caption and the page a click opens) and the
// competition platform's address.
inline constexpr char kMakerAddress[] = "www.tavrino.example";
inline constexpr char kMakerPage[] = "/index1.htm";
inline constexpr char kPlatformAddress[] = "contest.tavrino.example";

} // namespace StartTexts
