// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/classview/pupildetail.h"

#include "classlog/classviewtexts.h"
#include "core/text.h"
#include "core/timetext.h"
#include "ui/fonts.h"
#include "ui/progress/progresschart.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableWidget>

#include <algorithm>
#include <iterator>

using namespace ClassViewTexts;

namespace {

// The rounds list's last column: the file a round came from.
constexpr int kFileColumn = 6;

} // namespace

PupilDetail::PupilDetail(QWidget *parent) : QWidget(parent)
{
    m_title = new QLabel(translated(kPickPupil), this);
    m_title->setFont(Fonts::makeFont({Layout::Face::Heiti, 13, 700, false}));
    m_level = new QComboBox(this);
    m_level->setAccessibleName(translated(kLevel).arg(QString()));
    connect(m_level, &QComboBox::currentIndexChanged, this, &PupilDetail::showLevel);
    m_chart = new ProgressChart(this);
    m_chart->setFont(Fonts::makeFont({Layout::Face::Songti, 10, 400, false}));
    m_list = new QTableWidget(this);
    m_list->setColumnCount(kFileColumn + 1);
    m_list->setHorizontalHeaderLabels({translated(kWhen), translated(kHosts), translated(kEnding),
                                       translated(kResult), translated(kNumbersColumn),
                                       translated(kDuration), translated(kFile)});
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->setVisible(false);
    m_list->setTabKeyNavigation(false);
    m_list->setAccessibleName(translated(kRoundsList));
    auto *head = new QHBoxLayout;
    head->addWidget(m_title, 1);
    head->addWidget(m_level);
    auto *body = new QSplitter(Qt::Horizontal, this);
    body->addWidget(m_chart);
    body->addWidget(m_list);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(head);
    layout->addWidget(body, 1);
}

QList<QWidget *> PupilDetail::keyOrder() const
{
    return {m_level, m_chart, m_list};
}

void PupilDetail::showPupil(const LoggedRounds &rounds, const QStringList &files,
                            const ClassOverview::Pupil *pupil, const DayRange &days)
{
    m_all = &rounds;
    m_files = files;
    m_name = pupil ? pupil->name : QString();
    m_days = days;
    m_rounds.clear();
    if (pupil) {
        // One pass over the log for all of the pupil's rounds.
        m_rounds = ClassOverview::roundsOf(rounds, pupil->logged, 0, days);
    }
    // The levels the pupil played, the chosen one kept where he has it.
    const int chosen = m_level->currentData().toInt();
    QList<int> levels;
    for (const LoggedRound *round : m_rounds) {
        if (!levels.contains(round->level))
            levels << round->level;
    }
    std::sort(levels.begin(), levels.end());
    {
        const QSignalBlocker quiet(m_level);
        m_level->clear();
        for (int level : levels)
            m_level->addItem(translated(kLevel).arg(level), level);
        const int at = levels.indexOf(chosen);
        m_level->setCurrentIndex(at >= 0 ? at : 0);
    }
    showLevel();
}

void PupilDetail::showLevel()
{
    m_list->setRowCount(0);
    if (m_name.isEmpty()) {
        m_title->setText(translated(kPickPupil));
        m_chart->setRounds({}, 0);
        return;
    }
    // A listed pupil who has not played in these days has no level.
    if (m_level->count() == 0) {
        m_title->setText(m_name + QLatin1Char(' ') + translated(kNoRoundsYet));
        m_chart->setRounds({}, 0);
        return;
    }
    const int level = m_level->currentData().toInt();
    m_title->setText(translated(kProgress).arg(m_name, translated(kLevel).arg(level)));
    std::vector<const LoggedRound *> rounds;
    std::copy_if(m_rounds.begin(), m_rounds.end(), std::back_inserter(rounds),
                 [level](const LoggedRound *r) { return r->level == level; });
    m_chart->setRounds(rounds, level);
    m_list->setRowCount(int(rounds.size()));
    // With several files (one per computer room), each round says which.
    m_list->setColumnHidden(kFileColumn, m_files.size() < 2);
    for (std::size_t r = 0; r < rounds.size(); ++r) {
        const LoggedRound &round = *rounds[rounds.size() - 1 - r]; // newest first
        const QStringList cells{ClassOverview::whenText(round),
                                round.host,
                                shownEnding(round.ending),
                                round.resultText(),
                                QString::number(round.numbers),
                                TimeText::secondsWithHundredths(round.duration),
                                QFileInfo(m_files.value(round.file)).completeBaseName()};
        for (int c = 0; c < cells.size(); ++c)
            m_list->setItem(int(r), c, new QTableWidgetItem(cells[c]));
    }
    m_list->resizeColumnsToContents();
}
