// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/classview/pupiltable.h"

#include "challenges/leveltable.h"
#include "classlog/classlist.h"
#include "classlog/classviewtexts.h"
#include "core/text.h"
#include "core/timetext.h"

#include <limits>

using namespace ClassViewTexts;

PupilTable::PupilTable(QObject *parent) : QAbstractTableModel(parent) {}

void PupilTable::setPupils(std::vector<ClassOverview::Pupil> pupils)
{
    beginResetModel();
    m_pupils = std::move(pupils);
    endResetModel();
}

int PupilTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_pupils.size());
}

int PupilTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kFirstLevelColumn + LevelTable::lastLevel();
}

QVariant PupilTable::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != kSortRole &&
                             role != Qt::ToolTipRole && role != Qt::TextAlignmentRole))
        return {};
    const ClassOverview::Pupil &p = m_pupils[std::size_t(index.row())];
    const int column = index.column();
    if (role == Qt::TextAlignmentRole)
        return column == 0 || column == 1 ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                          : int(Qt::AlignRight | Qt::AlignVCenter);
    switch (column) {
    case 0:
        if (role == kSortRole)
            return index.row();
        if (p.listing == ClassOverview::Listing::NotListed)
            return translated(kNameNotListed).arg(p.name);
        return ClassList::Pupil::shown(p.number, p.name);
    case 1:
        // A pupil who changes seats may have played on a whole room's
        // computers: the cell names one and counts them, the tip names all.
        if (role == Qt::ToolTipRole || p.hosts.size() < 2)
            return p.hosts.join(QStringLiteral(", "));
        return translated(kHostsMore).arg(p.hosts.front()).arg(p.hosts.size());
    case 2:
        return p.rounds;
    case 3:
        if (!p.last)
            return role == kSortRole ? QVariant(qint64(0)) : QVariant(translated(kNoRoundsYet));
        if (role == kSortRole)
            return p.last->startedMs;
        // Short in the table, so that every level's column fits beside it.
        if (role == Qt::DisplayRole && p.last->day.year() == QDate::currentDate().year())
            return ClassOverview::whenText(*p.last).mid(5);
        return ClassOverview::whenText(*p.last);
    default:
        break;
    }
    const LoggedRound *best = p.best[std::size_t(column - kFirstLevelColumn)];
    if (role == kSortRole)
        return best ? ClassOverview::bestSortKey(*best) : std::numeric_limits<qint64>::max();
    if (!best)
        return {};
    return role == Qt::ToolTipRole ? ClassOverview::whenText(*best)
                                   : ClassOverview::bestText(*best);
}

QStringList PupilTable::exportHeader()
{
    QStringList header{translated(kName), translated(kHosts), translated(kRounds),
                       translated(kLast)};
    for (int level = LevelTable::kFirstLevel; level <= LevelTable::lastLevel(); ++level) {
        const ChallengeScreen *screen = LevelTable::screen(level);
        if (screen && screen->best == ChallengeScreen::Best::MostNumbersThenShortest)
            header << translated(kInNumbers).arg(translated(kLevel).arg(level))
                   << translated(kDurationOf).arg(translated(kLevel).arg(level));
        else
            header << ClassOverview::levelHeading(level);
    }
    return header;
}

QStringList PupilTable::exportRow(int row) const
{
    const ClassOverview::Pupil &p = m_pupils[std::size_t(row)];
    QStringList cells{p.name, p.hosts.join(QStringLiteral(", ")), QString::number(p.rounds),
                      p.last ? ClassOverview::whenText(*p.last) : utf8(kNoRoundsYet.source)};
    for (int level = LevelTable::kFirstLevel; level <= LevelTable::lastLevel(); ++level) {
        const ChallengeScreen *screen = LevelTable::screen(level);
        const LoggedRound *best = p.best[std::size_t(level - LevelTable::kFirstLevel)];
        const bool seconds = screen && screen->best == ChallengeScreen::Best::FastestSuccess;
        const bool both = screen && screen->best == ChallengeScreen::Best::MostNumbersThenShortest;
        if (!best) {
            cells << QString();
            if (both)
                cells << QString();
            continue;
        }
        if (!seconds)
            cells << QString::number(best->numbers);
        if (seconds || both)
            cells << TimeText::secondsWithHundredths(best->duration);
    }
    return cells;
}

QVariant PupilTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0:
        return translated(kName);
    case 1:
        return translated(kHosts);
    case 2:
        return translated(kRounds);
    case 3:
        return translated(kLast);
    default:
        break;
    }
    // The unit under the level, so that the columns stay narrow.
    return ClassOverview::levelHeading(section - kFirstLevelColumn + LevelTable::kFirstLevel)
        .replace(QLatin1Char('('), QStringLiteral("\n("));
}
