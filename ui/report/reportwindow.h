// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/text.h"

#include <QDialog>

#include <functional>
#include <optional>

class ProgressPart;
struct ClassRecords;
struct ReportProgress;
class QGridLayout;
class QLabel;
class QListWidget;
class QIODevice;
class RhythmChart;
class RoundHistory;
struct RoundRecord;

// FormReport: the report of a round, opened from a challenge screen once the
// round has ended. A heading says whose round it was and how it ended; the
// rhythm chart is the main thing; the figures sum it up, each explained on
// hover or focus. The run's rounds are listed newest first, and choosing one
// shows its report. Where a class log is on, the pupil's progress at the
// level is shown beside them. The report can be saved as a picture or a
// PDF, printed and copied as text.
class ReportWindow : public QDialog {
    Q_OBJECT
public:
    // records: the class log and its class list, none where none is on.
    ReportWindow(const RoundHistory &history, const RoundRecord &shown,
                 const ClassRecords *records = nullptr, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showRound(const RoundRecord &round);
    // The pupil's progress as shown, once it has been read.
    std::optional<ReportProgress> progress() const;
    // Asks where, then writes the file whole or not at all; says how it went.
    void saveAs(const char *suffix, const Text &filter,
                const std::function<bool(QIODevice &)> &write);
    void saveImage();
    void savePdf();
    void print();
    void copy();
    void showHint();
    // Into the line under the chart.
    void showPointed(const QString &text);

    const RoundHistory &m_history;
    const RoundRecord *m_round = nullptr;
    QLabel *m_heading = nullptr;
    RhythmChart *m_chart = nullptr;
    QLabel *m_pointed = nullptr;
    QString m_pointedText;
    QWidget *m_figures = nullptr;
    QGridLayout *m_figureGrid = nullptr;
    QListWidget *m_rounds = nullptr;
    ProgressPart *m_progress = nullptr;
    QLabel *m_status = nullptr;
};
