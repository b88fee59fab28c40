// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/ranged/rangedscreen.h"

#include "challenges/challengelayout.h"
#include "challenges/challengescreen.h"
#include "challenges/ranged/rangedmodel.h"

using namespace ChallengeLayout;
using Layout::at;

namespace {

const Layout::Table &form1()
{
    static const Layout::Table table{
        .name = "Form1",
        .context = "ChallengeScreen",
        .icon = kIcon,
        .clientWidth = kClientWidth,
        .clientHeight = kClientHeight,
        .rows =
            {
                at(kTitle, 1200, 240, 6945, 975),
                at(kLevel, 8280, -1200, 2895, 4575),
                at(kName, 11280, 360, 3855, 796),
                at(kSchool, 11280, 3240, 3975, 495),
                at(kMinutes, 2280, 1440, 1395, 1200),
                at(kColon, 3795, 1440, 645, 1200),
                at(kSecondsLeft, 4560, 1440, 1395, 1200),
                at(kUpperPoint, 6060, 1440, 540, 1200),
                at(kHundredthsLeft, 6720, 1440, 1395, 1200),
                at(kSecondsUsed, 3345, 2640, 2595, 1200),
                at(kLowerPoint, 6060, 2640, 540, 1200),
                at(kHundredthsUsed, 6720, 2640, 1395, 1200),
                at(kBestHeading, 11760, 1440, 3135, 615),
                at(kBest, 11520, 2160, 2655, 855),
                {.name = "Label18",
                 .left = 14280,
                 .top = 2280,
                 .width = 855,
                 .height = 735,
                 .font = songti(36),
                 .text = kDarkBlue,
                 .align = Align::Right,
                 .designText = QT_TRANSLATE_NOOP("ChallengeScreen", "秒"),
                 .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "单位")},
                at(kMessage, 3000, 3840, 8775, 615),
                {.name = "Text1",
                 .role = role(Control::Text1),
                 .kind = Kind::AnswerBox,
                 .left = 4800,
                 .top = 4560,
                 .width = 6975,
                 .height = 4575,
                 .font = heiti(219.75, true),
                 .text = kRed,
                 .align = Align::Right,
                 .designText = "789",
                 .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "下一个数字")},
                {.name = "Label4",
                 .role = role(Control::Label4),
                 .left = 720,
                 .top = 5280,
                 .width = 3855,
                 .height = 2565,
                 .font = heiti(120, true),
                 .text = kBlue,
                 .align = Align::Right,
                 .designText = "789",
                 .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "上一个正确数字")},
                at(kMark, 11760, 6840, 1695, 1695),
                at(kPlayAgain, 12480, 4680, 1984, 597),
                at(kStart, 12480, 5520, 1984, 597),
                at(kBack, 120, 9360, 1984, 597),
                at(kRuleLine, 3360, 9360, 10215, 735),
                // The success picture lies over the last number and covers it while shown.
                {.name = "Picture1",
                 .role = role(Control::Picture1),
                 .kind = Kind::Picture,
                 .left = 120,
                 .top = 4560,
                 .width = 4575,
                 .height = 4575,
                 .picture = "success",
                 .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "成功图片")},
                at(kReportLink, 12480, 6240, 1984, 495),
            },
        .tabOrder = kTabOrder,
    };
    return table;
}

} // namespace

const ChallengeScreen &rangedScreen()
{
    static const ChallengeScreen screen{.makeRules = &rulesOf<RangedModel>,
                                        .layout = &form1,
                                        .best = ChallengeScreen::Best::FastestSuccess};
    return screen;
}
