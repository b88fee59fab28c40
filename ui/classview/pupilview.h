// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classlog/classoverview.h"

#include <QTableView>

class PupilTable;
class QSortFilterProxyModel;

// The class view's table of pupils as the teacher sees it: searched by
// name, sorted by any column (also with Ctrl+Up and Ctrl+Down on the
// current cell's), each column as wide as its widest cell.
class PupilView : public QTableView {
    Q_OBJECT
public:
    explicit PupilView(QWidget *parent = nullptr);

    // The pupil selected before stays selected where he still is.
    void setPupils(std::vector<ClassOverview::Pupil> pupils);
    void search(const QString &text);
    // The selected pupil; none when none is.
    const ClassOverview::Pupil *currentPupil() const;
    // The table as shown (searched, sorted), header first; and the same
    // rows as a spreadsheet takes them (PupilTable::exportRow).
    std::vector<QStringList> shownRows() const;
    std::vector<QStringList> exportedRows() const;

signals:
    void currentPupilChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fitColumns();

    PupilTable *m_pupils;
    QSortFilterProxyModel *m_shown;
};
