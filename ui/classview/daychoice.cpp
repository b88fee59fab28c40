// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/classview/daychoice.h"

#include "classlog/classviewtexts.h"
#include "core/text.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>

using namespace ClassViewTexts;

namespace {

enum Range { ThisWeek, ThisMonth, All, FromTo };

} // namespace

DayChoice::DayChoice(QWidget *parent)
    : QWidget(parent), m_range(new QComboBox(this)),
      m_from(new QDateEdit(QDate::currentDate().addMonths(-1), this)),
      m_to(new QDateEdit(QDate::currentDate(), this))
{
    m_range->addItems(
        {translated(kThisWeek), translated(kThisMonth), translated(kAll), translated(kFromTo)});
    m_range->setCurrentIndex(All);
    m_range->setAccessibleName(translated(kRange));
    auto *to = new QLabel(translated(kTo), this);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(translated(kRange), this));
    for (QWidget *w : std::initializer_list<QWidget *>{m_range, m_from, to, m_to})
        layout->addWidget(w);
    for (QWidget *w : std::initializer_list<QWidget *>{m_from, to, m_to})
        w->setVisible(false);
    for (QDateEdit *edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        connect(edit, &QDateEdit::dateChanged, this, &DayChoice::changed);
    }
    connect(m_range, &QComboBox::currentIndexChanged, this, [this, to](int range) {
        for (QWidget *w : std::initializer_list<QWidget *>{m_from, to, m_to})
            w->setVisible(range == FromTo);
        emit changed();
    });
}

DayRange DayChoice::days() const
{
    const QDate today = QDate::currentDate();
    switch (m_range->currentIndex()) {
    case ThisWeek:
        return DayRange::thisWeek(today);
    case ThisMonth:
        return DayRange::thisMonth(today);
    case FromTo:
        return {m_from->date(), m_to->date()};
    default:
        break;
    }
    return {};
}

QString DayChoice::text() const
{
    return m_range->currentIndex() == FromTo ? m_from->text() + translated(kTo) + m_to->text()
                                             : m_range->currentText();
}

QList<QWidget *> DayChoice::keyOrder() const
{
    return {m_range, m_from, m_to};
}
