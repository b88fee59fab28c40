// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/startwindow.h"

#include "start/startlayout.h"
#include "ui/clicklabel.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

StartWindow::StartWindow(StartScreen &rules, QWidget *parent)
    : QWidget(parent), m_rules(rules), m_builder(this, startLayout()), m_view(this, m_builder)
{
    // A fixed frame with neither minimise nor maximise.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(m_builder.designSize());
    m_builder.fit(size());
    if (const QScreen *s = QWidget::screen())
        move(s->availableGeometry().center() - rect().center());

    for (const auto &[row, button] : m_builder.playing(Layout::role(StartControl::LevelButton))) {
        const int level = row->level;
        connect(static_cast<ClickLabel *>(button), &ClickLabel::clicked, this, [this, level] {
            m_rules.chooseLevel(level);
            sync();
        });
    }
    for (const StartControl link : {StartControl::Label1, StartControl::Label3}) {
        connect(static_cast<ClickLabel *>(m_view.widget(link)), &ClickLabel::clicked, this,
                [this, link] { emit linkClicked(link); });
    }
    m_name = static_cast<QLineEdit *>(m_view.widget(StartControl::Text1));
    // Every change of the name box (typing, pasting, deleting, a screen
    // reader's), but for the rules' own, which they know of.
    connect(m_name, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (m_syncing)
            return;
        m_rules.nameChanged(text);
        sync();
    });
    m_name->installEventFilter(this);
    auto *start = static_cast<QPushButton *>(m_view.widget(StartControl::Command0));
    connect(start, &QPushButton::clicked, this, &StartWindow::startClicked);
    connect(static_cast<QPushButton *>(m_view.widget(StartControl::Command1)),
            &QPushButton::clicked, this, &QWidget::close);
    // The pupil clicks into the name box; the focus does not start there.
    start->setFocus(Qt::OtherFocusReason);
}

void StartWindow::sync()
{
    m_syncing = true;
    m_view.apply(m_rules.board());
    m_syncing = false;
}

bool StartWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_name && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // The key itself goes on to the box as usual.
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            m_rules.confirmName();
            sync();
        }
    }
    return QWidget::eventFilter(watched, event);
}
