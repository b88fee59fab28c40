// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;

// A small note in a corner of the screen, for the teacher: it takes neither
// the keyboard nor a click from the pupil, and stays in front of the game's
// windows until it is hidden.
class NoteWindow : public QWidget {
    Q_OBJECT
public:
    NoteWindow(const QString &title, QWidget *parent = nullptr);

    void showNote(const QString &text);

private:
    QLabel *m_text;
};
