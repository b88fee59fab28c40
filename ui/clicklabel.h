// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/designlabel.h"

// A label that reports a click (press and release inside it with the left
// button), as the start screen's level buttons and links need.
class ClickLabel : public DesignLabel {
    Q_OBJECT
public:
    using DesignLabel::DesignLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
