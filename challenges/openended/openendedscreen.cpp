// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/openended/openendedscreen.h"

#include "challenges/challengelayout.h"
#include "challenges/challengescreen.h"
#include "challenges/openended/openendedmodel.h"

using namespace ChallengeLayout;
using Layout::at;

namespace {

const Layout::Table &form789()
{
    static const Layout::Table table{
        .name = "Form789",
        .context = "ChallengeScreen",
        .icon = kIcon,
        .clientWidth = kClientWidth,
        .clientHeight = kClientHeight,
        .rows = Layout::joined({
            {
                at(kTitle, 1200, 240, 6945, 975),
                at(kLevel, 8280, -1080, 2895, 4575),
                at(kName, 11280, 360, 3855, 796),
                at(kSchool, 11280, 3480, 3975, 735),
                at(kMinutes, 240, 1440, 2355, 1200),
                at(kColon, 2715, 1440, 645, 1200),
                at(kSecondsLeft, 3480, 1440, 1395, 1200),
                at(kUpperPoint, 4980, 1440, 540, 1200),
                at(kHundredthsLeft, 5640, 1440, 1395, 1200),
                at(kSecondsUsed, 2265, 2760, 2595, 1200),
                at(kLowerPoint, 4980, 2760, 540, 1200),
                at(kHundredthsUsed, 5640, 2760, 1395, 1200),
                at(kBestHeading, 11880, 1560, 2535, 615),
                at(kBest, 11520, 2400, 2775, 975),
                {.name = "Label18",
                 .left = 14280,
                 .top = 2520,
                 .width = 855,
                 .height = 735,
                 .font = songti(36),
                 .text = kDarkBlue,
                 .align = Align::Right,
                 .designText = QT_TRANSLATE_NOOP("ChallengeScreen", "位"),
                 .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "单位")},
                at(kMessage, 3000, 4080, 8775, 615),
            },
            answerArea789(),
            {
                {.name = "Label19",
                 .role = role(Control::Label19),
                 .left = 3960,
                 .top = 9000,
                 .width = 9615,
                 .height = 855,
                 .font = heiti(26.25, true),
                 .text = kDarkBlue,
                 .align = Align::Center,
                 .designText = "123.45",
                 .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "规则")},
                at(kReportLink, 13080, 6480, 1984, 360),
            },
        }),
        .tabOrder = kTabOrder,
    };
    return table;
}

} // namespace

const ChallengeScreen &openEndedScreen()
{
    static const ChallengeScreen screen{.makeRules = &rulesOf<OpenEndedModel>, .layout = &form789};
    return screen;
}
