// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classlog/classlist.h"
#include "classlog/logreader.h"

#include <QHash>
#include <QTimer>
#include <QWidget>

#include <map>
#include <optional>

class QLabel;

// "本节课", the lesson board: one tile per computer that has played today,
// with the pupil, the level, the last round's result and how long ago it
// ended, in type a teacher reads from across the room; the tiles fill the
// page. A computer without a round for ten minutes is marked idle.
class LessonBoard : public QWidget {
    Q_OBJECT
public:
    explicit LessonBoard(QWidget *parent = nullptr);

    // Takes in the rounds read so far: only those it has not seen, unless
    // the reading started over (then all again). Names are the class
    // list's where it has them.
    void takeRounds(const LoggedRounds &rounds, bool startedOver, const ClassList &list);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Tile {
        QString name;
        int level = 0;
        QString result;
        QString ending;
        qint64 endedMs = 0;
        QLabel *label = nullptr;
        // How the tile is drawn now: idle or playing, none before.
        std::optional<bool> styledIdle;
    };

    void showTiles();
    void placeTiles();

    // By computer, in the order of a Chinese class list's numbers.
    std::map<QString, Tile, bool (*)(const QString &, const QString &)> m_tiles;
    std::size_t m_seen = 0;
    QDate m_day;
    int m_tileHeight = 0;
    QLabel *m_empty;
    QTimer m_clock;
};
