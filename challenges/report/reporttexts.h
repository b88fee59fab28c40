// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/text.h"

// Texts of the round report, in words a pupil of ten reads. %1, %2 ... are
// filled in with QString::arg.
namespace ReportTexts {

inline constexpr Text kTitle = TAVRINO_TEXT("ReportTexts", "本轮分析");
inline constexpr Text kLevel = TAVRINO_TEXT("ReportTexts", "%1级");
inline constexpr Text kSeconds = TAVRINO_TEXT("ReportTexts", "%1 秒");
inline constexpr Text kNumbers = TAVRINO_TEXT("ReportTexts", "%1 个数字");
inline constexpr Text kLasted = TAVRINO_TEXT("ReportTexts", "持续 %1 秒");
inline constexpr Text kResult = TAVRINO_TEXT("ReportTexts", "成绩 %1");

// The chart.
inline constexpr Text kFinding = TAVRINO_TEXT("ReportTexts", "找数字");
inline constexpr Text kTyping = TAVRINO_TEXT("ReportTexts", "打数字");
inline constexpr Text kPause = TAVRINO_TEXT("ReportTexts", "停顿");
inline constexpr Text kFirstNumber = TAVRINO_TEXT("ReportTexts", "第1个数字");
inline constexpr Text kEnding = TAVRINO_TEXT("ReportTexts", "结束：%1");
inline constexpr Text kTypicalLine = TAVRINO_TEXT("ReportTexts", "平常 %1秒");
inline constexpr Text kGapLine = TAVRINO_TEXT("ReportTexts", "2秒");
inline constexpr Text kAxisSeconds = TAVRINO_TEXT("ReportTexts", "秒");
inline constexpr Text kAxisNumbers = TAVRINO_TEXT("ReportTexts", "数字");
inline constexpr Text kChartName = TAVRINO_TEXT("ReportTexts", "节奏图");
inline constexpr Text kPointedNumber =
    TAVRINO_TEXT("ReportTexts", "第 %1 个数字：找 %2 秒，打 %3 秒，共 %4 秒");
inline constexpr Text kPointedFirst = TAVRINO_TEXT(
    "ReportTexts",
    "第 1 个数字：共 %1 秒，从按“开始”算起，包括把手放到键盘上的时间，所以不算进下面的统计");
inline constexpr Text kPointedGroup =
    TAVRINO_TEXT("ReportTexts", "第 %1–%2 个数字：平常 %3 秒，最慢 %4 秒");
inline constexpr Text kPointedEnding =
    TAVRINO_TEXT("ReportTexts", "结束（%1）：最后一个正确数字之后 %2 秒");
inline constexpr Text kPointHint =
    TAVRINO_TEXT("ReportTexts", "把鼠标移到柱子或下面的说明上，或用方向键，可以看到详细内容");

// The figures, each with what it means.
inline constexpr Text kCount = TAVRINO_TEXT("ReportTexts", "正确数字");
inline constexpr Text kCountTip = TAVRINO_TEXT("ReportTexts", "这一轮正确输入的数字个数。");
inline constexpr Text kPerMinute = TAVRINO_TEXT("ReportTexts", "每分钟");
inline constexpr Text kPerMinuteValue = TAVRINO_TEXT("ReportTexts", "%1 个");
inline constexpr Text kPerMinuteTip =
    TAVRINO_TEXT("ReportTexts", "从按“开始”到最后一个回车，平均每分钟输入的数字个数。");
inline constexpr Text kTypical = TAVRINO_TEXT("ReportTexts", "平常每个数字");
inline constexpr Text kTypicalValue = TAVRINO_TEXT("ReportTexts", "%1 秒（找 %2 + 打 %3）");
inline constexpr Text kTypicalTip =
    TAVRINO_TEXT("ReportTexts", "大多数数字用的时间都在这附近：一半数字比它快，一半比它慢。第"
                                " 1 个数字从按“开始”算起，不算在内。");
inline constexpr Text kSlowest = TAVRINO_TEXT("ReportTexts", "最慢的数字");
inline constexpr Text kSlowValue = TAVRINO_TEXT("ReportTexts", "第 %1 个 %2 秒");
inline constexpr Text kSlowestTip =
    TAVRINO_TEXT("ReportTexts", "用时最长的几个数字（第 1 个数字不算）。");
inline constexpr Text kPauses = TAVRINO_TEXT("ReportTexts", "停顿");
inline constexpr Text kTimes = TAVRINO_TEXT("ReportTexts", "%1 次");
inline constexpr Text kPausesTip =
    TAVRINO_TEXT("ReportTexts", "用时超过平常两倍的数字，在图上用红色三角标出。");
inline constexpr Text kEven = TAVRINO_TEXT("ReportTexts", "节奏均匀");
inline constexpr Text kEvenValue = TAVRINO_TEXT("ReportTexts", "%1 个里有 %2 个接近平常");
inline constexpr Text kEvenTip = TAVRINO_TEXT(
    "ReportTexts", "用时在平常的一半到一倍半之间的数字算接近平常；接近平常的越多，节奏越均匀。");
inline constexpr Text kHalves = TAVRINO_TEXT("ReportTexts", "后一半比前一半");
inline constexpr Text kFaster = TAVRINO_TEXT("ReportTexts", "每个数字快 %1 秒");
inline constexpr Text kSlower = TAVRINO_TEXT("ReportTexts", "每个数字慢 %1 秒");
inline constexpr Text kSame = TAVRINO_TEXT("ReportTexts", "一样快");
inline constexpr Text kHalvesValue =
    TAVRINO_TEXT("ReportTexts", "%1（前一半平均 %2 秒，后一半平均 %3 秒）");
inline constexpr Text kHalvesTip =
    TAVRINO_TEXT("ReportTexts", "把数字分成前后两半，比较每个数字平均用的时间。");
inline constexpr Text kTooFew = TAVRINO_TEXT("ReportTexts", "数字太少，还看不出节奏。");

// The copied table of every number.
inline constexpr Text kTableHeader =
    TAVRINO_TEXT("ReportTexts", "数字\t找数字(秒)\t打数字(秒)\t共(秒)");

// The pupil's progress, from the class log.
inline constexpr Text kProgressTitle = TAVRINO_TEXT("ReportTexts", "我的进步");
inline constexpr Text kProgressReading = TAVRINO_TEXT("ReportTexts", "正在读取…");
inline constexpr Text kProgressUnreadable =
    TAVRINO_TEXT("ReportTexts", "现在读不到班级记录，看不到以前的成绩。");
inline constexpr Text kFirstTime = TAVRINO_TEXT("ReportTexts", "这是你第一次玩 %1 级。");
inline constexpr Text kNthTime = TAVRINO_TEXT("ReportTexts", "这是你第 %1 次玩 %2 级。");
inline constexpr Text kBestSoFar = TAVRINO_TEXT("ReportTexts", "最好成绩 %1（%2）。");
inline constexpr Text kBestNumbersLasted = TAVRINO_TEXT("ReportTexts", "%1 个数字，持续 %2 秒");
inline constexpr Text kNeverWon = TAVRINO_TEXT("ReportTexts", "还没有挑战成功过。");
inline constexpr Text kToday = TAVRINO_TEXT("ReportTexts", "今天");
inline constexpr Text kMonthDay = TAVRINO_TEXT("ReportTexts", "%1 月 %2 日");
inline constexpr Text kQuicker = TAVRINO_TEXT("ReportTexts", "这一轮比上一次快 %1 秒。");
inline constexpr Text kSlowerThanLast = TAVRINO_TEXT("ReportTexts", "这一轮比上一次慢 %1 秒。");
inline constexpr Text kAsQuick = TAVRINO_TEXT("ReportTexts", "这一轮和上一次一样快。");
inline constexpr Text kMore = TAVRINO_TEXT("ReportTexts", "这一轮比上一次多 %1 个数字。");
inline constexpr Text kFewer = TAVRINO_TEXT("ReportTexts", "这一轮比上一次少 %1 个数字。");
inline constexpr Text kAsMany = TAVRINO_TEXT("ReportTexts", "这一轮和上一次一样多。");
inline constexpr Text kDoneNow = TAVRINO_TEXT("ReportTexts", "上一次没有完成，这一轮完成了。");
inline constexpr Text kNotDone = TAVRINO_TEXT("ReportTexts", "这一轮没有完成。");

inline constexpr Text kRounds = TAVRINO_TEXT("ReportTexts", "本次运行的各轮");
inline constexpr Text kSave = TAVRINO_TEXT("ReportTexts", "保存图片");
inline constexpr Text kClose = TAVRINO_TEXT("ReportTexts", "关闭");
inline constexpr Text kImageFiles = TAVRINO_TEXT("ReportTexts", "PNG 图片 (*.png)");
inline constexpr Text kCopied =
    TAVRINO_TEXT("ReportTexts", "已复制：本轮分析和每个数字的用时，可以粘贴到表格里。");

} // namespace ReportTexts
