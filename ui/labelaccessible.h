// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

// Labels as assistive technology sees them. Every label of the game carries
// an accessible name that says what it is ("消息", "所选级别"), and Qt then
// offers no way to read what it shows: these labels are given a text
// interface, so that a screen reader reads the name and the text both.
namespace LabelAccessibility {

// Makes every text label (DesignLabel, ReadableLabel) answer with its text;
// before any window shows. DesignLabel::showText tells of each change.
void install();

} // namespace LabelAccessibility

// A label outside the designed screens whose text a screen reader reads
// beside its name, as it reads the designed labels' (the report's line of
// the pupil's progress).
class ReadableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};
