// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/boardview.h"

#include "ui/designlabel.h"

#include <QLineEdit>

namespace BoardViewDetail {

void showText(QWidget *widget, bool window, const QString &text)
{
    if (window)
        widget->setWindowTitle(text);
    else if (auto *label = qobject_cast<DesignLabel *>(widget))
        label->showText(text);
    else if (auto *box = qobject_cast<QLineEdit *>(widget); box && box->text() != text)
        box->setText(text);
}

void open(QWidget *widget, bool enabled, bool visible)
{
    if (enabled)
        widget->setEnabled(true);
    if (visible)
        widget->setVisible(true);
}

void close(QWidget *widget, bool enabled, bool visible)
{
    if (!enabled)
        widget->setEnabled(false);
    if (!visible)
        widget->setVisible(false);
}

} // namespace BoardViewDetail
