// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classlog/classoverview.h"
#include "classlog/logreader.h"
#include "ui/classview/classpage.h"

#include <QFileSystemWatcher>
#include <QWidget>

#include <functional>

class PupilTable;
class ProgressChart;
class QComboBox;
class QDateEdit;
class QIODevice;
class QLabel;
class QLineEdit;
class QPainter;
class QSortFilterProxyModel;
class QTableView;
class QTableWidget;

// FormClass, "班级记录": the teacher's view of a class log. One row per pupil
// with the best of each level, sortable, searchable and limited to a range of
// days; a pupil's progress at a level over the days, and the rounds; the
// class in one line. It only reads the file, and offers to read again when
// the game appends to it. The table can be exported as CSV, printed or
// saved as a PDF, and copied.
class ClassWindow : public QWidget {
    Q_OBJECT
public:
    explicit ClassWindow(const QString &path, QWidget *parent = nullptr);
    // Several logs (one per computer room) seen as one.
    explicit ClassWindow(const QStringList &paths, QWidget *parent = nullptr);
    ~ClassWindow() override;

    // Reads the file (again: what it gained since); shows what it holds.
    Failure refresh();
    // The file the last failed reading could not read.
    QString failedPath() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The parts of the window, each adding its controls to the keyboard's
    // order.
    QLayout *makeFilters(QList<QWidget *> &keyOrder);
    QWidget *makeNews(QList<QWidget *> &keyOrder);
    QWidget *makeTable(QList<QWidget *> &keyOrder);
    QWidget *makeDetail(QList<QWidget *> &keyOrder);
    Failure read();
    DayRange days() const;
    void showPupils();
    void fitColumns();
    void showPupil();
    // The table as shown (searched, sorted), header first.
    std::vector<QStringList> shownRows() const;
    // The same rows as a spreadsheet takes them (PupilTable::exportRow).
    std::vector<QStringList> exportedRows() const;
    // The table as printed or saved as a PDF.
    ClassPage page() const;
    void saveAs(const char *suffix, const char *filter,
                const std::function<bool(QIODevice &)> &write);
    void exportCsv();
    void savePdf();
    void print();
    void copy();

    LogReader m_reader;
    QFileSystemWatcher m_watcher;
    PupilTable *m_pupils = nullptr;
    QSortFilterProxyModel *m_shown = nullptr;
    QTableView *m_table = nullptr;
    QLineEdit *m_search = nullptr;
    QComboBox *m_range = nullptr;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
    QLabel *m_summary = nullptr;
    QLabel *m_skipped = nullptr;
    QWidget *m_changed = nullptr;
    QLabel *m_pupilTitle = nullptr;
    QComboBox *m_level = nullptr;
    ProgressChart *m_chart = nullptr;
    QTableWidget *m_rounds = nullptr;
    QLabel *m_status = nullptr;
};
