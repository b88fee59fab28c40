// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/startwindow.h"

#include "ui/clicklabel.h"
#include "ui/pictures.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

StartWindow::StartWindow(QWidget *parent) : QWidget(parent), m_builder(this, Layouts::startLayout())
{
    setWindowIcon(Pictures::icon(Pictures::Picture::StartIcon));
    // A fixed frame with neither minimise nor maximise.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(m_builder.designSize());
    m_builder.fit(size());
    if (const QScreen *s = QWidget::screen())
        move(s->availableGeometry().center() - rect().center());

    for (int level = 1; level <= 9; ++level) {
        auto *button = findChild<ClickLabel *>(QStringLiteral("Label%1").arg(12 + level));
        connect(button, &ClickLabel::clicked, this, [this, level] { emit levelClicked(level); });
    }
    for (const char *link : {"Label1", "Label3"}) {
        const QString name = QLatin1String(link);
        connect(findChild<ClickLabel *>(name), &ClickLabel::clicked, this,
                [this, name] { emit linkClicked(name); });
    }
    m_name = findChild<QLineEdit *>(QStringLiteral("Text1"));
    connect(m_name, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!m_showingName)
            emit nameEdited(text);
    });
    m_name->installEventFilter(this);
    auto *start = findChild<QPushButton *>(QStringLiteral("Command0"));
    connect(start, &QPushButton::clicked, this, &StartWindow::startClicked);
    connect(findChild<QPushButton *>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            &QWidget::close);
    // The pupil clicks into the name box; the focus does not start there.
    start->setFocus(Qt::OtherFocusReason);
}

void StartWindow::showText(const char *label, const QString &text)
{
    findChild<DesignLabel *>(QLatin1String(label))->showText(text);
}

void StartWindow::showName(const QString &text)
{
    if (m_name->text() == text)
        return;
    m_showingName = true;
    m_name->setText(text);
    m_showingName = false;
}

void StartWindow::showControl(const char *control, bool shown)
{
    findChild<QWidget *>(QLatin1String(control))->setVisible(shown);
}

void StartWindow::focusControl(const char *control)
{
    findChild<QWidget *>(QLatin1String(control))->setFocus(Qt::OtherFocusReason);
}

bool StartWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_name && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // The key itself goes on to the box as usual.
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            emit nameConfirmed();
    }
    return QWidget::eventFilter(watched, event);
}
