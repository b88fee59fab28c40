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

class DayChoice;
class PupilDetail;
class PupilView;
class QIODevice;
class QLabel;
class QLineEdit;
class QPainter;

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

private:
    // The parts of the window, each adding its controls to the keyboard's
    // order.
    QLayout *makeFilters(QList<QWidget *> &keyOrder);
    QWidget *makeNews(QList<QWidget *> &keyOrder);
    Failure read();
    void showPupils();
    void showPupil();
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
    PupilView *m_table = nullptr;
    QLineEdit *m_search = nullptr;
    DayChoice *m_days = nullptr;
    QLabel *m_summary = nullptr;
    QLabel *m_skipped = nullptr;
    QWidget *m_changed = nullptr;
    PupilDetail *m_detail = nullptr;
    QLabel *m_status = nullptr;
};
