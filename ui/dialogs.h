// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/report/printing/printreport.h"

#include <QString>

#include <functional>
#include <optional>

class QIODevice;
class QLabel;
class QWidget;

// Qt's own dialogs (files, printing, messages) as the game shows them.
namespace Dialogs {

// Call before any of them opens; only the first call does anything, so that
// a pupil who never opens one pays nothing at start-up. Their texts are in
// the language of the game's windows, whatever the system's; and what a file dialog remembers
// between openings (the last folder, the history) stays in a temporary folder of this run instead
// of the user's settings: the game keeps nothing between runs.
void prepare();

// What became of a file the user was asked to save.
struct Saved {
    QString path;                   // empty: the user chose none
    std::optional<QString> problem; // why it could not be written
};

// Asks where to save (suggesting a path; after a save in this run, its name
// in the folder of that save), then writes the file whole or not at all: a
// file that was there stays as it was when writing fails.
Saved saveFile(QWidget *parent, const QString &suggested, const QString &filter,
               const std::function<bool(QIODevice &)> &write);

// saveFile, then says what became of it: a line in status, or a message
// naming the file and the reason (titled title).
void saveAndSay(QWidget *parent, QLabel *status, const QString &title, const QString &suggested,
                const QString &filter, const std::function<bool(QIODevice &)> &write);

// Asks for a printer and prints, then says what became of it: a line in
// status, or a message with the reason; a cancel says nothing.
void printAndSay(QWidget *parent, QLabel *status, const QString &documentName,
                 const PrintReport::DrawPage &draw);

} // namespace Dialogs
