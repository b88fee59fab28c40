// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/report/progresspart.h"

#include "challenges/report/reporttexts.h"
#include "challenges/roundhistory.h"
#include "classlog/classlist.h"
#include "classlog/csvline.h"
#include "classlog/logreading.h"
#include "classlog/pupilprogress.h"
#include "core/text.h"
#include "ui/fonts.h"
#include "ui/labelaccessible.h"
#include "ui/progress/progresschart.h"

#include <QLabel>
#include <QSysInfo>
#include <QVBoxLayout>

#include <algorithm>

using namespace ReportTexts;

ProgressPart::ProgressPart(const ClassRecords &records, const RoundHistory &history,
                           QWidget *parent)
    : QWidget(parent), m_records(records), m_history(history), m_host(QSysInfo::machineHostName()),
      m_line(new ReadableLabel(this)), m_chart(new ProgressChart(this))
{
    setObjectName(QStringLiteral("progressPart"));
    auto *title = new QLabel(translated(kProgressTitle), this);
    title->setFont(Fonts::makeFont({Layout::Face::Heiti, 13, 700, false}));
    m_line->setFont(Fonts::makeFont({Layout::Face::Songti, 12, 400, false}));
    m_line->setTextFormat(Qt::PlainText);
    m_line->setWordWrap(true);
    m_line->setAccessibleName(translated(kProgressTitle));
    m_chart->setFont(Fonts::makeFont({Layout::Face::Songti, 9, 400, false}));
    m_chart->setMinimumSize(200, 150);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title);
    layout->addWidget(m_line);
    layout->addWidget(m_chart);
}

ProgressPart::~ProgressPart() = default;

void ProgressPart::showRound(const RoundRecord &round)
{
    m_shown = LogReader::roundOf(CsvLine::round(round, m_host));
    // The pupil under every name the class list counts as his.
    const ClassList::Pupil *listed = m_records.list.pupilOf(round.name);
    const LogReader::Only only{
        listed ? m_records.list.loggedNames(*listed) : QStringList{round.name}, round.level};
    if (!m_reading || m_reading->names != only.names || m_reading->level != only.level)
        read(only);
    else if (m_read)
        show();
}

void ProgressPart::read(const LogReader::Only &only)
{
    m_thread.reset();
    m_read = false;
    m_rounds.clear();
    m_reading = only;
    m_reader = std::make_unique<LogReader>(m_records.logs, m_reading);
    m_thread = std::make_unique<LogReading>(*m_reader);
    m_line->setText(translated(kProgressReading));
    m_chart->setVisible(false);
    connect(m_thread.get(), &LogReading::finished, this, [this](const Failure &failure) {
        if (failure) {
            m_line->setText(translated(kProgressUnreadable));
            return;
        }
        // This run's rounds, some perhaps still on their way to the file.
        QByteArray lines;
        for (const RoundRecord &round : m_history.rounds())
            lines += CsvLine::round(round, m_host);
        m_reader->addLines(lines);
        for (const LoggedRound &round : m_reader->rounds())
            m_rounds.push_back(&round);
        std::stable_sort(
            m_rounds.begin(), m_rounds.end(),
            [](const LoggedRound *a, const LoggedRound *b) { return a->startedMs < b->startedMs; });
        m_read = true;
        show();
    });
    m_thread->start();
}

void ProgressPart::show()
{
    const std::optional<ReportProgress> shown = progress();
    if (!shown)
        return;
    m_line->setText(shown->line);
    m_chart->setRounds(shown->rounds, shown->level, shown->shown);
    m_chart->setVisible(true);
}

std::optional<ReportProgress> ProgressPart::progress() const
{
    if (!m_read || !m_shown)
        return std::nullopt;
    const auto at = std::find_if(m_rounds.begin(), m_rounds.end(),
                                 [this](const LoggedRound *r) { return r->sameAs(*m_shown); });
    const LoggedRound *shown = at == m_rounds.end() ? nullptr : *at;
    return ReportProgress{PupilProgress::line(m_rounds, *m_shown, QDate::currentDate()), m_rounds,
                          m_reading->level, shown};
}
