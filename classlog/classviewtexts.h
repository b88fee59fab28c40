// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/text.h"

// Texts of the class view, the teacher's look at the class log. %1, %2 ...
// are filled in with QString::arg.
namespace ClassViewTexts {

inline constexpr Text kTitle = TAVRINO_TEXT("ClassViewTexts", "班级记录");
inline constexpr Text kLevel = TAVRINO_TEXT("ClassViewTexts", "%1级");

// The table's columns before the levels'.
inline constexpr Text kName = TAVRINO_TEXT("ClassViewTexts", "姓名");
inline constexpr Text kHosts = TAVRINO_TEXT("ClassViewTexts", "计算机");
inline constexpr Text kRounds = TAVRINO_TEXT("ClassViewTexts", "轮数");
inline constexpr Text kLast = TAVRINO_TEXT("ClassViewTexts", "最近一次");
// A pupil who played on several computers: the first and how many.
inline constexpr Text kHostsMore = TAVRINO_TEXT("ClassViewTexts", "%1 等 %2 台");
// With a class list: a listed pupil without a round in the days, a name in
// the log that is not on the list, and counting it as a listed pupil's.
inline constexpr Text kNoRoundsYet = TAVRINO_TEXT("ClassViewTexts", "还没有成绩");
inline constexpr Text kNotListed = TAVRINO_TEXT("ClassViewTexts", "不在名单上");
inline constexpr char kNumberAndName[] = "%1 %2";
inline constexpr Text kNameNotListed = TAVRINO_TEXT("ClassViewTexts", "%1（不在名单上）");
inline constexpr Text kCountAs = TAVRINO_TEXT("ClassViewTexts", "算作名单上的学生…");
inline constexpr Text kCountAsTitle = TAVRINO_TEXT("ClassViewTexts", "算作名单上的学生");
inline constexpr Text kCountAsWho =
    TAVRINO_TEXT("ClassViewTexts", "记录里的“%1”是名单上的哪一名学生？");
inline constexpr Text kCountAsSure = TAVRINO_TEXT(
    "ClassViewTexts",
    "把记录里的“%1”算作名单上的“%2”？\n班级名单 %3 里会加上一行“%1=%2”，班级记录不会改动。");
inline constexpr Text kCannotCount =
    TAVRINO_TEXT("ClassViewTexts", "无法写入班级名单 %1\n原因：%2");
// The two pages of the view, and the lesson board's tiles.
inline constexpr Text kPupilsPage = TAVRINO_TEXT("ClassViewTexts", "学生");
inline constexpr Text kLessonPage = TAVRINO_TEXT("ClassViewTexts", "本节课");
inline constexpr Text kNoLessonYet = TAVRINO_TEXT("ClassViewTexts", "今天还没有电脑写入成绩。");
inline constexpr Text kTileLine = TAVRINO_TEXT("ClassViewTexts", "%1级 · %2");
inline constexpr Text kJustNow = TAVRINO_TEXT("ClassViewTexts", "刚刚");
inline constexpr Text kMinutesAgo = TAVRINO_TEXT("ClassViewTexts", "%1 分钟前");
inline constexpr Text kHoursAgo = TAVRINO_TEXT("ClassViewTexts", "%1 小时前");
inline constexpr Text kIdle = TAVRINO_TEXT("ClassViewTexts", "空闲");
inline constexpr Text kCannotReadList =
    TAVRINO_TEXT("ClassViewTexts", "读不到班级名单 %1（%2），按记录里的名字显示。");
// Level columns' heads, with the unit of their figures.
inline constexpr Text kInSeconds = TAVRINO_TEXT("ClassViewTexts", "%1(秒)");
inline constexpr Text kInNumbers = TAVRINO_TEXT("ClassViewTexts", "%1(个)");
inline constexpr Text kInNumbersAndSeconds = TAVRINO_TEXT("ClassViewTexts", "%1(个·秒)");
inline constexpr Text kDurationOf = TAVRINO_TEXT("ClassViewTexts", "%1用时(秒)");

inline constexpr Text kSearch = TAVRINO_TEXT("ClassViewTexts", "查找姓名");
inline constexpr Text kRange = TAVRINO_TEXT("ClassViewTexts", "时间");
inline constexpr Text kThisWeek = TAVRINO_TEXT("ClassViewTexts", "本周");
inline constexpr Text kThisMonth = TAVRINO_TEXT("ClassViewTexts", "本月");
inline constexpr Text kAll = TAVRINO_TEXT("ClassViewTexts", "全部");
inline constexpr Text kFromTo = TAVRINO_TEXT("ClassViewTexts", "从…到…");
inline constexpr Text kTo = TAVRINO_TEXT("ClassViewTexts", "到");

inline constexpr Text kSummary =
    TAVRINO_TEXT("ClassViewTexts", "%1 名学生 · %2 轮 · %3 天里平均每天 %4 轮");
inline constexpr Text kNoRounds =
    TAVRINO_TEXT("ClassViewTexts", "这个班级记录里还没有成绩：学生玩完一轮，这里就会出现。");
inline constexpr Text kNotALog =
    TAVRINO_TEXT("ClassViewTexts", "这个文件不是班级记录：里面没有一行是游戏写的成绩。");
inline constexpr Text kSkipped = TAVRINO_TEXT("ClassViewTexts", "有 %1 行没有读入：%2。");
inline constexpr Text kSkippedForeign = TAVRINO_TEXT("ClassViewTexts", "%1 行不是游戏写的成绩");
inline constexpr Text kSkippedTorn = TAVRINO_TEXT("ClassViewTexts", "%1 行正在写入，写完后会读入");
inline constexpr Text kReadingTitle = TAVRINO_TEXT("ClassViewTexts", "正在读入班级记录");
inline constexpr Text kReading = TAVRINO_TEXT("ClassViewTexts", "正在读入班级记录，请稍候……");

// The selected pupil's level.
inline constexpr Text kProgress = TAVRINO_TEXT("ClassViewTexts", "%1 的 %2 进步情况");
inline constexpr Text kPickPupil =
    TAVRINO_TEXT("ClassViewTexts", "在上面的表格里选一名学生，这里显示他每一级的进步。");
inline constexpr Text kDayBest = TAVRINO_TEXT("ClassViewTexts", "当天最好");
inline constexpr Text kThisRound = TAVRINO_TEXT("ClassViewTexts", "这一轮");
inline constexpr Text kLimitLine = TAVRINO_TEXT("ClassViewTexts", "时限 %1 秒");
inline constexpr Text kAxisSeconds = TAVRINO_TEXT("ClassViewTexts", "秒");
inline constexpr Text kAxisNumbers = TAVRINO_TEXT("ClassViewTexts", "个");
inline constexpr Text kWhen = TAVRINO_TEXT("ClassViewTexts", "时间");
inline constexpr Text kEnding = TAVRINO_TEXT("ClassViewTexts", "结束方式");
inline constexpr Text kResult = TAVRINO_TEXT("ClassViewTexts", "成绩");
inline constexpr Text kNumbersColumn = TAVRINO_TEXT("ClassViewTexts", "正确数字");
inline constexpr Text kDuration = TAVRINO_TEXT("ClassViewTexts", "用时(秒)");
inline constexpr Text kFile = TAVRINO_TEXT("ClassViewTexts", "文件");
inline constexpr Text kFiles = TAVRINO_TEXT("ClassViewTexts", "%1 个文件：%2");

inline constexpr Text kSortKeys =
    TAVRINO_TEXT("ClassViewTexts", "Ctrl+↑ 按当前列从小到大排序，Ctrl+↓ 从大到小");
inline constexpr Text kRoundsList = TAVRINO_TEXT("ClassViewTexts", "这一级的每一轮");
inline constexpr Text kChart = TAVRINO_TEXT("ClassViewTexts", "进步图");
// Under the printed table's title: file, pupils shown, days, date printed.
inline constexpr Text kPrintedAbout =
    TAVRINO_TEXT("ClassViewTexts", "文件：%1 · 显示 %2 名学生 · 时间：%3 · 打印日期：%4");
inline constexpr Text kExport = TAVRINO_TEXT("ClassViewTexts", "导出CSV");
inline constexpr Text kCsvFiles = TAVRINO_TEXT("ClassViewTexts", "CSV 表格 (*.csv)");
inline constexpr Text kCopied =
    TAVRINO_TEXT("ClassViewTexts", "已复制表格，可以粘贴到电子表格里。");
inline constexpr Text kOpenLog = TAVRINO_TEXT("ClassViewTexts", "打开班级记录");
inline constexpr Text kLogFiles = TAVRINO_TEXT("ClassViewTexts", "班级记录 (*.csv);;所有文件 (*)");
inline constexpr Text kCannotRead =
    TAVRINO_TEXT("ClassViewTexts", "无法读取班级记录：%1\n原因：%2");
inline constexpr Text kCannotReadLine =
    TAVRINO_TEXT("ClassViewTexts", "tavrino: 无法读取班级记录：%1（%2）");

} // namespace ClassViewTexts
