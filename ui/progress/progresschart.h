// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/progress/progressplot.h"

#include <QWidget>

#include <memory>

// A pupil's progress at one level, on the screen (see ProgressPlot).
class ProgressChart : public QWidget {
public:
    explicit ProgressChart(QWidget *parent = nullptr);

    void setRounds(std::vector<const LoggedRound *> rounds, int level,
                   const LoggedRound *marked = nullptr);
    QSize sizeHint() const override { return {480, 220}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    std::unique_ptr<ProgressPlot> m_plot;
};
