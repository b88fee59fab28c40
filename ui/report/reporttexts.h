// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Texts of the round report. %1, %2 ... are filled in with QString::arg.
namespace ReportTexts {

inline constexpr char kTitle[] = "本轮分析";
inline constexpr char kLevel[] = "%1级";
inline constexpr char kSeconds[] = "%1 秒";
inline constexpr char kNumbers[] = "%1 个数字";
inline constexpr char kLasted[] = "持续 %1 秒";
inline constexpr char kResult[] = "成绩 %1";

inline constexpr char kFinding[] = "找数字";
inline constexpr char kTyping[] = "打数字";
inline constexpr char kMedian[] = "中位数";
inline constexpr char kLapse[] = "失误";
inline constexpr char kPauseLine[] = "2秒";
inline constexpr char kAxisSeconds[] = "秒";
inline constexpr char kAxisNumbers[] = "数字";
inline constexpr char kChartName[] = "节奏图";
inline constexpr char kPointedNumber[] = "第 %1 个数字：找 %2 秒，打 %3 秒，共 %4 秒";
inline constexpr char kPointedGroup[] = "第 %1–%2 个数字：中位 %3 秒，最慢 %4 秒";
inline constexpr char kPointHint[] = "把鼠标移到柱子上，或用左右方向键，查看每个数字的用时";

inline constexpr char kCount[] = "正确数字";
inline constexpr char kPerMinute[] = "每分钟";
inline constexpr char kPerMinuteValue[] = "%1 个";
inline constexpr char kMedianTime[] = "每个数字（中位）";
inline constexpr char kMedianValue[] = "%1 秒（找 %2 + 打 %3）";
inline constexpr char kSlowest[] = "最慢的数字";
inline constexpr char kSlowValue[] = "第 %1 个 %2 秒";
inline constexpr char kLapses[] = "失误（超过中位数两倍）";
inline constexpr char kTimes[] = "%1 次";
inline constexpr char kSteadiness[] = "稳定度";
inline constexpr char kPercent[] = "%1%";
inline constexpr char kFatigue[] = "后半程";
inline constexpr char kSlower[] = "慢了 %1%";
inline constexpr char kFaster[] = "快了 %1%";
inline constexpr char kEven[] = "持平";
inline constexpr char kTooFew[] = "数字太少，无法分析节奏。";

inline constexpr char kRounds[] = "本次运行的各轮";
inline constexpr char kSave[] = "保存图片";
inline constexpr char kPrint[] = "打印";
inline constexpr char kCopy[] = "复制";
inline constexpr char kClose[] = "关闭";
inline constexpr char kImageFiles[] = "PNG 图片 (*.png)";
inline constexpr char kSaveFailed[] = "图片没有保存：%1\n%2";
inline constexpr char kPrintMissing[] = "无法打印：找不到打印模块。\n%1";

} // namespace ReportTexts
