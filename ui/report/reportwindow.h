// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class RhythmChart;
class RoundHistory;
struct RoundRecord;

// FormReport: the report of a round, opened from a challenge screen once the
// round has ended. A heading says whose round it was and how it ended; the
// rhythm chart is the main thing; the figures sum it up. The run's rounds
// are listed newest first, and choosing one shows its report. The report
// can be saved as a picture, printed (or saved as PDF) and copied as text.
class ReportWindow : public QDialog {
    Q_OBJECT
public:
    ReportWindow(const RoundHistory &history, const RoundRecord &shown, QWidget *parent = nullptr);

    // Draws the report, without its buttons, at a device pixel ratio.
    QImage picture(qreal devicePixelRatio) const;

private:
    void showRound(const RoundRecord &round);
    void saveImage();
    void print();
    void copy();
    QString summary() const;

    const RoundHistory &m_history;
    const RoundRecord *m_round = nullptr;
    QWidget *m_page = nullptr;
    QLabel *m_heading = nullptr;
    RhythmChart *m_chart = nullptr;
    QLabel *m_pointed = nullptr;
    QLabel *m_figures = nullptr;
    QListWidget *m_rounds = nullptr;
};
