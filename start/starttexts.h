// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The start screen's own texts, exactly as the pupil sees them.
namespace StartTexts {

inline constexpr char kSubtitle[] = "专注力和键盘输入专项训练软件";
inline constexpr char kPlannerPrefix[] = "项目策划: ";
inline constexpr char kDesignerPrefix[] = "设计制作: ";
inline constexpr char kPlannerName[] = "林晓";
inline constexpr char kDesignerName[] = "周航";

// The maker's site (its caption and the page a click opens) and the
// competition platform's address.
inline constexpr char kMakerAddress[] = "www.tavrino.example";
inline constexpr char kMakerPage[] = "/index1.htm";
inline constexpr char kPlatformAddress[] = "contest.tavrino.example";

} // namespace StartTexts
