// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Texts of the class view, the teacher's look at the class log. %1, %2 ...
// are filled in with QString::arg.
namespace ClassViewTexts {

inline constexpr char kTitle[] = "班级记录";
inline constexpr char kLevel[] = "%1级";

// The table's columns before the levels'.
inline constexpr char kName[] = "姓名";
inline constexpr char kHosts[] = "计算机";
inline constexpr char kRounds[] = "轮数";
inline constexpr char kLast[] = "最近一次";
// A pupil who played on several computers: the first and how many.
inline constexpr char kHostsMore[] = "%1 等 %2 台";
// With a class list: a listed pupil without a round in the days, a name in
// the log that is not on the list, and counting it as a listed pupil's.
inline constexpr char kNoRoundsYet[] = "还没有成绩";
inline constexpr char kNotListed[] = "不在名单上";
inline constexpr char kNumberAndName[] = "%1 %2";
inline constexpr char kNameNotListed[] = "%1（不在名单上）";
inline constexpr char kCountAs[] = "算作名单上的学生…";
inline constexpr char kCountAsTitle[] = "算作名单上的学生";
inline constexpr char kCountAsWho[] = "记录里的“%1”是名单上的哪一名学生？";
inline constexpr char kCountAsSure[] =
    "把记录里的“%1”算作名单上的“%2”？\n班级名单 %3 里会加上一行“%1=%2”，班级记录不会改动。";
inline constexpr char kCannotCount[] = "无法写入班级名单 %1\n原因：%2";
// The two pages of the view, and the lesson board's tiles.
inline constexpr char kPupilsPage[] = "学生";
inline constexpr char kLessonPage[] = "本节课";
inline constexpr char kNoLessonYet[] = "今天还没有电脑写入成绩。";
inline constexpr char kTileLine[] = "%1级 · %2";
inline constexpr char kJustNow[] = "刚刚";
inline constexpr char kMinutesAgo[] = "%1 分钟前";
inline constexpr char kHoursAgo[] = "%1 小时前";
inline constexpr char kIdle[] = "空闲";
inline constexpr char kCannotReadList[] = "读不到班级名单 %1（%2），按记录里的名字显示。";
// Level columns' heads, with the unit of their figures.
inline constexpr char kInSeconds[] = "%1(秒)";
inline constexpr char kInNumbers[] = "%1(个)";
inline constexpr char kInNumbersAndSeconds[] = "%1(个·秒)";
inline constexpr char kDurationOf[] = "%1用时(秒)";

inline constexpr char kSearch[] = "查找姓名";
inline constexpr char kRange[] = "时间";
inline constexpr char kThisWeek[] = "本周";
inline constexpr char kThisMonth[] = "本月";
inline constexpr char kAll[] = "全部";
inline constexpr char kFromTo[] = "从…到…";
inline constexpr char kTo[] = "到";

inline constexpr char kSummary[] = "%1 名学生 · %2 轮 · %3 天里平均每天 %4 轮";
inline constexpr char kNoRounds[] = "这个班级记录里还没有成绩：学生玩完一轮，这里就会出现。";
inline constexpr char kNotALog[] = "这个文件不是班级记录：里面没有一行是游戏写的成绩。";
inline constexpr char kSkipped[] = "有 %1 行没有读入：%2。";
inline constexpr char kSkippedForeign[] = "%1 行不是游戏写的成绩";
inline constexpr char kSkippedTorn[] = "%1 行正在写入，写完后会读入";
inline constexpr char kReadingTitle[] = "正在读入班级记录";
inline constexpr char kReading[] = "正在读入班级记录，请稍候……";

// The selected pupil's level.
inline constexpr char kProgress[] = "%1 的 %2 进步情况";
inline constexpr char kPickPupil[] = "在上面的表格里选一名学生，这里显示他每一级的进步。";
inline constexpr char kDayBest[] = "当天最好";
inline constexpr char kThisRound[] = "这一轮";
inline constexpr char kLimitLine[] = "时限 %1 秒";
inline constexpr char kAxisSeconds[] = "秒";
inline constexpr char kAxisNumbers[] = "个";
inline constexpr char kWhen[] = "时间";
inline constexpr char kEnding[] = "结束方式";
inline constexpr char kResult[] = "成绩";
inline constexpr char kNumbersColumn[] = "正确数字";
inline constexpr char kDuration[] = "用时(秒)";
inline constexpr char kFile[] = "文件";
inline constexpr char kFiles[] = "%1 个文件：%2";

inline constexpr char kSortKeys[] = "Ctrl+↑ 按当前列从小到大排序，Ctrl+↓ 从大到小";
inline constexpr char kRoundsList[] = "这一级的每一轮";
inline constexpr char kChart[] = "进步图";
// Under the printed table's title: file, pupils shown, days, date printed.
inline constexpr char kPrintedAbout[] = "文件：%1 · 显示 %2 名学生 · 时间：%3 · 打印日期：%4";
inline constexpr char kExport[] = "导出CSV";
inline constexpr char kCsvFiles[] = "CSV 表格 (*.csv)";
inline constexpr char kCopied[] = "已复制表格，可以粘贴到电子表格里。";
inline constexpr char kOpenLog[] = "打开班级记录";
inline constexpr char kLogFiles[] = "班级记录 (*.csv);;所有文件 (*)";
inline constexpr char kCannotRead[] = "无法读取班级记录：%1\n原因：%2";
inline constexpr char kCannotReadLine[] = "tavrino: 无法读取班级记录：%1（%2）";

} // namespace ClassViewTexts
