// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/leveltable.h"
#include "ui/pictures.h"

#include <QColor>
#include <QString>

#include <optional>
#include <vector>

// The designed look of every screen, as data: every window is built from its
// table (see WindowBuilder). Places and sizes are in twips, 15 to a
// device-independent pixel.
namespace Layouts {

inline constexpr int kTwipsPerPixel = 15;
// The screens' pictures are 300 x 300 pixel images, drawn from the top-left
// corner of their box.
inline constexpr int kPictureSide = 300;

enum class Kind {
    Label,      // text drawn as designed (DesignLabel)
    ClickLabel, // a label that reports clicks: the level buttons and the links
    Link,       // a link that the keyboard reaches too (LinkLabel)
    TextBox,    // the start screen's name box
    AnswerBox,  // a challenge screen's answer box
    Button,
    Picture,
    Line,
};
enum class Face { Default, Heiti, Songti, Arial, ArialBlack };
enum class Align { Left, Center, Right };
enum class Pointer { Arrow, LevelHand, LinkHand };

struct Font {
    Face face = Face::Default;
    double points = 0;
    int weight = 400; // 700 bold, 900 for "Arial Black"
    bool underline = false;
};

struct ControlSpec {
    QString name;
    Kind kind = Kind::Label;
    int left = 0, top = 0, width = 0, height = 0;
    Font font;
    std::optional<QColor> text;
    std::optional<QColor> background;
    Align align = Align::Left;
    bool border = false;
    QString designText;
    bool hidden = false;
    Pointer pointer = Pointer::Arrow;
    QString toolTip;
    // What a picture box shows.
    Pictures::Picture picture = Pictures::Picture::Success;
    // What a screen reader says for the control.
    QString accessibleName;
};

struct ScreenLayout {
    QString name;
    int clientWidth = 0, clientHeight = 0; // twips
    std::vector<ControlSpec> controls;
    std::vector<QString> tabOrder;
};

const ScreenLayout &challengeLayout(ChallengeScreen screen);
const ScreenLayout &startLayout();

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

} // namespace Layouts
