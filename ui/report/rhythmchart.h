// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/roundfigures.h"

#include <QWidget>

#include <vector>

// The rhythm of a round: one bar per accepted number, as tall as the time
// from the previous Enter to its own, finding below and typing above; a line
// at the median, lapses marked, a tick where the numbers take one more
// digit, and on the endurance screen a line at 2 seconds. With more numbers
// than pixel columns, each column stands for a group: its bar is the
// group's median number and a thin line reaches up to its slowest. The
// mouse or the arrow keys point at a column and the chart tells its times.
class RhythmChart : public QWidget {
    Q_OBJECT
public:
    explicit RhythmChart(QWidget *parent = nullptr);

    void setRound(const std::vector<NumberTimes> &numbers, std::optional<qint64> medianMs,
                  bool pauseRule);
    QSize sizeHint() const override { return {640, 320}; }

signals:
    // What the column pointed at took; empty when none is.
    void pointed(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    struct Column {
        qint64 first = 0, last = 0; // numbers, from 1
        NumberTime bar;             // the number the bar stands for
        qint64 slowestMs = 0;
    };

    QRectF plotArea() const;
    void regroup();
    void point(int column);
    double y(qint64 ms) const;
    double columnX(double column) const;

    std::vector<NumberTime> m_times;
    qint64 m_medianMs = 0;
    bool m_pauseRule = false;
    qint64 m_topMs = 1000;
    qint64 m_stepMs = 200;
    std::vector<Column> m_columns;
    int m_pointed = -1;
};
