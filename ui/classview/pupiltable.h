// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classlog/classoverview.h"

#include <QAbstractTableModel>

// The class view's table: one row per pupil, with the computers, the
// rounds, the last one and the best of each level. Sorted through the role
// kSortRole: names in the order of the pupils given (a Chinese class list's),
// numbers as numbers, a missing best last.
class PupilTable : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kSortRole = Qt::UserRole + 1;
    static constexpr int kFirstLevelColumn = 4;

    explicit PupilTable(QObject *parent = nullptr);

    void setPupils(std::vector<ClassOverview::Pupil> pupils);
    const ClassOverview::Pupil &pupil(int row) const { return m_pupils[std::size_t(row)]; }

    // The table as a spreadsheet takes it: one column per figure, numbers
    // without units (the unit in the column's head), every computer named.
    static QStringList exportHeader();
    QStringList exportRow(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<ClassOverview::Pupil> m_pupils;
};
