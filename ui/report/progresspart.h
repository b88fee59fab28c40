// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classlog/logreader.h"

#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>

class LogReading;
struct ClassRecords;
class ProgressChart;
class QLabel;
class RoundHistory;
struct RoundRecord;

// What the report shows of a pupil's progress: a line in his words and his
// rounds of the level for the chart, the shown round among them.
struct ReportProgress {
    QString line;
    std::vector<const LoggedRound *> rounds;
    int level = 0;
    const LoggedRound *shown = nullptr;
};

// "我的进步" in the round report: the pupil's rounds of the shown round's
// level from the class log (under every name the class list counts as his),
// and this run's rounds that may not be in it yet, each counted once; read
// on a thread of their own, so that the report opens at once and says it
// is reading meanwhile.
class ProgressPart : public QWidget {
    Q_OBJECT
public:
    ProgressPart(const ClassRecords &records, const RoundHistory &history,
                 QWidget *parent = nullptr);
    ~ProgressPart() override;

    // The part for this round: its pupil's rounds of its level, read again
    // where the pupil or the level is another.
    void showRound(const RoundRecord &round);
    // What it shows once the log has been read; none before, or when the
    // log could not be read.
    std::optional<ReportProgress> progress() const;

private:
    void read(const LogReader::Only &only);
    void show();

    const ClassRecords &m_records;
    const RoundHistory &m_history;
    QString m_host;
    std::optional<LogReader::Only> m_reading;
    std::unique_ptr<LogReader> m_reader;
    std::unique_ptr<LogReading> m_thread;
    bool m_read = false;
    std::optional<LoggedRound> m_shown;
    std::vector<const LoggedRound *> m_rounds;
    QLabel *m_line;
    ProgressChart *m_chart;
};
