// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/classview/pupilview.h"

#include "classlog/classviewtexts.h"
#include "core/text.h"
#include "ui/classview/pupiltable.h"
#include "ui/fonts.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QSortFilterProxyModel>
#include <QStyle>

using namespace ClassViewTexts;

PupilView::PupilView(QWidget *parent)
    : QTableView(parent), m_pupils(new PupilTable(this)), m_shown(new QSortFilterProxyModel(this))
{
    m_shown->setSourceModel(m_pupils);
    m_shown->setSortRole(PupilTable::kSortRole);
    m_shown->setFilterKeyColumn(0);
    m_shown->setFilterCaseSensitivity(Qt::CaseInsensitive);
    setObjectName(QStringLiteral("pupils"));
    setAccessibleName(translated(kTitle));
    setModel(m_shown);
    setSortingEnabled(true);
    sortByColumn(0, Qt::AscendingOrder);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setFont(Fonts::makeFont({Layout::Face::Heiti, 12, 700, false}));
    // Tab leaves the table for the next control; the arrows move inside it.
    setTabKeyNavigation(false);
    setToolTip(translated(kSortKeys));
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &PupilView::currentPupilChanged);
}

void PupilView::setPupils(std::vector<ClassOverview::Pupil> pupils)
{
    const ClassOverview::Pupil *current = currentPupil();
    const QString selected = current ? current->name : QString();
    m_pupils->setPupils(std::move(pupils));
    fitColumns();
    for (int row = 0; row < m_pupils->rowCount() && !selected.isEmpty(); ++row) {
        if (m_pupils->pupil(row).name == selected) {
            setCurrentIndex(m_shown->mapFromSource(m_pupils->index(row, 0)));
            return;
        }
    }
    emit currentPupilChanged();
}

void PupilView::search(const QString &text)
{
    m_shown->setFilterFixedString(text);
}

const ClassOverview::Pupil *PupilView::currentPupil() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? &m_pupils->pupil(m_shown->mapToSource(current).row()) : nullptr;
}

void PupilView::keyPressEvent(QKeyEvent *event)
{
    // Ctrl+Up or Ctrl+Down sorts by the current cell's column.
    if (event->modifiers() == Qt::ControlModifier &&
        (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        sortByColumn(std::max(0, currentIndex().column()),
                     event->key() == Qt::Key_Up ? Qt::AscendingOrder : Qt::DescendingOrder);
        return;
    }
    QTableView::keyPressEvent(event);
}

// Each column as wide as its widest cell or heading line (the level
// headings have their unit on a line of its own), so that every level
// fits beside the names at 1024 x 768.
void PupilView::fitColumns()
{
    QHeaderView *header = horizontalHeader();
    const QFontMetrics fm(header->font()), cellFont(font());
    const int room = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) +
                     2 * style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header);
    const int cellRoom = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 6;
    // As Qt's own fitting does, the first thousand rows stand for all.
    const int rows = std::min(m_shown->rowCount(), 1000);
    for (int c = 0; c < m_shown->columnCount(); ++c) {
        int width = 0;
        for (int r = 0; r < rows; ++r)
            width =
                std::max(width, cellFont.horizontalAdvance(m_shown->index(r, c).data().toString()) +
                                    cellRoom);
        const QStringList lines =
            m_shown->headerData(c, Qt::Horizontal).toString().split(QLatin1Char('\n'));
        for (const QString &line : lines)
            width = std::max(width, fm.horizontalAdvance(line) + room);
        header->resizeSection(c, width);
    }
}

std::vector<QStringList> PupilView::exportedRows() const
{
    std::vector<QStringList> rows{PupilTable::exportHeader()};
    for (int r = 0; r < m_shown->rowCount(); ++r)
        rows.push_back(m_pupils->exportRow(m_shown->mapToSource(m_shown->index(r, 0)).row()));
    return rows;
}

std::vector<QStringList> PupilView::shownRows() const
{
    std::vector<QStringList> rows(1);
    for (int c = 0; c < m_shown->columnCount(); ++c)
        rows[0] << m_shown->headerData(c, Qt::Horizontal, Qt::DisplayRole)
                       .toString()
                       .remove(QLatin1Char('\n'));
    for (int r = 0; r < m_shown->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < m_shown->columnCount(); ++c)
            row << m_shown->index(r, c).data().toString();
        rows.push_back(row);
    }
    return rows;
}
