// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/notewindow.h"

#include "ui/fonts.h"

#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

NoteWindow::NoteWindow(const QString &title, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("FormNote"));
    setWindowTitle(title);
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_text = new QLabel(this);
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setFont(Fonts::makeFont({Layout::Face::Songti, 12, 400, false}));
    m_text->setAccessibleName(title);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    setFixedWidth(360);
}

void NoteWindow::showNote(const QString &text)
{
    m_text->setText(text);
    adjustSize();
    // The top right corner of the screen, clear of the game's windows' middle.
    if (const QScreen *s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.right() - width() - 16, area.top() + 16);
    }
    show();
}
