// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/roundrecord.h"

QString endingText(RoundEnding ending)
{
    switch (ending) {
    case RoundEnding::Success:
        return QStringLiteral("挑战成功");
    case RoundEnding::WrongNumber:
        return QStringLiteral("数字错误");
    case RoundEnding::Backspace:
        return QStringLiteral("按了退格键");
    case RoundEnding::NonDigit:
        return QStringLiteral("按了非数字键");
    case RoundEnding::Gap:
        return QStringLiteral("停顿超过2秒");
    case RoundEnding::TimeUp:
        return QStringLiteral("时间到");
    case RoundEnding::Back:
        break;
    }
    return QStringLiteral("中途返回");
}
