// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/roundrecord.h"
#include "core/failure.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

class ClassLog;
class FileThread;
class Outbox;

// How long the end of the program waits for the class log: the longest wait
// for another copy's lock (5 s) and a second for the write and the sync, so
// that a last attempt that only waited its turn still goes in; a folder that
// answers in none of that time is not waited for.
inline constexpr int kClassLogFinishMs = 6'000;
// How long one file operation may take before the teacher is told that the
// folder does not answer: longer than the wait for another copy's lock,
// which has its own message.
inline constexpr int kClassLogNoAnswerMs = 6'000;
// How often rounds that wait are tried again while the game runs. A room's
// thirty computers each try then, waiting up to 5 s for the lock: a few
// light attempts a second on the share at most, and a file freed in the
// middle of a lesson takes its rounds within some 20 seconds.
inline constexpr int kClassLogRetryMs = 15'000;

// The class log as the game uses it. Every operation on the log's file runs
// on a thread of its own, so that a slow, busy or hung shared folder holds
// up only that thread, never the window. Rounds go to the file in the order
// they ended, those that ended during a write with the next one. A round
// that could not be written at once also waits on this computer, in the
// log's outbox (classlog/outbox), on a second thread, and is tried again by
// itself; what the outbox holds goes first at the next start. Lives on the
// window's thread, and tells it what became of the file through its
// signals.
class ClassLogWriter : public QObject {
    Q_OBJECT
public:
    ClassLogWriter(const QString &path, const QString &outboxFolder, QObject *parent = nullptr);
    // Ends as finish() does; a thread that still hangs then is left to end
    // by itself.
    ~ClassLogWriter() override;

    const QString &path() const { return m_path; }
    const QString &outboxFolder() const;
    // Whether the file can be written at all (answered by checked()), and
    // the rounds the outbox kept from earlier runs, written first.
    void start();
    void append(const RoundRecord &round);
    // Rounds handed over or kept from earlier runs, not known to be in the
    // file.
    int unwritten() const;
    // Whether the rounds that wait are kept on this computer (else, its
    // folder failing, in memory only).
    bool keepsHere() const;

    // What the end of the program could not write: rounds kept on this
    // computer for the next start, rounds not even kept, and why.
    struct Left {
        int kept = 0;
        int lost = 0;
        QString reason;
        QString outboxReason;
    };
    // At the end of the run: a last attempt with every round that waits,
    // waited for at most ms; what still waits then is kept on this
    // computer. A folder that did not answer in that time leaves the
    // thread hanging: hanging() tells, and the program must then end
    // without waiting for it.
    Left finish(int ms);
    bool hanging() const;

signals:
    void checked(const Failure &problem);
    // After each attempt (none when the rounds went in; busy when another
    // program holds the file), and again when the rounds that wait since
    // move between this computer's disk and memory.
    void written(const Failure &failure, bool busy);
    // A file operation has not come back for kClassLogNoAnswerMs; again
    // when the rounds that wait since move between disk and memory.
    void notAnswering();

private:
    struct Line {
        QByteArray bytes;
        quint64 number = 0;
        // It may be in the file already: looked for before it is written.
        bool inDoubt = false;
    };
    // Lines numbered from..to-1, of those that wait.
    struct Stretch {
        quint64 from = 0;
        quint64 to = 0;
        bool operator==(const Stretch &) const = default;
        bool empty() const { return from >= to; }
    };

    void queue(const QByteArray &line, bool inDoubt);
    void loaded(const std::vector<QByteArray> &lines, const Failure &failure);
    void deliver();
    void wrote(std::size_t count, const Failure &failure, bool busy, bool uncertain);
    void keepAll();
    void store();
    void stored(Stretch stretch, const Failure &failure);
    void watch(bool answered);
    // Runs what the thread answered until the condition no longer holds.
    void waitFor(FileThread *thread, const std::function<bool()> &owed, QDeadlineTimer deadline);

    QString m_path;
    QString m_host;
    std::shared_ptr<const ClassLog> m_log;
    std::shared_ptr<const Outbox> m_outbox;
    FileThread *m_share;
    FileThread *m_local;
    QTimer m_noAnswer;
    QTimer m_retry;

    // The lines not known to be in the file, in the order the rounds ended;
    // rounds that end before the outbox has been read wait apart.
    std::deque<Line> m_lines;
    std::vector<QByteArray> m_early;
    quint64 m_next = 0;
    // Of m_lines, how many the write under way holds.
    std::size_t m_writing = 0;
    enum class Usable { Unknown, Yes, No } m_usable = Usable::Unknown;
    bool m_checking = false;
    Failure m_failure;
    bool m_busy = false;
    // A file operation has not come back for a while.
    bool m_silent = false;

    // The outbox: read yet, a write under way, the lines to keep, what the
    // file holds as of the last write that went in, and why the last one
    // failed. An outbox that cannot be read is never written.
    bool m_loading = false;
    bool m_loaded = false;
    bool m_unreadable = false;
    bool m_storing = false;
    quint64 m_keepTo = 0;
    Stretch m_stored;
    Failure m_outboxFailure;

    bool m_finishing = false;
    bool m_finished = false;
    bool m_hangs = false;
    QDeadlineTimer m_finishBy;
};
