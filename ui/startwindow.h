// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/windowbuilder.h"

#include <QWidget>

class QLineEdit;

// form0: the start window, built from its layout table. It reports what the
// pupil does (a level button, the name box, Enter in it, the start button, a
// link) and shows what the start screen's rules give it to show. The exit
// button closes it, which ends the program.
class StartWindow : public QWidget {
    Q_OBJECT
public:
    explicit StartWindow(QWidget *parent = nullptr);

    // A label's text, by its design name.
    void showText(const char *label, const QString &text);
    // The name box's text; this is not reported back as the pupil's edit.
    void showName(const QString &text);
    void showControl(const char *control, bool shown);
    void focusControl(const char *control);

signals:
    void levelClicked(int level);
    // Every change of the name box by the pupil: typing, pasting, deleting.
    void nameEdited(const QString &text);
    // Enter in the name box.
    void nameConfirmed();
    void startClicked();
    // A click on a link label (Label1 or Label3), by its design name.
    void linkClicked(const QString &label);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WindowBuilder m_builder;
    QLineEdit *m_name = nullptr;
    bool m_showingName = false;
};
