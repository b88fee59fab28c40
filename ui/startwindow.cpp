// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/startwindow.h"

#include "challenges/leveltable.h"
#include "classlog/classlist.h"
#include "start/startlayout.h"
#include "ui/clicklabel.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>

StartWindow::StartWindow(StartScreen &rules, QWidget *parent)
    : QWidget(parent), m_rules(rules), m_builder(this, startLayout()), m_view(this, m_builder)
{
    // A fixed frame with neither minimise nor maximise.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(m_builder.designSize());
    m_builder.fit(size());

    for (const auto &[row, button] : m_builder.playing(Layout::role(StartControl::LevelButton))) {
        const int level = row->level;
        connect(static_cast<ClickLabel *>(button), &ClickLabel::clicked, this,
                [this, level] { chooseLevel(level); });
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

void StartWindow::setVisible(bool visible)
{
    // Placed once, on the screen it first shows on: asked before the native
    // window exists, the screen is the one the window is to show on.
    const QScreen *screen = QWidget::screen();
    if (visible && !m_placed && screen) {
        m_placed = true;
        create();
        const QRect place = m_builder.placeOnScreen(*screen);
        if (place.size() != size()) {
            setFixedSize(place.size());
            m_builder.fit(size());
        }
        setGeometry(place);
    }
    QWidget::setVisible(visible);
}

void StartWindow::offerNames(const ClassList &list)
{
    delete m_names;
    m_names = nullptr;
    if (list.isEmpty())
        return;
    // Each pupil found by the beginning of his name and by his number; the
    // offer shows both.
    constexpr int kKey = Qt::UserRole, kName = Qt::UserRole + 1;
    auto *model = new QStandardItemModel(this);
    for (const ClassList::Pupil &pupil : list.pupils()) {
        for (const QString &key : {pupil.name, pupil.number}) {
            if (key.isEmpty())
                continue;
            auto *item = new QStandardItem(pupil.shown());
            item->setData(key, kKey);
            item->setData(pupil.name, kName);
            model->appendRow(item);
        }
    }
    m_names = new QCompleter(model, this);
    model->setParent(m_names);
    m_names->setWidget(m_name);
    m_names->setCompletionRole(kKey);
    m_names->setCaseSensitivity(Qt::CaseInsensitive);
    m_names->setCompletionMode(QCompleter::PopupCompletion);
    connect(m_name, &QLineEdit::textEdited, m_names, [this](const QString &text) {
        m_names->setCompletionPrefix(text);
        if (text.isEmpty() || m_names->completionCount() == 0) {
            m_names->popup()->hide();
            return;
        }
        // Half the name box's size at the window's scale: a list of names
        // under it, not a second box.
        QFont font = m_name->font();
        if (font.pixelSize() > 0)
            font.setPixelSize(std::max(1, font.pixelSize() / 2));
        else
            font.setPointSizeF(font.pointSizeF() / 2);
        m_names->popup()->setFont(font);
        m_names->complete();
    });
    // Enter in the offer takes the chosen name; with none chosen it is the
    // name box's Enter, as without a list.
    m_names->popup()->installEventFilter(this);
    connect(m_names, qOverload<const QModelIndex &>(&QCompleter::activated), this,
            [this](const QModelIndex &picked) { m_name->setText(picked.data(kName).toString()); });
}

void StartWindow::chooseLevel(int level)
{
    m_rules.chooseLevel(level);
    sync();
}

void StartWindow::keyPressEvent(QKeyEvent *event)
{
    // A digit key chooses its level as a click on its button does, for a
    // pupil who does not use the mouse well; the level buttons take no
    // focus. In the name box a digit is part of the name and never gets here.
    const bool digit = event->key() >= Qt::Key_0 && event->key() <= Qt::Key_9;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int level = event->key() - Qt::Key_0;
    if (digit && plain && focusWidget() != m_name && level >= LevelTable::kFirstLevel &&
        level <= LevelTable::lastLevel()) {
        chooseLevel(level);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void StartWindow::sync()
{
    m_syncing = true;
    m_view.apply(m_rules.board());
    m_syncing = false;
}

bool StartWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (m_names && watched == m_names->popup() && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            !m_names->popup()->currentIndex().isValid()) {
            m_names->popup()->hide();
            QCoreApplication::sendEvent(m_name, event);
            return true;
        }
    }
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
