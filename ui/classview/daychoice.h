// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classlog/classoverview.h"

#include <QWidget>

class QComboBox;
class QDateEdit;

// The days the class view shows: this week, this month, all, or from one
// day to another.
class DayChoice : public QWidget {
    Q_OBJECT
public:
    explicit DayChoice(QWidget *parent = nullptr);

    DayRange days() const;
    // The days as a printed page names them.
    QString text() const;
    QList<QWidget *> keyOrder() const;

signals:
    void changed();

private:
    QComboBox *m_range;
    QDateEdit *m_from;
    QDateEdit *m_to;
};
