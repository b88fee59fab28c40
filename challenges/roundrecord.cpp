// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/roundrecord.h"

#include "core/text.h"

namespace {

Text ending(RoundEnding e)
{
    switch (e) {
    case RoundEnding::Success:
        return TAVRINO_TEXT("RoundEnding", "挑战成功");
    case RoundEnding::WrongNumber:
        return TAVRINO_TEXT("RoundEnding", "数字错误");
    case RoundEnding::Backspace:
        return TAVRINO_TEXT("RoundEnding", "按了退格键");
    case RoundEnding::NonDigit:
        return TAVRINO_TEXT("RoundEnding", "按了非数字键");
    case RoundEnding::Gap:
        return TAVRINO_TEXT("RoundEnding", "停顿超过2秒");
    case RoundEnding::TimeUp:
        return TAVRINO_TEXT("RoundEnding", "时间到");
    case RoundEnding::Back:
        break;
    }
    return TAVRINO_TEXT("RoundEnding", "中途返回");
}

} // namespace

QString endingText(RoundEnding e)
{
    return utf8(ending(e).source);
}

QString shownEnding(RoundEnding e)
{
    return translated(ending(e));
}
