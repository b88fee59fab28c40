// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classlog/classoverview.h"

#include <QWidget>

class ProgressChart;
class QComboBox;
class QLabel;
class QTableWidget;

// The pupil chosen in the class view: his progress at one of the levels he
// played, over the days, and those rounds, newest first.
class PupilDetail : public QWidget {
    Q_OBJECT
public:
    explicit PupilDetail(QWidget *parent = nullptr);

    // The pupil's rounds among these (read from the files), in the days;
    // none chosen when there is no pupil. The rounds must stay until the
    // next call.
    void showPupil(const LoggedRounds &rounds, const QStringList &files,
                   const ClassOverview::Pupil *pupil, const DayRange &days);
    // Its controls in the keyboard's order.
    QList<QWidget *> keyOrder() const;

private:
    void showLevel();

    const LoggedRounds *m_all = nullptr;
    QStringList m_files;
    QString m_name;
    DayRange m_days;
    // The pupil's rounds of every level in the days, oldest first.
    std::vector<const LoggedRound *> m_rounds;
    QLabel *m_title = nullptr;
    QComboBox *m_level = nullptr;
    ProgressChart *m_chart = nullptr;
    QTableWidget *m_list = nullptr;
};
