// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Texts of the round report, in words a pupil of ten reads. %1, %2 ... are
// filled in with QString::arg.
namespace ReportTexts {

inline constexpr char kTitle[] = "本轮分析";
inline constexpr char kLevel[] = "%1级";
inline constexpr char kSeconds[] = "%1 秒";
inline constexpr char kNumbers[] = "%1 个数字";
inline constexpr char kLasted[] = "持续 %1 秒";
inline constexpr char kResult[] = "成绩 %1";

// The chart.
inline constexpr char kFinding[] = "找数字";
inline constexpr char kTyping[] = "打数字";
inline constexpr char kPause[] = "停顿";
inline constexpr char kFirstNumber[] = "第1个数字";
inline constexpr char kEnding[] = "结束：%1";
inline constexpr char kTypicalLine[] = "平常 %1秒";
inline constexpr char kGapLine[] = "2秒";
inline constexpr char kAxisSeconds[] = "秒";
inline constexpr char kAxisNumbers[] = "数字";
inline constexpr char kChartName[] = "节奏图";
inline constexpr char kPointedNumber[] = "第 %1 个数字：找 %2 秒，打 %3 秒，共 %4 秒";
inline constexpr char kPointedFirst[] =
    "第 1 个数字：共 %1 秒，从按“开始”算起，包括把手放到键盘上的时间，所以不算进下面的统计";
inline constexpr char kPointedGroup[] = "第 %1–%2 个数字：平常 %3 秒，最慢 %4 秒";
inline constexpr char kPointedEnding[] = "结束（%1）：最后一个正确数字之后 %2 秒";
inline constexpr char kPointHint[] = "把鼠标移到柱子或下面的说明上，或用方向键，可以看到详细内容";

// The figures, each with what it means.
inline constexpr char kCount[] = "正确数字";
inline constexpr char kCountTip[] = "这一轮正确输入的数字个数。";
inline constexpr char kPerMinute[] = "每分钟";
inline constexpr char kPerMinuteValue[] = "%1 个";
inline constexpr char kPerMinuteTip[] = "从按“开始”到最后一个回车，平均每分钟输入的数字个数。";
inline constexpr char kTypical[] = "平常每个数字";
inline constexpr char kTypicalValue[] = "%1 秒（找 %2 + 打 %3）";
inline constexpr char kTypicalTip[] = "大多数数字用的时间都在这附近：一半数字比它快，一半比它慢。第"
                                      " 1 个数字从按“开始”算起，不算在内。";
inline constexpr char kSlowest[] = "最慢的数字";
inline constexpr char kSlowValue[] = "第 %1 个 %2 秒";
inline constexpr char kSlowestTip[] = "用时最长的几个数字（第 1 个数字不算）。";
inline constexpr char kPauses[] = "停顿";
inline constexpr char kTimes[] = "%1 次";
inline constexpr char kPausesTip[] = "用时超过平常两倍的数字，在图上用红色三角标出。";
inline constexpr char kEven[] = "节奏均匀";
inline constexpr char kEvenValue[] = "%1 个里有 %2 个接近平常";
inline constexpr char kEvenTip[] =
    "用时在平常的一半到一倍半之间的数字算接近平常；接近平常的越多，节奏越均匀。";
inline constexpr char kHalves[] = "后一半比前一半";
inline constexpr char kFaster[] = "每个数字快 %1 秒";
inline constexpr char kSlower[] = "每个数字慢 %1 秒";
inline constexpr char kSame[] = "一样快";
inline constexpr char kHalvesValue[] = "%1（前一半平均 %2 秒，后一半平均 %3 秒）";
inline constexpr char kHalvesTip[] = "把数字分成前后两半，比较每个数字平均用的时间。";
inline constexpr char kTooFew[] = "数字太少，还看不出节奏。";

// The copied table of every number.
inline constexpr char kTableHeader[] = "数字\t找数字(秒)\t打数字(秒)\t共(秒)";

// The pupil's progress, from the class log.
inline constexpr char kProgressTitle[] = "我的进步";
inline constexpr char kProgressReading[] = "正在读取…";
inline constexpr char kProgressUnreadable[] = "现在读不到班级记录，看不到以前的成绩。";
inline constexpr char kFirstTime[] = "这是你第一次玩 %1 级。";
inline constexpr char kNthTime[] = "这是你第 %1 次玩 %2 级。";
inline constexpr char kBestSoFar[] = "最好成绩 %1（%2）。";
inline constexpr char kBestNumbersLasted[] = "%1 个数字，持续 %2 秒";
inline constexpr char kNeverWon[] = "还没有挑战成功过。";
inline constexpr char kToday[] = "今天";
inline constexpr char kMonthDay[] = "%1 月 %2 日";
inline constexpr char kQuicker[] = "这一轮比上一次快 %1 秒。";
inline constexpr char kSlowerThanLast[] = "这一轮比上一次慢 %1 秒。";
inline constexpr char kAsQuick[] = "这一轮和上一次一样快。";
inline constexpr char kMore[] = "这一轮比上一次多 %1 个数字。";
inline constexpr char kFewer[] = "这一轮比上一次少 %1 个数字。";
inline constexpr char kAsMany[] = "这一轮和上一次一样多。";
inline constexpr char kDoneNow[] = "上一次没有完成，这一轮完成了。";
inline constexpr char kNotDone[] = "这一轮没有完成。";

inline constexpr char kRounds[] = "本次运行的各轮";
inline constexpr char kSave[] = "保存图片";
inline constexpr char kClose[] = "关闭";
inline constexpr char kImageFiles[] = "PNG 图片 (*.png)";
inline constexpr char kCopied[] = "已复制：本轮分析和每个数字的用时，可以粘贴到表格里。";

} // namespace ReportTexts
