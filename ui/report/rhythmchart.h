// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/report/rhythmplot.h"

#include <QWidget>

// The rhythm chart of a round on the screen (see RhythmPlot). The mouse or
// the arrow keys point at a column and the chart tells what it stands for.
class RhythmChart : public QWidget {
    Q_OBJECT
public:
    explicit RhythmChart(QWidget *parent = nullptr);

    void setRhythm(RoundReport::Rhythm rhythm);
    QSize sizeHint() const override { return {640, 320}; }

signals:
    // What the column pointed at stands for; empty when none is.
    void pointed(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void point(int column);

    RhythmPlot m_plot;
    int m_pointed = -1;
};
