#pragma once

#include <QString>

class QLabel;

// Labels as assistive technology sees them. Every label of the game carries
// an accessible name that says what it is ("消息", "所选级别"), and Qt then
// offers no way to read what it shows: these labels are given a text
// interface, so that a screen reader reads the name and the text both.
namespace LabelAccessibility {

// Makes every text label (DesignLabel) answer with its text; before any
// window shows.
void install();

// Shows the text in the label and tells assistive technology what changed.
// Does nothing when the label already shows it.
void setText(QLabel *label, const QString &text);

} // namespace LabelAccessibility
