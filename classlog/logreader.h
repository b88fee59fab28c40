// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/failure.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// One round as the class log holds it.
struct LoggedRound {
    // When the round started: milliseconds since the epoch (UTC), and the
    // local day and time of day as the computer that played it wrote them.
    qint64 startedMs = 0;
    QDate day;
    int minuteOfDay = 0;
    QString host;
    QString name;
    int level = 0;
    // The ending in the log's words (挑战成功, 数字错误 ...).
    QString ending;
    // The result as the screen showed it: seconds for a ranged success, else
    // a count of numbers.
    QString result;
    qint64 numbers = 0;
    // Hundredths of a second.
    qint64 duration = 0;
    std::optional<qint64> typicalMs;
    std::optional<qint64> pauses;

    bool succeeded() const;
};

// Reads the class log as the game writes it (classlog/csvline), and what a
// shared file may hold beside: a byte-order mark or none, CRLF or LF, quoted
// cells with commas, quotes and line breaks, the apostrophe before a
// formula-looking cell, the header of this version or an earlier one (whose
// names map the columns), blank lines, lines not of the game's. A last line
// without its line end is being written: it is left for the next reading.
// Reading only ever reads.
class LogReader {
public:
    // Why lines were left out, and how many.
    struct Skipped {
        int foreign = 0; // not a round of the game
        int torn = 0;    // a line still being written, read next time
        int total() const { return foreign + torn; }
    };

    explicit LogReader(const QString &path);

    // Reads the file from where the last reading stopped (from the start
    // the first time, and again from the start when the file was replaced
    // or cut); appends the rounds of the new whole lines.
    Failure read();
    // Whether the last read started over.
    bool startedOver() const { return m_startedOver; }

    const std::vector<LoggedRound> &rounds() const { return m_rounds; }
    Skipped skipped() const { return m_skipped; }
    const QString &path() const { return m_path; }
    // Whether the file holds the class log's header: a file without one and
    // without a round is not a class log.
    bool sawHeader() const { return m_sawHeader; }

private:
    // Where each column stands in the lines that follow a header.
    struct Columns {
        int started = 0, host = 1, name = 2, level = 3, ending = 4, result = 5, numbers = 6,
            duration = 7, typical = 8, pauses = 9;
    };

    void readRecord(const std::vector<QByteArrayView> &cells);
    QString kept(QByteArrayView text);

    QString m_path;
    qint64 m_readTo = 0;
    QByteArray m_firstBytes;
    bool m_startedOver = false;
    bool m_sawHeader = false;
    Columns m_columns;
    std::vector<LoggedRound> m_rounds;
    Skipped m_skipped;
    // Names and computers, each text kept once however many rounds hold it.
    QHash<QString, QString> m_texts;
};

// Splits CSV bytes into records of cells as RFC 4180 writes them (a quoted
// cell may hold line breaks); records end in LF or CRLF. Calls record with
// each whole record's cells (valid for the call); returns where the last
// whole record ended: what follows is a record still being written.
qsizetype splitRecords(QByteArrayView bytes,
                       const std::function<void(const std::vector<QByteArrayView> &)> &record);
