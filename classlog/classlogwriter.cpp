// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classlog/classlogwriter.h"

#include "classlog/classlog.h"
#include "classlog/classlogtexts.h"
#include "classlog/csvline.h"
#include "classlog/filethread.h"
#include "classlog/outbox.h"
#include "core/text.h"

#include <QCoreApplication>
#include <QSignalBlocker>
#include <QSysInfo>

#include <algorithm>

namespace {

// What the last attempt at the end keeps for its write and sync, after
// waiting for the lock.
constexpr int kWriteMs = 1'000;
// How long the end of the program waits for this computer's own disk.
constexpr int kOutboxWaitMs = 5'000;

FileThread *startThread(QObject *receiver)
{
    auto *thread = new FileThread;
    QObject::connect(thread, &FileThread::replied, receiver,
                     [](const FileThread::Job &apply) { apply(); });
    thread->start();
    return thread;
}

} // namespace

ClassLogWriter::ClassLogWriter(const QString &path, const QString &outboxFolder, QObject *parent)
    : QObject(parent), m_path(path), m_host(QSysInfo::machineHostName()),
      m_log(std::make_shared<const ClassLog>(path)),
      m_outbox(std::make_shared<const Outbox>(outboxFolder, path)), m_share(startThread(this)),
      m_local(startThread(this))
{
    m_noAnswer.setSingleShot(true);
    m_noAnswer.setInterval(kClassLogNoAnswerMs);
    connect(&m_noAnswer, &QTimer::timeout, this, [this] {
        // Whatever waits for a folder that does not answer waits on this
        // computer too, in case the game ends before the folder answers.
        m_silent = true;
        keepAll();
        emit notAnswering();
    });
    m_retry.setSingleShot(true);
    m_retry.setInterval(kClassLogRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &ClassLogWriter::deliver);
}

ClassLogWriter::~ClassLogWriter()
{
    if (!m_finished)
        finish(kClassLogFinishMs);
}

const QString &ClassLogWriter::outboxFolder() const
{
    return m_outbox->folder();
}

void ClassLogWriter::start()
{
    m_checking = true;
    m_share->post([this, log = m_log, thread = m_share] {
        const Failure problem = log->check();
        thread->reply([this, problem] {
            m_checking = false;
            m_usable = problem ? Usable::No : Usable::Yes;
            m_failure = problem;
            watch(true);
            emit checked(problem);
            deliver();
        });
    });
    watch(false);
    m_loading = true;
    m_local->post([this, outbox = m_outbox, thread = m_local] {
        const Outbox::Loaded kept = outbox->load();
        thread->reply([this, kept] { loaded(kept.lines, kept.failure); });
    });
}

void ClassLogWriter::append(const RoundRecord &round)
{
    const QByteArray line = CsvLine::round(round, m_host);
    if (!m_loaded && !m_unreadable) {
        m_early.push_back(line);
        return;
    }
    queue(line, false);
    deliver();
}

void ClassLogWriter::queue(const QByteArray &line, bool inDoubt)
{
    m_lines.push_back({line, m_next++, inDoubt});
}

void ClassLogWriter::loaded(const std::vector<QByteArray> &lines, const Failure &failure)
{
    // The outbox's lines ended in an earlier run: they go first. A run
    // that ended without hearing back from its write may have put them in
    // the file already.
    m_loading = false;
    m_loaded = failure == std::nullopt;
    m_unreadable = !m_loaded;
    m_outboxFailure = failure;
    const quint64 first = m_next;
    for (const QByteArray &line : lines)
        queue(line, true);
    m_keepTo = m_next;
    m_stored = {first, m_next};
    for (const QByteArray &line : std::exchange(m_early, {}))
        queue(line, false);
    // Rounds that ended while the folder did not answer wait here too.
    if (m_silent)
        keepAll();
    deliver();
}

int ClassLogWriter::unwritten() const
{
    return int(m_lines.size() + m_early.size());
}

bool ClassLogWriter::keepsHere() const
{
    return !m_unreadable && !m_outboxFailure;
}

void ClassLogWriter::deliver()
{
    if (m_usable != Usable::Yes || !(m_loaded || m_unreadable) || m_writing > 0 || m_lines.empty())
        return;
    m_retry.stop();
    std::vector<QByteArray> lines;
    std::size_t inDoubt = 0;
    for (const Line &line : m_lines) {
        lines.push_back(line.bytes);
        if (line.inDoubt)
            inDoubt = lines.size();
    }
    m_writing = lines.size();
    // At the end, the last attempt waits for the lock only as long as the
    // end leaves it.
    const int lockWaitMs = m_finishing
                               ? int(std::max<qint64>(0, m_finishBy.remainingTime() - kWriteMs))
                               : ClassLog::kLockWaitMs;
    m_share->post(
        [this, log = m_log, thread = m_share, lines = std::move(lines), inDoubt, lockWaitMs] {
            const ClassLog::Written written = log->write(lines, inDoubt, lockWaitMs);
            thread->reply([this, count = lines.size(), written] {
                wrote(count, written.failure, written.busy, written.uncertain);
            });
        });
    watch(false);
}

void ClassLogWriter::wrote(std::size_t count, const Failure &failure, bool busy, bool uncertain)
{
    m_writing = 0;
    watch(true);
    m_failure = failure;
    m_busy = busy;
    if (!failure) {
        m_lines.erase(m_lines.begin(), m_lines.begin() + qsizetype(count));
        // The outbox lets go of what went in.
        store();
        emit written(failure, busy);
        deliver();
        return;
    }
    if (uncertain) {
        for (std::size_t i = 0; i < count; ++i)
            m_lines[i].inDoubt = true;
    }
    keepAll();
    if (!m_finishing)
        m_retry.start();
    emit written(failure, busy);
}

void ClassLogWriter::keepAll()
{
    m_keepTo = m_next;
    store();
}

// The outbox is written one write at a time, each with every line it
// should hold then; a write that fails leaves the file as it was and is
// tried again when more lines are to be kept.
void ClassLogWriter::store()
{
    if (!m_loaded || m_storing)
        return;
    const quint64 first = m_lines.empty() ? m_next : m_lines.front().number;
    const Stretch keep{first, std::max(first, m_keepTo)};
    if (keep == m_stored || (keep.empty() && m_stored.empty()))
        return;
    std::vector<QByteArray> lines;
    for (const Line &line : m_lines) {
        if (line.number < keep.to)
            lines.push_back(line.bytes);
    }
    m_storing = true;
    m_local->post([this, outbox = m_outbox, thread = m_local, lines = std::move(lines), keep] {
        const Failure failure = outbox->store(lines);
        thread->reply([this, keep, failure] { stored(keep, failure); });
    });
}

void ClassLogWriter::stored(Stretch stretch, const Failure &failure)
{
    m_storing = false;
    const bool keptBefore = keepsHere();
    m_outboxFailure = failure;
    if (!failure) {
        m_stored = stretch;
        store();
    }
    // Where the waiting rounds are has changed: said again.
    if (keepsHere() != keptBefore && m_silent)
        emit notAnswering();
    else if (keepsHere() != keptBefore && m_failure)
        emit written(m_failure, m_busy);
}

// The clock runs while the log's thread owes an answer, from its last
// answer on: a thread that answers, however slowly, is not said to hang.
void ClassLogWriter::watch(bool answered)
{
    if (answered)
        m_silent = false;
    if (!m_checking && m_writing == 0)
        m_noAnswer.stop();
    else if (answered || !m_noAnswer.isActive())
        m_noAnswer.start();
}

void ClassLogWriter::waitFor(FileThread *thread, const std::function<bool()> &owed,
                             QDeadlineTimer deadline)
{
    // The answers come as queued calls: they are run here, since the event
    // loop has ended. Whatever is owed has a job on the thread that has not
    // run yet, or its answer waits here.
    for (;;) {
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
        if (!owed() || !thread->waitIdle(deadline))
            return;
    }
}

ClassLogWriter::Left ClassLogWriter::finish(int ms)
{
    Left left;
    if (m_finished)
        return left;
    // What became of the rounds is said by what this returns: the windows
    // that heard the signals may be going already.
    const QSignalBlocker quiet(this);
    m_finishing = true;
    m_finishBy = QDeadlineTimer(ms);
    m_noAnswer.stop();
    m_retry.stop();
    // The write under way, then one more with every round that waits.
    auto shareOwes = [this] { return m_checking || m_writing > 0; };
    waitFor(m_share, shareOwes, m_finishBy);
    deliver();
    waitFor(m_share, shareOwes, m_finishBy);
    const bool hangs = shareOwes();
    // What did not go in waits on this computer, whose own disk answers:
    // once the outbox has been read, it is written with every round.
    const QDeadlineTimer local(kOutboxWaitMs);
    auto loading = [this] { return m_loading; };
    waitFor(m_local, loading, local);
    keepAll();
    auto localOwes = [this] { return m_loading || m_storing; };
    waitFor(m_local, localOwes, local);
    m_finished = true;

    for (const Line &line : m_lines)
        ++(line.number < m_stored.to && line.number >= m_stored.from ? left.kept : left.lost);
    left.lost += int(m_early.size());
    left.reason = hangs ? translated(ClassLogTexts::kNoAnswer) : m_failure.value_or(QString());
    if (left.reason.isEmpty())
        left.reason = translated(ClassLogTexts::kNoAnswer);
    left.outboxReason =
        localOwes() ? translated(ClassLogTexts::kNoAnswer) : m_outboxFailure.value_or(QString());
    m_hangs = !FileThread::end(m_local, localOwes());
    m_hangs = !FileThread::end(m_share, hangs) || m_hangs;
    return left;
}

bool ClassLogWriter::hanging() const
{
    return m_hangs;
}
