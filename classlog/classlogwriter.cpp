// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classlog/classlogwriter.h"

#include "classlog/classlog.h"
#include "classlog/classlogtexts.h"
#include "core/text.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <vector>

// The thread that does every file operation of the log. It sleeps until it
// is handed work and takes all that came meanwhile at once: the rounds of a
// computer room that finished while the share was slow go in one write.
class ClassLogThread : public QThread {
    Q_OBJECT
public:
    explicit ClassLogThread(const QString &path) : m_log(path) {}

    void post(bool check, const RoundRecord *round, bool stop)
    {
        const QMutexLocker locker(&m_mutex);
        m_check = m_check || check;
        if (round)
            m_rounds.push_back(*round);
        m_stop = m_stop || stop;
        m_wake.wakeOne();
    }

    // Read only once the thread has finished.
    int waiting() const { return m_log.waiting(); }
    const Failure &lastFailure() const { return m_lastFailure; }

signals:
    void checked(const QString &problem);
    // handled: rounds taken from the queue so far; waiting: of those, the
    // rounds that wait after a failed write; problem: empty on success.
    void wrote(quint64 handled, int waiting, const QString &problem);

protected:
    void run() override
    {
        quint64 handled = 0;
        bool usable = true;
        for (;;) {
            bool check = false;
            bool stop = false;
            std::vector<RoundRecord> rounds;
            {
                const QMutexLocker locker(&m_mutex);
                while (!m_check && !m_stop && m_rounds.empty())
                    m_wake.wait(&m_mutex);
                std::swap(check, m_check);
                std::swap(stop, m_stop);
                rounds.swap(m_rounds);
            }
            if (check) {
                const Failure problem = m_log.check();
                usable = !problem;
                emit checked(problem.value_or(QString()));
            }
            // A file found unusable takes nothing: the game runs on without it.
            if (usable && (!rounds.empty() || stop)) {
                for (const RoundRecord &round : rounds)
                    m_log.add(round);
                handled += rounds.size();
                m_lastFailure = m_log.flush();
                emit wrote(handled, m_log.waiting(), m_lastFailure.value_or(QString()));
            }
            if (stop)
                return;
        }
    }

private:
    ClassLog m_log;
    Failure m_lastFailure;
    QMutex m_mutex;
    QWaitCondition m_wake;
    bool m_check = false;
    bool m_stop = false;
    std::vector<RoundRecord> m_rounds;
};

ClassLogWriter::ClassLogWriter(const QString &path, QObject *parent)
    : QObject(parent), m_path(path), m_thread(new ClassLogThread(path))
{
    m_noAnswer.setSingleShot(true);
    m_noAnswer.setInterval(kClassLogNoAnswerMs);
    connect(&m_noAnswer, &QTimer::timeout, this, &ClassLogWriter::notAnswering);
    connect(m_thread, &ClassLogThread::checked, this, [this](const QString &problem) {
        m_checking = false;
        watch(true);
        emit checked(problem.isEmpty() ? Failure() : Failure(problem));
    });
    connect(m_thread, &ClassLogThread::wrote, this,
            [this](quint64 handled, int waiting, const QString &problem) {
                m_handled = handled;
                m_waiting = waiting;
                watch(true);
                emit written(problem.isEmpty() ? Failure() : Failure(problem));
            });
    m_thread->start();
}

ClassLogWriter::~ClassLogWriter()
{
    if (!m_thread)
        return;
    if (!m_stopping)
        stopThread(kClassLogFinishMs);
    // A file operation that hangs may still come back; the thread then ends
    // and goes by itself. Deleting a running thread would end the program.
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    if (!m_thread->isRunning())
        delete m_thread;
}

void ClassLogWriter::check()
{
    m_checking = true;
    m_thread->post(true, nullptr, false);
    watch(false);
}

void ClassLogWriter::append(const RoundRecord &round)
{
    ++m_handed;
    m_thread->post(false, &round, false);
    watch(false);
}

int ClassLogWriter::unwritten() const
{
    return int(m_handed - m_handled) + m_waiting;
}

// The clock runs while the thread owes an answer, from its last answer on:
// a thread that answers, however slowly, is not said to hang.
void ClassLogWriter::watch(bool answered)
{
    if (!m_checking && m_handed == m_handled)
        m_noAnswer.stop();
    else if (answered || !m_noAnswer.isActive())
        m_noAnswer.start();
}

ClassLogWriter::Left ClassLogWriter::finish(int ms)
{
    m_noAnswer.stop();
    if (!m_thread)
        return {m_waiting, QString()};
    if (!m_stopping)
        stopThread(ms);
    if (hanging())
        return {unwritten(), utf8(ClassLogTexts::kNoAnswer)};
    // The thread has ended: what it holds can be read here.
    const Left left{m_thread->waiting(), m_thread->lastFailure().value_or(QString())};
    delete m_thread;
    m_thread = nullptr;
    m_handled = m_handed;
    m_waiting = left.rounds;
    return left;
}

bool ClassLogWriter::hanging() const
{
    return m_thread && m_thread->isRunning();
}

void ClassLogWriter::stopThread(int ms)
{
    m_stopping = true;
    m_thread->post(false, nullptr, true);
    m_thread->wait(QDeadlineTimer(ms));
}

#include "classlogwriter.moc"
