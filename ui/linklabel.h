// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/clicklabel.h"

// A link that the keyboard reaches too: it takes the focus in the tab order,
// shows it, and opens with Enter or Space as with a click. Screen readers
// announce it as a link they can press.
class LinkLabel : public ClickLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text = QString(), QWidget *parent = nullptr);

public slots:
    // What a click, Enter, Space or a screen reader's press does.
    void activate() { emit clicked(); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
