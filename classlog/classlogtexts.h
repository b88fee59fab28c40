// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/text.h"

// Texts of the class log: its header and what a teacher is told when the
// file cannot be written. %1, %2 ... are filled in with QString::arg.
namespace ClassLogTexts {

// The header of a new file, in the round report's words; files begun by an
// earlier version keep theirs, which names the same columns in the same order.
inline constexpr char kHeader[] =
    "开始时间,计算机,姓名,级别,结束方式,成绩,正确数字,用时(秒),平常用时(毫秒),停顿";
inline constexpr char kEarlierHeader[] =
    "开始时间,计算机,姓名,级别,结束方式,成绩,正确数字,用时(秒),中位用时(毫秒),失误";

// Why a file cannot be used, beyond why any file cannot be written
// (core/fileproblem).
inline constexpr Text kNoFile = TAVRINO_TEXT("ClassLogTexts", "没有给出文件名");
inline constexpr Text kCannotLock =
    TAVRINO_TEXT("ClassLogTexts", "无法在文件旁边建立锁文件，文件夹不允许写入");
// Another copy holds the lock, or another program (a spreadsheet) the file.
inline constexpr Text kInUse = TAVRINO_TEXT("ClassLogTexts", "另一个程序正在使用这个文件");

inline constexpr Text kTitle = TAVRINO_TEXT("ClassLogTexts", "班级记录");
// At start-up: the path and the reason.
inline constexpr Text kUnusable = TAVRINO_TEXT(
    "ClassLogTexts", "班级记录无法使用：%1\n原因：%2\n游戏照常进行，本次不写班级记录。");
inline constexpr Text kUnusableLine = TAVRINO_TEXT(
    "ClassLogTexts", "tavrino: 班级记录无法使用：%1（%2），游戏照常进行，本次不写班级记录。");
// While playing: how many rounds wait (%1), where (%2, one of the two
// below) and, for a failed write, why (%3).
inline constexpr Text kInUseNote = TAVRINO_TEXT(
    "ClassLogTexts", "另一个程序正在使用班级记录，有 %1 轮成绩%2，文件空出来后会自动写入。");
inline constexpr Text kNotAnswering =
    TAVRINO_TEXT("ClassLogTexts", "班级记录所在的文件夹没有响应，有 %1 轮成绩%2，游戏照常进行。");
inline constexpr Text kWaiting =
    TAVRINO_TEXT("ClassLogTexts", "有 %1 轮成绩还没有写入班级记录（%3），%2，稍后会自动再试。");
inline constexpr Text kKeptHere = TAVRINO_TEXT("ClassLogTexts", "先存在这台电脑上");
inline constexpr Text kKeptInMemory = TAVRINO_TEXT("ClassLogTexts", "先留在内存里");
// Why rounds were not written at quit, when the folder never answered.
inline constexpr Text kNoAnswer = TAVRINO_TEXT("ClassLogTexts", "文件夹没有响应");
// At quit: rounds that wait on this computer for the next start (the log,
// why, the folder they wait in).
inline constexpr Text kKept =
    TAVRINO_TEXT("ClassLogTexts", "有 %1 轮成绩还没有写入班级记录：%2\n原因：%3\n"
                                  "这些成绩已经存在这台电脑上（%4），下次启动游戏时会自动写入。");
inline constexpr Text kKeptLine = TAVRINO_TEXT(
    "ClassLogTexts",
    "tavrino: 有 %1 轮成绩还没有写入班级记录 %2（%3），已存在这台电脑上的 %4，下次启动游戏时写入");
// At quit, rounds that even this computer could not keep.
inline constexpr Text kLost =
    TAVRINO_TEXT("ClassLogTexts", "有 %1 轮成绩没能写入班级记录：%2\n原因：%3");
inline constexpr Text kLostLine =
    TAVRINO_TEXT("ClassLogTexts", "tavrino: 有 %1 轮成绩没能写入班级记录 %2（%3）");
// Added to the reason when this computer's folder could not keep them.
inline constexpr Text kNotKeptHere =
    TAVRINO_TEXT("ClassLogTexts", "%1；这台电脑上的 %2 也存不下：%3");
// A class list the game cannot read: the name box offers no names.
inline constexpr Text kRosterUnreadableLine =
    TAVRINO_TEXT("ClassLogTexts", "tavrino: 读不到班级名单 %1（%2），名字框不提供名单上的名字");

} // namespace ClassLogTexts
