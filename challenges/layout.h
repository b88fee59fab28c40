// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <deque>
#include <initializer_list>
#include <vector>

// The designed look of a screen as data: one row per control, each with its
// design name, the role the rules write it by, its kind, its place and size
// in twips (15 to a device-independent pixel), font, colours, alignment,
// border, accessible name and design text. The windows are built from
// these tables by one builder (ui/windowbuilder); nothing else types a
// control's name.
namespace Layout {

inline constexpr int kTwipsPerPixel = 15;

enum class Kind {
    Label,      // text drawn as designed
    ClickLabel, // a label that reports clicks: the level buttons and the start screen's links
    Link,       // a link that the keyboard reaches too
    TextBox,    // the start screen's name box
    AnswerBox,  // a challenge screen's answer box
    Button,
    Picture,
    Line,
};
enum class Face { Default, Heiti, Songti, Arial, ArialBlack };
enum class Align { Left, Center, Right };

struct Font {
    Face face = Face::Default;
    double points = 0;
    int weight = 400; // 700 bold, 900 for "Arial Black"
    bool underline = false;
};

inline constexpr Font heiti(double points, bool bold = false)
{
    return {Face::Heiti, points, bold ? 700 : 400, false};
}
inline constexpr Font songti(double points, bool bold = false)
{
    return {Face::Songti, points, bold ? 700 : 400, false};
}

// A colour as 0xRRGGBB, or the system's.
inline constexpr int kSystemColour = -1;
// A control the rules never write.
inline constexpr int kNoRole = -1;

struct Row {
    const char *name = "";
    // The rules' role of the control (an enum of the screen's rules, as int).
    int role = kNoRole;
    Kind kind = Kind::Label;
    int left = 0, top = 0, width = 0, height = 0;
    Font font;
    int text = kSystemColour;
    int background = kSystemColour;
    Align align = Align::Left;
    bool border = false;
    const char *designText = "";
    bool hidden = false;
    // The mouse pointer over it and what a picture box shows: names of
    // pictures drawn at build time (ui/pictures); empty for none.
    const char *pointer = "";
    const char *picture = "";
    const char *toolTip = "";
    // What a screen reader says for it.
    const char *accessibleName = "";
    // A start-screen level button: its level.
    int level = 0;
};

struct Table {
    const char *name = "";
    // The area its texts are translated under.
    const char *context = "";
    // The windows' icon, a drawn picture.
    const char *icon = "";
    int clientWidth = 0, clientHeight = 0; // twips
    // In painting order: a later row lies over an earlier one.
    std::vector<Row> rows;
    std::vector<const char *> tabOrder;
    // Texts made with the table that its rows point at (names and captions
    // of rows made from the level table).
    std::deque<QByteArray> texts;
};

// A row of a shared style, at its place on one screen.
inline Row at(Row style, int left, int top, int width, int height)
{
    style.left = left;
    style.top = top;
    style.width = width;
    style.height = height;
    return style;
}

// Rows in the order given.
inline std::vector<Row> joined(std::initializer_list<std::vector<Row>> parts)
{
    std::vector<Row> rows;
    for (const std::vector<Row> &part : parts)
        rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}

template <typename Role> constexpr int role(Role r)
{
    return static_cast<int>(r);
}

// Twips to device-independent pixels, and points to pixels at 96 dpi.
inline int toPixels(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
inline double pointsToPixels(double points)
{
    return points * 96.0 / 72.0;
}

} // namespace Layout
