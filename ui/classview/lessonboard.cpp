// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/classview/lessonboard.h"

#include "challenges/report/reporttexts.h"
#include "classlog/classviewtexts.h"
#include "core/text.h"
#include "ui/labelaccessible.h"

#include <QCollator>
#include <QDateTime>
#include <QLabel>

#include <cmath>

using namespace ClassViewTexts;

namespace {

// Computers in the order of their numbers: PC-2 before PC-10.
bool byNumber(const QString &a, const QString &b)
{
    static const QCollator order = [] {
        QCollator c(QLocale(QLocale::Chinese, QLocale::China));
        c.setNumericMode(true);
        return c;
    }();
    return order.compare(a, b) < 0;
}

constexpr qint64 kIdleMs = 10 * 60 * 1000;
// A tile is this much wider than high; between tiles, this many pixels.
constexpr double kTileShape = 1.6;
constexpr int kGap = 10;

QString agoText(qint64 ms)
{
    const qint64 minutes = ms / 60'000;
    if (minutes < 1)
        return translated(kJustNow);
    if (minutes < 60)
        return translated(kMinutesAgo).arg(minutes);
    return translated(kHoursAgo).arg(minutes / 60);
}

} // namespace

LessonBoard::LessonBoard(QWidget *parent)
    : QWidget(parent), m_tiles(&byNumber), m_empty(new QLabel(translated(kNoLessonYet), this))
{
    setObjectName(QStringLiteral("lessonBoard"));
    m_empty->setAlignment(Qt::AlignCenter);
    // How long ago a round ended, and who is idle, go on without new lines.
    m_clock.setInterval(10'000);
    connect(&m_clock, &QTimer::timeout, this, &LessonBoard::showTiles);
    m_clock.start();
}

void LessonBoard::takeRounds(const LoggedRounds &rounds, bool startedOver, const ClassList &list)
{
    const QDate today = QDate::currentDate();
    if (startedOver || rounds.size() < m_seen || today != m_day) {
        for (auto &[host, tile] : m_tiles)
            delete tile.label;
        m_tiles.clear();
        m_seen = 0;
        m_day = today;
    }
    for (auto round = rounds.begin() + qsizetype(m_seen); round != rounds.end(); ++round) {
        if (round->day != today)
            continue;
        const qint64 ended = round->startedMs + qint64(round->duration) * 10;
        Tile &tile = m_tiles[round->host];
        // A round delivered late does not hide a later one.
        if (tile.label && ended < tile.endedMs)
            continue;
        if (!tile.label) {
            tile.label = new ReadableLabel(this);
            tile.label->setTextFormat(Qt::RichText);
            tile.label->setAlignment(Qt::AlignCenter);
            tile.label->setAccessibleName(round->host);
            tile.label->show();
        }
        const ClassList::Pupil *listed = list.pupilOf(round->name);
        tile.name = listed ? listed->name : round->name;
        tile.level = round->level;
        tile.result = (round->resultInSeconds ? translated(ReportTexts::kSeconds)
                                              : translated(ReportTexts::kNumbers))
                          .arg(round->resultText());
        tile.ending = shownEnding(round->ending);
        tile.endedMs = ended;
    }
    m_seen = rounds.size();
    placeTiles();
}

void LessonBoard::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeTiles();
}

// As many columns as make the tiles largest, all of them on the page.
void LessonBoard::placeTiles()
{
    m_empty->setGeometry(rect());
    m_empty->setVisible(m_tiles.empty());
    const int n = int(m_tiles.size());
    int columns = 1;
    double best = 0;
    for (int c = 1; c <= n; ++c) {
        const int rows = (n + c - 1) / c;
        const double w = double(width() - kGap * (c + 1)) / c;
        const double h = double(height() - kGap * (rows + 1)) / rows;
        if (const double size = std::min(w / kTileShape, h); size > best) {
            best = size;
            columns = c;
        }
    }
    const int rows = n > 0 ? (n + columns - 1) / columns : 1;
    const int w = std::max(1, (width() - kGap * (columns + 1)) / columns);
    const int h = std::max(1, std::min(int(w / kTileShape), (height() - kGap * (rows + 1)) / rows));
    m_tileHeight = h;
    int i = 0;
    for (auto &[host, tile] : m_tiles) {
        tile.label->setGeometry(kGap + (i % columns) * (w + kGap),
                                kGap + (i / columns) * (h + kGap), w, h);
        ++i;
    }
    showTiles();
}

void LessonBoard::showTiles()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const auto px = [this](double part) {
        return std::max(9, int(std::lround(m_tileHeight * part)));
    };
    for (auto &[host, tile] : m_tiles) {
        const bool idle = now - tile.endedMs > kIdleMs;
        const QString when =
            idle ? translated(kIdle) + QStringLiteral(" · ") + agoText(now - tile.endedMs)
                 : tile.ending + QStringLiteral(" · ") +
                       agoText(std::max<qint64>(0, now - tile.endedMs));
        tile.label->setText(
            QStringLiteral("<div style='font-size:%1px; color:#505050'>%2</div>"
                           "<div style='font-size:%3px; font-weight:bold'>%4</div>"
                           "<div style='font-size:%5px'>%6</div>"
                           "<div style='font-size:%7px; color:#505050'>%8</div>")
                .arg(px(0.13))
                .arg(host.toHtmlEscaped())
                .arg(px(0.26))
                .arg(tile.name.toHtmlEscaped())
                .arg(px(0.16))
                .arg(translated(kTileLine).arg(tile.level).arg(tile.result).toHtmlEscaped())
                .arg(px(0.11))
                .arg(when.toHtmlEscaped()));
        // A style sheet polishes the label again: set only when it changes.
        if (tile.styledIdle == idle)
            continue;
        tile.styledIdle = idle;
        tile.label->setStyleSheet(
            idle ? QStringLiteral("QLabel { background: #E4E4E4; color: #707070; "
                                  "border: 1px solid #C8C8C8; }")
                 : QStringLiteral("QLabel { background: #FFFFFF; color: #000060; "
                                  "border: 2px solid #4080FF; }"));
    }
}
