// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classlog/classoverview.h"
#include "classlog/logreader.h"
#include "core/text.h"
#include "ui/classview/classpage.h"

#include "ui/classview/logfollower.h"

#include <QTimer>
#include <QWidget>

#include <functional>

class DayChoice;
class LessonBoard;
class PupilDetail;
class PupilView;
class QIODevice;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;

// FormClass, "班级记录": the teacher's view of a class log. One row per pupil
// with the best of each level, sortable, searchable and limited to a range of
// days; a pupil's progress at a level over the days, and the rounds; the
// class in one line; with a class list, every listed pupil in its order and
// the names not on it set apart. A second page, the lesson board, shows the
// room's computers while pupils play. It reads the file and follows what the
// game appends to it, and writes nothing but what the teacher saves and
// the lines that count a name as a listed pupil's in the class list. The
// table can be exported as CSV, printed or saved as a PDF, and copied.
class ClassWindow : public QWidget {
    Q_OBJECT
public:
    // roster: the class list's file, empty for none.
    explicit ClassWindow(const QString &path, const QString &roster = QString(),
                         QWidget *parent = nullptr);
    // Several logs (one per computer room) seen as one.
    explicit ClassWindow(const QStringList &paths, const QString &roster = QString(),
                         QWidget *parent = nullptr);
    ~ClassWindow() override;

    // Reads the file (again: what it gained since); shows what it holds.
    Failure refresh();
    // The file the last failed reading could not read.
    QString failedPath() const;

private:
    // The parts of the window, each adding its controls to the keyboard's
    // order.
    QLayout *makeFilters(QList<QWidget *> &keyOrder);
    // What the reading brought: the lines left out, the pupils.
    void showRead();
    void showPupils();
    void showPupil();
    void countAsListed();
    // The table as printed or saved as a PDF.
    ClassPage page() const;
    void saveAs(const char *suffix, const Text &filter,
                const std::function<bool(QIODevice &)> &write);
    void exportCsv();
    void savePdf();
    void print();
    void copy();

    LogReader m_reader;
    QString m_roster;
    ClassList m_list;
    LogFollower m_follower;
    QTimer m_tableDue;
    PupilView *m_table = nullptr;
    QPushButton *m_countAs = nullptr;
    LessonBoard *m_board = nullptr;
    QLineEdit *m_search = nullptr;
    DayChoice *m_days = nullptr;
    QLabel *m_summary = nullptr;
    QLabel *m_skipped = nullptr;
    PupilDetail *m_detail = nullptr;
    QLabel *m_status = nullptr;
};
