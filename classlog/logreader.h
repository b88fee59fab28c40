// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/roundrecord.h"
#include "core/failure.h"

#include <QDate>
#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>

#include <atomic>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

// One round as the class log holds it, kept small: a whole school's year
// is millions of them.
struct LoggedRound {
    // When the round started: milliseconds since the epoch (UTC), and the
    // local day and time of day as the computer that played it wrote them.
    qint64 startedMs = 0;
    qint32 numbers = 0;
    // Hundredths of a second.
    qint32 duration = 0;
    // The result as the screen showed it: hundredths of a second for a won
    // race (resultInSeconds), else a count of numbers.
    qint32 result = 0;
    // Where the same round written twice would stand again: its start's
    // second and a few bits of its computer and name (for the reader).
    quint32 place = 0;
    QDate day;
    // Names and computers are each held once by the reader and shared.
    QString host;
    QString name;
    qint16 minuteOfDay = 0;
    qint8 level = 0;
    RoundEnding ending = RoundEnding::Back;
    bool resultInSeconds = false;
    // Which of the files read it comes from.
    quint16 file = 0;

    bool succeeded() const { return ending == RoundEnding::Success; }
    QString resultText() const;
    // The same round: alike in everything the view reads of it (one line
    // written twice is one round).
    bool sameAs(const LoggedRound &other) const;
};

// Rounds stay where they are as more are read.
using LoggedRounds = std::deque<LoggedRound>;

// Reads class logs as the game writes them, also while the game appends to
// them: lines still being written wait for the next reading, lines that are
// not rounds are counted and left out. Several files (one per computer room)
// are read as one.
class LogReader {
public:
    // Why lines were left out, and how many.
    struct Skipped {
        int foreign = 0; // not a round of the game
        int torn = 0;    // a line still being written, read next time
        int total() const { return foreign + torn; }
    };

    // Only the rounds of one pupil at one level: the others are passed
    // over, never kept (his names as the view reads them).
    struct Only {
        QStringList names;
        int level = 0;
    };

    explicit LogReader(const QString &path);
    explicit LogReader(const QStringList &paths, std::optional<Only> only = std::nullopt);

    // Reads the files from where the last reading stopped (from the start
    // the first time, and all again from the start when one was replaced or
    // cut); appends the rounds of the new whole lines. May run on a thread
    // of its own while nothing else touches the reader; progress() may be
    // asked from any thread meanwhile.
    Failure read();
    // Lines as the game writes them, read as if appended to the files: the
    // rounds this run of the game played, some perhaps not in the files yet
    // (one that is counts once).
    void addLines(const QByteArray &lines);
    // One line as a round; none when it is not one.
    static std::optional<LoggedRound> roundOf(const QByteArray &line);
    // Bytes read so far of those the running read() has to read, 0 to 1.
    double progress() const;
    // Ends the running read() early, from any thread: what it read is
    // then no whole reading.
    void stop() { m_stopping = true; }
    // How many bytes the next read() has to read (an estimate of its time).
    qint64 unread() const;
    // Whether the last read started over.
    bool startedOver() const { return m_startedOver; }
    const LoggedRounds &rounds() const { return m_rounds; }
    Skipped skipped() const;
    const QString &path() const { return m_files.front().path; }
    QStringList paths() const;
    // The file that the last failed read() could not read.
    const QString &failedPath() const { return m_failedPath; }
    // Whether a file holds the class log's header: a file without one and
    // without a round is not a class log.
    bool sawHeader() const;

private:
    // Where each column stands in the lines that follow a header.
    struct Columns {
        int started = 0, host = 1, name = 2, level = 3, ending = 4, result = 5, numbers = 6,
            duration = 7;
    };
    struct File {
        QString path;
        qint64 readTo = 0;
        QByteArray firstBytes;
        Columns columns;
        Skipped skipped;
        bool sawHeader = false;
    };

    // A stretch of one file, read into its rounds with its own texts.
    struct Part {
        Columns columns;
        Skipped skipped;
        bool sawHeader = false;
        LoggedRounds *rounds = nullptr;
        QHash<QByteArray, QString> *texts = nullptr;
        // The places its rounds took (see m_seen), and those found taken
        // again.
        std::vector<quint64> *seen = nullptr;
        std::vector<quint32> *again = nullptr;
        quint16 file = 0;
        // Where the next record starts.
        qint64 readTo = 0;
    };

    Failure readFile(File &file, quint16 index, std::vector<quint32> &again);
    // Leaves out the rounds read before: one line written twice (by a
    // writer that did not hear that it went in the first time), or one
    // file read under two names, is one round.
    void dropRepeats(const std::vector<quint32> &again);
    // Marks the round's place as seen; a place seen before is noted.
    void see(Part &part, quint32 place);
    static qint64 roundStartAfter(QFile &f, qint64 from, qint64 size);
    // What follows a part: the file's end (a torn last line waits for the
    // next reading), the next part, or the same bytes read again.
    enum class PartEnd { FileEnd, NextPart, ReadAgain };
    // Reads from part.readTo up to to.
    Failure readPart(const QString &path, Part &part, qint64 to, PartEnd end);
    void readRecord(Part &part, const std::vector<QByteArrayView> &cells);
    static QString kept(Part &part, QByteArrayView text);

    std::vector<File> m_files;
    std::optional<Only> m_only;
    QList<QByteArray> m_onlyNames;
    bool m_startedOver = false;
    QString m_failedPath;
    LoggedRounds m_rounds;
    // Names and computers, each text kept once however many rounds hold it.
    QHash<QByteArray, QString> m_texts;
    // A bit for each place a round has taken (LoggedRound::place); sized
    // when reading starts over.
    std::vector<quint64> m_seen;
    std::atomic<qint64> m_done{0};
    std::atomic<bool> m_stopping{false};
    std::atomic<qint64> m_toDo{0};
};

// Splits CSV records (RFC 4180) out of bytes that hold whole lines and
// perhaps the start of another; returns where the last whole record ends.
qsizetype splitRecords(QByteArrayView bytes,
                       const std::function<void(const std::vector<QByteArrayView> &)> &record);
