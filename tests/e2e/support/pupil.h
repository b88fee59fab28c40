// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "accessible.h"

#include <QString>

// What a pupil does with the mouse and the keyboard, sent as real input
// through the X server (XTEST), so it reaches the game as any key or click
// does. Each returns an empty string when done, else what failed.
namespace Pupil {

// Moves the pointer to the middle of the control, as the accessibility bus
// places it on the screen, and clicks the left button.
QString click(const Accessible &control);
// Types the characters, each on the key that makes it. For Return and other
// keys without a character, use press().
QString type(const QString &text);
// Presses and releases keys by their X names: "Return", "KP_Enter", "KP_7", "BackSpace".
QString press(const QString &keys);
// Types a number on the main keys and presses Return.
QString enter(qint64 number);
// Types the numbers from..to, each followed by Return, in one go.
QString enterRun(qint64 from, qint64 to);
// The key names that type a number on the main keys or on the keypad.
QString digitKeys(qint64 number, bool keypad = false);

} // namespace Pupil
