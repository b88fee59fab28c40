// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/leveltable.h"

#include "challenges/challengescreen.h"
#include "challenges/endurance/endurancescreen.h"
#include "challenges/openended/openendedscreen.h"
#include "challenges/ranged/rangedscreen.h"
#include "core/text.h"

#include <iterator>

namespace {

struct LevelRow {
    // The screen that serves the level, from its folder.
    const ChallengeScreen &(*screen)();
    int limitMinutes;
    int target;
    const char *startRule;
    const char *challengeRule;
};

// Rule lines are shown character for character; several end in a blank, and the
// challenge lines of levels 7 and 8 differ from their start-screen lines.
constexpr LevelRow kLevels[]{
    {&rangedScreen, 5, 50,
     QT_TRANSLATE_NOOP("LevelTable", "1级规则: 5分钟 不限次 连续输入数字 1-50 "),
     QT_TRANSLATE_NOOP("LevelTable", "1级规则: 5分钟 不限次 连续输入数字 1-50 ")},
    {&rangedScreen, 5, 100,
     QT_TRANSLATE_NOOP("LevelTable", "2级规则: 5分钟 不限次 连续输入数字 1-100 "),
     QT_TRANSLATE_NOOP("LevelTable", "2级规则: 5分钟 不限次 连续输入数字 1-100 ")},
    {&rangedScreen, 6, 150,
     QT_TRANSLATE_NOOP("LevelTable", "3级规则: 6分钟 不限次 连续输入数字 1-150 "),
     QT_TRANSLATE_NOOP("LevelTable", "3级规则: 6分钟 不限次 连续输入数字 1-150 ")},
    {&rangedScreen, 6, 200,
     QT_TRANSLATE_NOOP("LevelTable", "4级规则: 6分钟 不限次 连续输入数字 1-200 "),
     QT_TRANSLATE_NOOP("LevelTable", "4级规则: 6分钟 不限次 连续输入数字 1-200 ")},
    {&rangedScreen, 7, 250,
     QT_TRANSLATE_NOOP("LevelTable", "5级规则: 7分钟 不限次 连续输入数字 1-250 "),
     QT_TRANSLATE_NOOP("LevelTable", "5级规则: 7分钟 不限次 连续输入数字 1-250 ")},
    {&rangedScreen, 7, 300,
     QT_TRANSLATE_NOOP("LevelTable", "6级规则: 7分钟 不限次 连续输入数字 1-300 "),
     QT_TRANSLATE_NOOP("LevelTable", "6级规则: 7分钟 不限次 连续输入数字 1-300 ")},
    {&openEndedScreen, 5, 0, QT_TRANSLATE_NOOP("LevelTable", "7级规则: 5分钟 不限位 不能改 "),
     QT_TRANSLATE_NOOP("LevelTable", "7级规则: 5分钟  不限位 不能改")},
    {&openEndedScreen, 7, 0, QT_TRANSLATE_NOOP("LevelTable", "8级规则: 7分钟 不限位 不能改 "),
     QT_TRANSLATE_NOOP("LevelTable", "8级规则: 7分钟  不限位 不能改 ")},
    {&enduranceScreen, 0, 0,
     QT_TRANSLATE_NOOP("LevelTable", "9级规则: 不限时 不限位 不能改 按键间隔小于2秒"),
     QT_TRANSLATE_NOOP("LevelTable", "9级规则: 不限时 不限位 不能改 按键间隔小于2秒")},
};

const LevelRow *row(int level)
{
    if (level < LevelTable::kFirstLevel || level > LevelTable::lastLevel())
        return nullptr;
    return &kLevels[static_cast<std::size_t>(level - LevelTable::kFirstLevel)];
}

} // namespace

namespace LevelTable {

int lastLevel()
{
    return kFirstLevel + int(std::size(kLevels)) - 1;
}

const ChallengeScreen *screen(int level)
{
    const LevelRow *r = row(level);
    return r ? &r->screen() : nullptr;
}

QString startRuleLine(int level)
{
    const LevelRow *r = row(level);
    return r ? translated("LevelTable", r->startRule) : QString();
}

QString challengeRuleLine(int level)
{
    const LevelRow *r = row(level);
    return r ? translated("LevelTable", r->challengeRule) : QString();
}

QString limitMinutesCaption(int level)
{
    const LevelRow *r = row(level);
    return r && r->limitMinutes > 0 ? QString::number(r->limitMinutes) : QString();
}

qint32 limitMilliseconds(int level)
{
    const LevelRow *r = row(level);
    return r ? r->limitMinutes * 60'000 : 0;
}

int target(int level)
{
    const LevelRow *r = row(level);
    return r ? r->target : 0;
}

} // namespace LevelTable
