// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/layouts.h"

#include <algorithm>
#include <array>

namespace Layouts {

namespace {

const QColor kRed(0xFF, 0x00, 0x00);
const QColor kDarkBlue(0x00, 0x00, 0xC0);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kBlack(0x00, 0x00, 0x00);
const QColor kGreen(0x80, 0xFF, 0x80);
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kGrey(0x80, 0x80, 0x80);

Font heiti(double pt, bool bold = false)
{
    return {Face::Heiti, pt, bold ? 700 : 400, false};
}
Font songti(double pt, bool bold = false)
{
    return {Face::Songti, pt, bold ? 700 : 400, false};
}

QString u(const char *s)
{
    return QString::fromUtf8(s);
}

// The style each challenge-screen control has on every screen that has it.
std::vector<ControlSpec> challengeStyles()
{
    std::vector<ControlSpec> s;
    auto label = [&](const char *name, Font f, std::optional<QColor> fg, Align a, const char *text,
                     bool border = false) {
        ControlSpec c;
        c.name = u(name);
        c.kind = Kind::Label;
        c.font = f;
        c.text = fg;
        c.align = a;
        c.designText = u(text);
        c.border = border;
        s.push_back(c);
    };
    label("Label7", heiti(48, true), kRed, Align::Center, "Quellibo");
    label("Label3", {Face::ArialBlack, 200.25, 900, false}, kRed, Align::Left, "9");
    label("Label8", heiti(36, true), kDarkBlue, Align::Center, "李小明", true);
    label("Label12", songti(26.25), kDarkBlue, Align::Center, "实验小学");
    label("Label15", heiti(60, true), std::nullopt, Align::Right, "7");
    label("Label17", songti(60, true), std::nullopt, Align::Left, ":");
    label("Label14", heiti(60, true), std::nullopt, Align::Right, "00");
    label("Label16", songti(60, true), std::nullopt, Align::Left, ".");
    label("Label13", heiti(60, true), std::nullopt, Align::Right, "00");
    label("Label2", heiti(60, true), std::nullopt, Align::Right, "00");
    label("Label10", songti(60, true), std::nullopt, Align::Left, ".");
    label("Label11", heiti(60, true), std::nullopt, Align::Right, "00");
    label("Label5", songti(26.25), kDarkBlue, Align::Left, "最好成绩");
    label("Label6", songti(42), kDarkBlue, Align::Right, "123.45", true);
    label("Label18", songti(36), kDarkBlue, Align::Right, "秒");
    label("Label20", songti(21.75), kDarkBlue, Align::Left, "持续时长");
    label("Label21", songti(24), kDarkBlue, Align::Right, "8888", true);
    label("Label24", songti(24), kDarkBlue, Align::Center, ".");
    label("Label23", songti(24), kDarkBlue, Align::Center, "88", true);
    label("Label22", songti(21.75), kDarkBlue, Align::Right, "秒");
    label("Label1", heiti(24, true), kRed, Align::Center, "Label1");
    {
        ControlSpec c;
        c.name = u("Picture1");
        c.kind = Kind::Picture;
        c.picture = Pictures::Picture::Success;
        s.push_back(c);
    }
    {
        ControlSpec c;
        c.name = u("Text1");
        c.kind = Kind::AnswerBox;
        c.font = heiti(219.75, true);
        c.text = kRed;
        c.align = Align::Right;
        c.designText = u("789");
        s.push_back(c);
    }
    label("Label4", heiti(120, true), kBlue, Align::Right, "789");
    label("Label9(10)", heiti(99.75, true), kRed, Align::Right, "√");
    auto button = [&](const char *name, const char *text) {
        ControlSpec c;
        c.name = u(name);
        c.kind = Kind::Button;
        c.font = songti(21.75, true);
        c.designText = u(text);
        s.push_back(c);
    };
    button("Command3", "再玩一次");
    button("Command1", "开 始");
    button("Command2", "返 回");
    label("Label19", heiti(21.75, true), kDarkBlue, Align::Center, "123.45");
    for (ControlSpec &c : s) {
        if (c.name == u("Label21") || c.name == u("Label24") || c.name == u("Label23"))
            c.background = kWhite;
    }
    return s;
}

struct Place {
    const char *name;
    int left, top, width, height;
};

// Our own link to the report of the round that has just ended, in free
// space under Start, after Back in the tab order.
void addReportLink(ScreenLayout &layout, int left, int top, int width, int height)
{
    ControlSpec c;
    c.name = u("lblReport");
    c.kind = Kind::Link;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.font = songti(18);
    c.font.underline = true;
    c.text = kBlue;
    c.align = Align::Center;
    c.designText = u("本轮分析");
    c.pointer = Pointer::LinkHand;
    c.accessibleName = u("本轮分析");
    layout.controls.push_back(c);
    layout.tabOrder.push_back(c.name);
}

ScreenLayout buildChallenge(const char *name, const std::vector<Place> &places,
                            const std::vector<QString> &tabOrder)
{
    const std::vector<ControlSpec> styles = challengeStyles();
    ScreenLayout layout;
    layout.name = u(name);
    layout.clientWidth = 15240;
    layout.clientHeight = 10950;
    layout.tabOrder = tabOrder;
    for (const ControlSpec &style : styles) {
        for (const Place &p : places) {
            if (style.name != u(p.name))
                continue;
            ControlSpec c = style;
            c.left = p.left;
            c.top = p.top;
            c.width = p.width;
            c.height = p.height;
            layout.controls.push_back(c);
        }
    }
    return layout;
}

ControlSpec &control(ScreenLayout &layout, const char *name)
{
    for (ControlSpec &c : layout.controls) {
        if (c.name == u(name))
            return c;
    }
    Q_UNREACHABLE();
}

void nameForScreenReaders(ScreenLayout &layout,
                          std::initializer_list<std::pair<const char *, const char *>> names)
{
    for (const auto &[control, name] : names) {
        for (ControlSpec &c : layout.controls) {
            if (c.name == u(control))
                c.accessibleName = u(name);
        }
    }
}

void nameChallengeControls(ScreenLayout &l, bool endurance)
{
    nameForScreenReaders(l, {{"Label7", "标题"},
                             {"Label3", "级别"},
                             {"Label8", "姓名"},
                             {"Label12", "学校"},
                             {"Label15", "剩余分钟"},
                             {"Label17", "冒号"},
                             {"Label16", "小数点"},
                             {"Label10", "小数点"},
                             {"Label5", "最好成绩标题"},
                             {"Label6", "最好成绩"},
                             {"Label18", "单位"},
                             {"Label20", "持续时长标题"},
                             {"Label21", "最好成绩持续秒数"},
                             {"Label24", "小数点"},
                             {"Label23", "最好成绩持续百分秒"},
                             {"Label22", "单位"},
                             {"Label1", "消息"},
                             {"Picture1", "成功图片"},
                             {"Text1", "下一个数字"},
                             {"Label4", "上一个正确数字"},
                             {"Label9(10)", "判定标记"},
                             {"Command3", "再玩一次"},
                             {"Command1", "开始"},
                             {"Command2", "返回"},
                             {"Label19", "规则"}});
    if (endurance) {
        nameForScreenReaders(l, {{"Label14", "持续秒数"},
                                 {"Label13", "持续百分秒"},
                                 {"Label2", "按键间隔秒数"},
                                 {"Label11", "按键间隔百分秒"}});
    } else {
        nameForScreenReaders(l, {{"Label14", "剩余秒数"},
                                 {"Label13", "剩余百分秒"},
                                 {"Label2", "用时秒数"},
                                 {"Label11", "用时百分秒"}});
    }
}

ScreenLayout buildForm1()
{
    ScreenLayout l = buildChallenge(
        "Form1",
        {
            {"Label7", 1200, 240, 6945, 975},     {"Label3", 8280, -1200, 2895, 4575},
            {"Label8", 11280, 360, 3855, 796},    {"Label12", 11280, 3240, 3975, 495},
            {"Label15", 2280, 1440, 1395, 1200},  {"Label17", 3795, 1440, 645, 1200},
            {"Label14", 4560, 1440, 1395, 1200},  {"Label16", 6060, 1440, 540, 1200},
            {"Label13", 6720, 1440, 1395, 1200},  {"Label2", 3345, 2640, 2595, 1200},
            {"Label10", 6060, 2640, 540, 1200},   {"Label11", 6720, 2640, 1395, 1200},
            {"Label5", 11760, 1440, 3135, 615},   {"Label6", 11520, 2160, 2655, 855},
            {"Label18", 14280, 2280, 855, 735},   {"Label1", 3000, 3840, 8775, 615},
            {"Picture1", 120, 4560, 4575, 4575},  {"Text1", 4800, 4560, 6975, 4575},
            {"Label4", 720, 5280, 3855, 2565},    {"Label9(10)", 11760, 6840, 1695, 1695},
            {"Command3", 12480, 4680, 1984, 597}, {"Command1", 12480, 5520, 1984, 597},
            {"Command2", 120, 9360, 1984, 597},   {"Label19", 3360, 9360, 10215, 735},
        },
        {u("Command1"), u("Text1"), u("Command3"), u("Command2")});
    // The success picture lies over the last-number label and covers it while shown.
    auto &controls = l.controls;
    auto pic = std::find_if(controls.begin(), controls.end(),
                            [](const ControlSpec &c) { return c.name == u("Picture1"); });
    ControlSpec picture = *pic;
    controls.erase(pic);
    controls.push_back(picture);
    nameChallengeControls(l, false);
    addReportLink(l, 12480, 6240, 1984, 495);
    return l;
}

ScreenLayout buildForm789()
{
    ScreenLayout l = buildChallenge(
        "Form789",
        {
            {"Label7", 1200, 240, 6945, 975},        {"Label3", 8280, -1080, 2895, 4575},
            {"Label8", 11280, 360, 3855, 796},       {"Label12", 11280, 3480, 3975, 735},
            {"Label15", 240, 1440, 2355, 1200},      {"Label17", 2715, 1440, 645, 1200},
            {"Label14", 3480, 1440, 1395, 1200},     {"Label16", 4980, 1440, 540, 1200},
            {"Label13", 5640, 1440, 1395, 1200},     {"Label2", 2265, 2760, 2595, 1200},
            {"Label10", 4980, 2760, 540, 1200},      {"Label11", 5640, 2760, 1395, 1200},
            {"Label5", 11880, 1560, 2535, 615},      {"Label6", 11520, 2400, 2775, 975},
            {"Label18", 14280, 2520, 855, 735},      {"Label1", 3000, 4080, 8775, 615},
            {"Text1", 4800, 4800, 8055, 4035},       {"Label4", 240, 6000, 4455, 1965},
            {"Label9(10)", 13320, 6840, 1695, 1695}, {"Command3", 13080, 4800, 1984, 597},
            {"Command1", 13080, 5760, 1984, 597},    {"Command2", 240, 8880, 1984, 597},
            {"Label19", 3960, 9000, 9615, 855},
        },
        {u("Command1"), u("Text1"), u("Command3"), u("Command2")});
    control(l, "Label18").designText = u("位");
    control(l, "Text1").font.points = 200.25;
    control(l, "Text1").designText = u("3789");
    control(l, "Label4").font.points = 99.75;
    control(l, "Label4").designText = u("2789");
    control(l, "Label19").font.points = 26.25;
    nameChallengeControls(l, false);
    addReportLink(l, 13080, 6480, 1984, 360);
    return l;
}

ScreenLayout buildForm9()
{
    ScreenLayout l = buildChallenge(
        "Form9",
        {
            {"Label7", 480, 240, 6945, 975},      {"Label3", 7200, -960, 2895, 4575},
            {"Label8", 10200, 360, 4935, 795},    {"Label12", 11280, 3360, 3975, 495},
            {"Label15", 0, 1440, 915, 1200},      {"Label17", 915, 1440, 645, 1200},
            {"Label14", 1440, 1440, 2715, 1200},  {"Label16", 4260, 1440, 540, 1200},
            {"Label13", 4920, 1440, 1395, 1200},  {"Label2", 1545, 2760, 2595, 1200},
            {"Label10", 4260, 2760, 540, 1200},   {"Label11", 4920, 2760, 1395, 1200},
            {"Label5", 10200, 1560, 1815, 495},   {"Label6", 12120, 1320, 2055, 855},
            {"Label18", 14160, 1560, 975, 615},   {"Label20", 10200, 2520, 1815, 495},
            {"Label21", 12120, 2400, 1095, 615},  {"Label24", 13260, 2437, 240, 540},
            {"Label23", 13530, 2400, 645, 615},   {"Label22", 14160, 2520, 495, 615},
            {"Label1", 4800, 4080, 8055, 615},    {"Text1", 4800, 4800, 8055, 4035},
            {"Label4", 240, 6000, 4455, 1965},    {"Label9(10)", 13320, 6840, 1695, 1695},
            {"Command3", 13080, 4800, 1984, 597}, {"Command1", 13080, 5760, 1984, 597},
            {"Command2", 240, 8880, 1984, 597},   {"Label19", 3000, 9000, 11415, 855},
        },
        {u("Command1"), u("Text1"), u("Command3"), u("Command2")});
    control(l, "Label8").background = kWhite;
    control(l, "Label14").designText = u("0999");
    control(l, "Label2").designText = u("0");
    control(l, "Label5").font.points = 21.75;
    ControlSpec &best = control(l, "Label6");
    best.designText = u("9999");
    best.align = Align::Center;
    best.background = kWhite;
    control(l, "Label18").designText = u("数字");
    control(l, "Label18").font.points = 21.75;
    control(l, "Text1").font.points = 200.25;
    control(l, "Text1").designText = u("3789");
    control(l, "Label4").font.points = 99.75;
    control(l, "Label4").designText = u("2789");
    control(l, "Label19").font.points = 24;
    nameChallengeControls(l, true);
    addReportLink(l, 13080, 6480, 1984, 360);
    return l;
}

ScreenLayout buildForm0()
{
    ScreenLayout l;
    l.name = u("form0");
    l.clientWidth = 15240;
    l.clientHeight = 10995;
    l.tabOrder = {u("Command0"), u("Text1"), u("Command1")};
    auto add = [&](const char *name, Kind kind, int left, int top, int width, int height, Font f,
                   std::optional<QColor> fg, std::optional<QColor> bg, Align a,
                   const char *text) -> ControlSpec & {
        ControlSpec c;
        c.name = u(name);
        c.kind = kind;
        c.left = left;
        c.top = top;
        c.width = width;
        c.height = height;
        c.font = f;
        c.text = fg;
        c.background = bg;
        c.align = a;
        c.designText = u(text);
        l.controls.push_back(c);
        return l.controls.back();
    };
    const std::optional<QColor> none;
    // Texts that the start screen's rules write at start-up (subtitle,
    // credits, links, rule line) are theirs; the table leaves them empty.
    add("lblTitle", Kind::Label, 2040, 360, 9885, 1185, heiti(48, true), kRed, none, Align::Center,
        "Q u e l l i b o");
    add("Label23", Kind::Label, 11520, 840, 2055, 615, heiti(21.75, true), kRed, none, Align::Left,
        "(第二版)");
    add("Label5", Kind::Label, 3390, 1680, 7995, 615, heiti(24, true), kBlue, none, Align::Center,
        "");
    add("Label9", Kind::Label, 3000, 2400, 1575, 2175, {Face::Arial, 99.75, 700, false}, kRed,
        kWhite, Align::Center, "1")
        .border = true;
    add("Label2", Kind::Label, 1320, 3120, 1200, 1200, songti(26.25), none, none, Align::Left,
        "选择级别 ");
    const std::array<int, 3> lefts{1320, 2520, 3720};
    const std::array<int, 3> tops{4800, 5700, 6600};
    for (int i = 0; i < 9; ++i) {
        const QByteArray name = "Label" + QByteArray::number(13 + i);
        const QByteArray text = QByteArray::number(i + 1);
        add(name.constData(), Kind::ClickLabel, lefts[static_cast<std::size_t>(i % 3)],
            tops[static_cast<std::size_t>(i / 3)], 855, 795, heiti(39.75, true), none, kGreen,
            Align::Center, text.constData())
            .pointer = Pointer::LevelHand;
    }
    add("picIcon", Kind::Picture, 5400, 2760, 4560, 4560, {}, none, kSilver, Align::Left, "")
        .picture = Pictures::Picture::Badge;
    add("Label6", Kind::Label, 10560, 2760, 3600, 600, songti(24), none, none, Align::Left, "姓名");
    add("Text1", Kind::TextBox, 10560, 3360, 3600, 960, songti(42), kDarkBlue, none, Align::Center,
        "")
        .toolTip = u("请输入不大于4位数字或4个汉字");
    add("Label22", Kind::Label, 10200, 4380, 1200, 600, songti(24), none, none, Align::Left, "姓名")
        .hidden = true;
    add("Label7", Kind::Label, 11640, 4440, 2235, 600, songti(24), kDarkBlue, none, Align::Center,
        "");
    add("Label8", Kind::Label, 10200, 5280, 1200, 600, songti(24), none, none, Align::Left, "学校")
        .hidden = true;
    add("Label10", Kind::Label, 11520, 5280, 3000, 1080, songti(24), kDarkBlue, none, Align::Center,
        "");
    add("Command0", Kind::Button, 12120, 5760, 2000, 600, heiti(18), none, none, Align::Center,
        "进  入");
    add("Command1", Kind::Button, 12120, 6720, 2000, 600, heiti(18), none, none, Align::Center,
        "退  出");
    add("Label25", Kind::Label, 2520, 7560, 10935, 615, heiti(21.75, true), kDarkBlue, none,
        Align::Center, "");
    add("Line1(1)", Kind::Line, 1320, 8400, 14280 - 1320, 15, {}, kGrey, none, Align::Left, "");
    add("Label11", Kind::Label, 2880, 8640, 4005, 405, songti(21.75), kBlack, none, Align::Left,
        "");
    add("Label12", Kind::Label, 2880, 9300, 4005, 405, songti(21.75), kBlack, none, Align::Left,
        "");
    Font link = songti(18);
    link.underline = true;
    add("Label3", Kind::ClickLabel, 7440, 8640, 4995, 495, link, kBlue, none, Align::Left, "")
        .pointer = Pointer::LinkHand;
    add("Label1", Kind::ClickLabel, 7440, 9360, 4995, 495, link, kBlue, none, Align::Left, "")
        .pointer = Pointer::LinkHand;
    add("Label4", Kind::Label, 5040, 9960, 4815, 495, songti(15.75), none, none, Align::Center,
        "2017-10-21");
    nameForScreenReaders(
        l, {{"lblTitle", "标题"},       {"Label23", "版本"},        {"Label5", "副标题"},
            {"Label9", "所选级别"},     {"Label2", "选择级别提示"}, {"Label13", "级别 1"},
            {"Label14", "级别 2"},      {"Label15", "级别 3"},      {"Label16", "级别 4"},
            {"Label17", "级别 5"},      {"Label18", "级别 6"},      {"Label19", "级别 7"},
            {"Label20", "级别 8"},      {"Label21", "级别 9"},      {"picIcon", "竞赛平台徽章"},
            {"Label6", "姓名提示"},     {"Text1", "姓名"},          {"Label22", "姓名标题"},
            {"Label7", "姓名显示"},     {"Label8", "学校标题"},     {"Label10", "学校显示"},
            {"Command0", "进入"},       {"Command1", "退出"},       {"Label25", "级别规则"},
            {"Line1(1)", "分隔线"},     {"Label11", "项目策划"},    {"Label12", "设计制作"},
            {"Label3", "竞赛平台网址"}, {"Label1", "网站网址"},     {"Label4", "日期"}});
    return l;
}

} // namespace

const ScreenLayout &challengeLayout(ChallengeScreen screen)
{
    static const ScreenLayout form1 = buildForm1();
    static const ScreenLayout form789 = buildForm789();
    static const ScreenLayout form9 = buildForm9();
    switch (screen) {
    case ChallengeScreen::Ranged:
    case ChallengeScreen::None: // a level without a screen opens none
        break;
    case ChallengeScreen::OpenEnded:
        return form789;
    case ChallengeScreen::Endurance:
        return form9;
    }
    return form1;
}

const ScreenLayout &startLayout()
{
    static const ScreenLayout form0 = buildForm0();
    return form0;
}

} // namespace Layouts
