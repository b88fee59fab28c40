// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/challengeboard.h"
#include "challenges/layout.h"

// The rows the three challenge screens share: a control styled the same on
// every screen that has it is written once here and placed by each screen's
// table (Layout::at); a control that differs on a screen is written out
// whole in that screen's table.
namespace ChallengeLayout {

using Layout::Align;
using Layout::heiti;
using Layout::Kind;
using Layout::role;
using Layout::Row;
using Layout::songti;

inline constexpr int kRed = 0xFF0000;
inline constexpr int kDarkBlue = 0x0000C0;
inline constexpr int kBlue = 0x0000FF;
inline constexpr int kWhite = 0xFFFFFF;

// The client area of every challenge screen, in twips.
inline constexpr int kClientWidth = 15240;
inline constexpr int kClientHeight = 10950;
inline constexpr char kIcon[] = "icon-challenge";

inline constexpr Row kTitle{.name = "Label7",
                            .font = heiti(48, true),
                            .text = kRed,
                            .align = Align::Center,
                            .designText = "Quellibo",
                            .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "标题")};
inline constexpr Row kLevel{.name = "Label3",
                            .role = role(Control::Label3),
                            .font = {Layout::Face::ArialBlack, 200.25, 900},
                            .text = kRed,
                            .designText = "9",
                            .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "级别")};
inline constexpr Row kName{.name = "Label8",
                           .role = role(Control::Label8),
                           .font = heiti(36, true),
                           .text = kDarkBlue,
                           .align = Align::Center,
                           .border = true,
                           .designText = "李小明",
                           .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "姓名")};
inline constexpr Row kSchool{.name = "Label12",
                             .role = role(Control::Label12),
                             .font = songti(26.25),
                             .text = kDarkBlue,
                             .align = Align::Center,
                             .designText = "实验小学",
                             .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "学校")};
// The upper clock row: minutes, seconds and hundredths of the time left.
inline constexpr Row kMinutes{.name = "Label15",
                              .role = role(Control::Label15),
                              .font = heiti(60, true),
                              .align = Align::Right,
                              .designText = "7",
                              .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "剩余分钟")};
inline constexpr Row kColon{.name = "Label17",
                            .role = role(Control::Label17),
                            .font = songti(60, true),
                            .designText = ":",
                            .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "冒号")};
inline constexpr Row kSecondsLeft{.name = "Label14",
                                  .role = role(Control::Label14),
                                  .font = heiti(60, true),
                                  .align = Align::Right,
                                  .designText = "00",
                                  .accessibleName =
                                      QT_TRANSLATE_NOOP("ChallengeScreen", "剩余秒数")};
inline constexpr Row kUpperPoint{.name = "Label16",
                                 .font = songti(60, true),
                                 .designText = ".",
                                 .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "小数点")};
inline constexpr Row kHundredthsLeft{.name = "Label13",
                                     .role = role(Control::Label13),
                                     .font = heiti(60, true),
                                     .align = Align::Right,
                                     .designText = "00",
                                     .accessibleName =
                                         QT_TRANSLATE_NOOP("ChallengeScreen", "剩余百分秒")};
// The lower clock row: the round's elapsed seconds and hundredths.
inline constexpr Row kSecondsUsed{.name = "Label2",
                                  .role = role(Control::Label2),
                                  .font = heiti(60, true),
                                  .align = Align::Right,
                                  .designText = "00",
                                  .accessibleName =
                                      QT_TRANSLATE_NOOP("ChallengeScreen", "用时秒数")};
inline constexpr Row kLowerPoint{.name = "Label10",
                                 .font = songti(60, true),
                                 .designText = ".",
                                 .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "小数点")};
inline constexpr Row kHundredthsUsed{.name = "Label11",
                                     .role = role(Control::Label11),
                                     .font = heiti(60, true),
                                     .align = Align::Right,
                                     .designText = "00",
                                     .accessibleName =
                                         QT_TRANSLATE_NOOP("ChallengeScreen", "用时百分秒")};
inline constexpr Row kBestHeading{.name = "Label5",
                                  .font = songti(26.25),
                                  .text = kDarkBlue,
                                  .designText = QT_TRANSLATE_NOOP("ChallengeScreen", "最好成绩"),
                                  .accessibleName =
                                      QT_TRANSLATE_NOOP("ChallengeScreen", "最好成绩标题")};
inline constexpr Row kBest{.name = "Label6",
                           .role = role(Control::Label6),
                           .font = songti(42),
                           .text = kDarkBlue,
                           .align = Align::Right,
                           .border = true,
                           .designText = "123.45",
                           .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "最好成绩")};
inline constexpr Row kMessage{.name = "Label1",
                              .role = role(Control::Label1),
                              .font = heiti(24, true),
                              .text = kRed,
                              .align = Align::Center,
                              .designText = "Label1",
                              .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "消息")};
// The answer box and the last accepted number of Form789 and Form9; Form1
// has them larger.
inline constexpr Row kAnswerBox{.name = "Text1",
                                .role = role(Control::Text1),
                                .kind = Kind::AnswerBox,
                                .font = heiti(200.25, true),
                                .text = kRed,
                                .align = Align::Right,
                                .designText = "3789",
                                .accessibleName =
                                    QT_TRANSLATE_NOOP("ChallengeScreen", "下一个数字")};
inline constexpr Row kLastNumber{.name = "Label4",
                                 .role = role(Control::Label4),
                                 .font = heiti(99.75, true),
                                 .text = kBlue,
                                 .align = Align::Right,
                                 .designText = "2789",
                                 .accessibleName =
                                     QT_TRANSLATE_NOOP("ChallengeScreen", "上一个正确数字")};
inline constexpr Row kMark{.name = "Label9(10)",
                           .role = role(Control::Mark),
                           .font = heiti(99.75, true),
                           .text = kRed,
                           .align = Align::Right,
                           .designText = QT_TRANSLATE_NOOP("ChallengeScreen", "√"),
                           .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "判定标记")};
inline constexpr Row kPlayAgain{.name = "Command3",
                                .role = role(Control::Command3),
                                .kind = Kind::Button,
                                .font = songti(21.75, true),
                                .designText = QT_TRANSLATE_NOOP("ChallengeScreen", "再玩一次"),
                                .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "再玩一次")};
inline constexpr Row kStart{.name = "Command1",
                            .role = role(Control::Command1),
                            .kind = Kind::Button,
                            .font = songti(21.75, true),
                            .designText = QT_TRANSLATE_NOOP("ChallengeScreen", "开 始"),
                            .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "开始")};
inline constexpr Row kBack{.name = "Command2",
                           .role = role(Control::Command2),
                           .kind = Kind::Button,
                           .font = songti(21.75, true),
                           .designText = QT_TRANSLATE_NOOP("ChallengeScreen", "返 回"),
                           .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "返回")};
// The rule line of Form1; the other screens have it larger.
inline constexpr Row kRuleLine{.name = "Label19",
                               .role = role(Control::Label19),
                               .font = heiti(21.75, true),
                               .text = kDarkBlue,
                               .align = Align::Center,
                               .designText = "123.45",
                               .accessibleName = QT_TRANSLATE_NOOP("ChallengeScreen", "规则")};
// Our own link to the report of the round that has just ended, in free space
// under Start, after Back in the tab order.
inline constexpr Row kReportLink{.name = "lblReport",
                                 .role = role(Control::lblReport),
                                 .kind = Kind::Link,
                                 .font = {Layout::Face::Songti, 18, 400, true},
                                 .text = kBlue,
                                 .align = Align::Center,
                                 .designText = QT_TRANSLATE_NOOP("ChallengeScreen", "本轮分析"),
                                 .pointer = "link-hand",
                                 .accessibleName =
                                     QT_TRANSLATE_NOOP("ChallengeScreen", "本轮分析")};

// The answer box, the last number, the mark and the buttons, which Form789
// and Form9 place alike.
inline std::vector<Row> answerArea789()
{
    return {
        Layout::at(kAnswerBox, 4800, 4800, 8055, 4035),
        Layout::at(kLastNumber, 240, 6000, 4455, 1965),
        Layout::at(kMark, 13320, 6840, 1695, 1695),
        Layout::at(kPlayAgain, 13080, 4800, 1984, 597),
        Layout::at(kStart, 13080, 5760, 1984, 597),
        Layout::at(kBack, 240, 8880, 1984, 597),
    };
}

// Start, the answer box, Play again, Back, then the report link.
inline const std::vector<const char *> kTabOrder{"Command1", "Text1", "Command3", "Command2",
                                                 "lblReport"};

} // namespace ChallengeLayout
