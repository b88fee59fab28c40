// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "start/startlayout.h"

#include "challenges/leveltable.h"
#include "core/text.h"
#include "start/startscreen.h"
#include "start/starttexts.h"

#include <QByteArray>
#include <QRect>

#include <algorithm>
#include <deque>

using Layout::Align;
using Layout::heiti;
using Layout::Kind;
using Layout::role;
using Layout::Row;
using Layout::songti;

namespace {

constexpr int kRed = 0xFF0000;
constexpr int kDarkBlue = 0x0000C0;
constexpr int kBlue = 0x0000FF;
constexpr int kWhite = 0xFFFFFF;
constexpr int kBlack = 0x000000;
constexpr int kGreen = 0x80FF80;
constexpr int kSilver = 0xC0C0C0;
constexpr int kGrey = 0x808080;

// The keypad of level buttons, left of the badge: level 1 at top left, three
// to a row.
constexpr int kKeypadLeft = 1320, kKeypadTop = 4800, kKeypadStepX = 1200, kKeypadStepY = 900;
constexpr int kButtonWidth = 855, kButtonHeight = 795;
constexpr int kClientWidth = 15240, kClientHeight = 10995;
// The design names its nine level buttons Label13 to Label21; a level beyond
// them gets a name no design control has.
constexpr int kDesignedLevels = 9;

QByteArray levelButtonName(int level)
{
    return level <= kDesignedLevels ? "Label" + QByteArray::number(12 + level)
                                    : "levelButton" + QByteArray::number(level);
}

// Texts that the start screen's rules write at start-up (subtitle, credits,
// links, rule line) are theirs; the table leaves them empty.
// texts holds what the level buttons' rows point at.
std::vector<Row> rows(std::deque<QByteArray> &texts)
{
    std::vector<Row> r{
        {.name = "lblTitle",
         .left = 2040,
         .top = 360,
         .width = 9885,
         .height = 1185,
         .font = heiti(48, true),
         .text = kRed,
         .align = Align::Center,
         .designText = "Q u e l l i b o",
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "标题")},
        {.name = "Label23",
         .left = 11520,
         .top = 840,
         .width = 2055,
         .height = 615,
         .font = heiti(21.75, true),
         .text = kRed,
         .designText = QT_TRANSLATE_NOOP("StartScreen", "(第二版)"),
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "版本")},
        {.name = "Label5",
         .role = role(StartControl::Label5),
         .left = 3390,
         .top = 1680,
         .width = 7995,
         .height = 615,
         .font = heiti(24, true),
         .text = kBlue,
         .align = Align::Center,
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "副标题")},
        {.name = "Label9",
         .role = role(StartControl::Label9),
         .left = 3000,
         .top = 2400,
         .width = 1575,
         .height = 2175,
         .font = {Layout::Face::Arial, 99.75, 700},
         .text = kRed,
         .background = kWhite,
         .align = Align::Center,
         .border = true,
         .designText = "1",
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "所选级别")},
        {.name = "Label2",
         .left = 1320,
         .top = 3120,
         .width = 1200,
         .height = 1200,
         .font = songti(26.25),
         .designText = QT_TRANSLATE_NOOP("StartScreen", "选择级别 "),
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "选择级别提示")},
    };
    const std::vector<Row> rest{
        {.name = "picIcon",
         .kind = Kind::Picture,
         .left = 5400,
         .top = 2760,
         .width = 4560,
         .height = 4560,
         .background = kSilver,
         .picture = "badge",
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "竞赛平台徽章")},
        {.name = "Label6",
         .left = 10560,
         .top = 2760,
         .width = 3600,
         .height = 600,
         .font = songti(24),
         .designText = QT_TRANSLATE_NOOP("StartScreen", "姓名"),
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "姓名提示")},
        {.name = "Text1",
         .role = role(StartControl::Text1),
         .kind = Kind::TextBox,
         .left = 10560,
         .top = 3360,
         .width = 3600,
         .height = 960,
         .font = songti(42),
         .text = kDarkBlue,
         .align = Align::Center,
         .toolTip = QT_TRANSLATE_NOOP("StartScreen", "请输入不大于4位数字或4个汉字"),
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "姓名")},
        // The name and school of a roster lookup that nothing switches on:
        // their captions hidden, the displays empty.
        {.name = "Label22",
         .left = 10200,
         .top = 4380,
         .width = 1200,
         .height = 600,
         .font = songti(24),
         .designText = QT_TRANSLATE_NOOP("StartScreen", "姓名"),
         .hidden = true,
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "姓名标题")},
        {.name = "Label7",
         .left = 11640,
         .top = 4440,
         .width = 2235,
         .height = 600,
         .font = songti(24),
         .text = kDarkBlue,
         .align = Align::Center,
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "姓名显示")},
        {.name = "Label8",
         .left = 10200,
         .top = 5280,
         .width = 1200,
         .height = 600,
         .font = songti(24),
         .designText = QT_TRANSLATE_NOOP("StartScreen", "学校"),
         .hidden = true,
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "学校标题")},
        {.name = "Label10",
         .left = 11520,
         .top = 5280,
         .width = 3000,
         .height = 1080,
         .font = songti(24),
         .text = kDarkBlue,
         .align = Align::Center,
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "学校显示")},
        {.name = "Command0",
         .role = role(StartControl::Command0),
         .kind = Kind::Button,
         .left = 12120,
         .top = 5760,
         .width = 2000,
         .height = 600,
         .font = heiti(18),
         .align = Align::Center,
         .designText = QT_TRANSLATE_NOOP("StartScreen", "进  入"),
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "进入")},
        {.name = "Command1",
         .role = role(StartControl::Command1),
         .kind = Kind::Button,
         .left = 12120,
         .top = 6720,
         .width = 2000,
         .height = 600,
         .font = heiti(18),
         .align = Align::Center,
         .designText = QT_TRANSLATE_NOOP("StartScreen", "退  出"),
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "退出")},
        {.name = "Label25",
         .role = role(StartControl::Label25),
         .left = 2520,
         .top = 7560,
         .width = 10935,
         .height = 615,
         .font = heiti(21.75, true),
         .text = kDarkBlue,
         .align = Align::Center,
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "级别规则")},
        {.name = "Line1(1)",
         .kind = Kind::Line,
         .left = 1320,
         .top = 8400,
         .width = 14280 - 1320,
         .height = 15,
         .text = kGrey,
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "分隔线")},
        {.name = "Label11",
         .role = role(StartControl::Label11),
         .left = 2880,
         .top = 8640,
         .width = 4005,
         .height = 405,
         .font = songti(21.75),
         .text = kBlack,
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "项目策划")},
        {.name = "Label12",
         .role = role(StartControl::Label12),
         .left = 2880,
         .top = 9300,
         .width = 4005,
         .height = 405,
         .font = songti(21.75),
         .text = kBlack,
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "设计制作")},
        {.name = "Label3",
         .role = role(StartControl::Label3),
         .kind = Kind::ClickLabel,
         .left = 7440,
         .top = 8640,
         .width = 4995,
         .height = 495,
         .font = {Layout::Face::Songti, 18, 400, true},
         .text = kBlue,
         .pointer = "link-hand",
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "竞赛平台网址")},
        {.name = "Label1",
         .role = role(StartControl::Label1),
         .kind = Kind::ClickLabel,
         .left = 7440,
         .top = 9360,
         .width = 4995,
         .height = 495,
         .font = {Layout::Face::Songti, 18, 400, true},
         .text = kBlue,
         .pointer = "link-hand",
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "网站网址")},
        {.name = "Label4",
         .left = 5040,
         .top = 9960,
         .width = 4815,
         .height = 495,
         .font = songti(15.75),
         .align = Align::Center,
         .designText = "2017-10-21",
         .accessibleName = QT_TRANSLATE_NOOP("StartScreen", "日期")},
    };
    // The designed keypad holds nine levels; more go on in its grid, below
    // and left of it, wherever no designed control stands.
    std::vector<QRect> taken;
    for (const std::vector<Row> *part : {static_cast<const std::vector<Row> *>(&r), &rest}) {
        for (const Row &row : *part)
            taken.emplace_back(row.left, row.top, row.width, row.height);
    }
    const auto cell = [](int row, int column) {
        return QRect(kKeypadLeft + kKeypadStepX * column, kKeypadTop + kKeypadStepY * row,
                     kButtonWidth, kButtonHeight);
    };
    std::vector<QRect> places;
    for (int row = 0; cell(row, 0).bottom() < kClientHeight; ++row) {
        for (int column = 0; column < 3; ++column)
            places.push_back(cell(row, column));
    }
    for (int row = 0; cell(row, -1).bottom() < kClientHeight; ++row)
        places.push_back(cell(row, -1));
    auto next = places.begin();
    for (int level = LevelTable::kFirstLevel; level <= LevelTable::lastLevel(); ++level) {
        next = std::find_if(next, places.end(), [&taken](const QRect &p) {
            return std::none_of(taken.begin(), taken.end(),
                                [&p](const QRect &t) { return t.intersects(p); });
        });
        // With no place left, the button shows where the table's test finds it.
        const QRect place = next != places.end() ? *next++ : cell(0, 0);
        taken.push_back(place);
        const char *name = texts.emplace_back(levelButtonName(level)).constData();
        const char *caption = texts.emplace_back(QByteArray::number(level)).constData();
        const char *spoken =
            texts.emplace_back(translated(StartTexts::kLevelButton).arg(level).toUtf8())
                .constData();
        r.push_back({.name = name,
                     .role = role(StartControl::LevelButton),
                     .kind = Kind::ClickLabel,
                     .left = place.left(),
                     .top = place.top(),
                     .width = kButtonWidth,
                     .height = kButtonHeight,
                     .font = heiti(39.75, true),
                     .background = kGreen,
                     .align = Align::Center,
                     .designText = caption,
                     .pointer = "hand-pointer",
                     .accessibleName = spoken,
                     .level = level});
    }
    r.insert(r.end(), rest.begin(), rest.end());
    return r;
}

} // namespace

const Layout::Table &startLayout()
{
    static const Layout::Table table = [] {
        Layout::Table t{
            .name = "form0",
            .context = "StartScreen",
            .icon = "icon-start",
            .clientWidth = kClientWidth,
            .clientHeight = kClientHeight,
            .tabOrder = {"Command0", "Text1", "Command1"},
        };
        t.rows = rows(t.texts);
        return t;
    }();
    return table;
}
