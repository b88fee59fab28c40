// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/windowbuilder.h"

#include "ui/answerbox.h"
#include "ui/clicklabel.h"
#include "ui/designlabel.h"
#include "ui/fonts.h"
#include "ui/linklabel.h"
#include "ui/pictures.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

using Layouts::ControlSpec;
using Layouts::Kind;

namespace {

Qt::Alignment horizontal(Layouts::Align a)
{
    switch (a) {
    case Layouts::Align::Center:
        return Qt::AlignHCenter;
    case Layouts::Align::Right:
        return Qt::AlignRight;
    case Layouts::Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

QWidget *makeLabel(const ControlSpec &item, QWidget *window)
{
    DesignLabel *label = nullptr;
    if (item.kind == Kind::Link)
        label = new LinkLabel(item.designText, window);
    else if (item.kind == Kind::ClickLabel)
        label = new ClickLabel(item.designText, window);
    else
        label = new DesignLabel(item.designText, window);
    label->setAlignment(horizontal(item.align) | Qt::AlignTop);
    if (item.border) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    return label;
}

QWidget *makeWidget(const ControlSpec &item, QWidget *window)
{
    switch (item.kind) {
    case Kind::Label:
    case Kind::ClickLabel:
    case Kind::Link:
        return makeLabel(item, window);
    case Kind::TextBox:
    case Kind::AnswerBox: {
        QLineEdit *box =
            item.kind == Kind::AnswerBox ? new AnswerBox(window) : new QLineEdit(window);
        box->setText(item.designText);
        box->setAlignment(horizontal(item.align) | Qt::AlignVCenter);
        box->setToolTip(item.toolTip);
        return box;
    }
    case Kind::Button: {
        // Enter on a focused button clicks it; the answer box keeps its own
        // Enter, so no key there ever reaches a button.
        auto *button = new QPushButton(item.designText, window);
        button->setAutoDefault(true);
        return button;
    }
    case Kind::Picture: {
        auto *picture = new QLabel(window);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    case Kind::Line:
        break;
    }
    auto *line = new QWidget(window);
    line->setAutoFillBackground(true);
    return line;
}

void applyColours(QWidget *w, const ControlSpec &item)
{
    QPalette p = w->palette();
    if (item.kind == Kind::Line) {
        if (item.text)
            p.setColor(QPalette::Window, *item.text);
        w->setPalette(p);
        return;
    }
    if (item.text) {
        p.setColor(QPalette::WindowText, *item.text);
        p.setColor(QPalette::Text, *item.text);
        p.setColor(QPalette::ButtonText, *item.text);
    }
    if (item.background) {
        p.setColor(QPalette::Window, *item.background);
        p.setColor(QPalette::Base, *item.background);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

} // namespace

WindowBuilder::WindowBuilder(QWidget *window, const Layouts::ScreenLayout &layout)
    : m_window(window), m_layout(layout)
{
    window->setObjectName(layout.name);
    for (const ControlSpec &item : layout.controls) {
        QWidget *w = makeWidget(item, window);
        w->setObjectName(item.name);
        w->setAccessibleName(item.accessibleName);
        applyColours(w, item);
        if (item.pointer != Layouts::Pointer::Arrow) {
            w->setCursor(Pictures::cursor(item.pointer == Layouts::Pointer::LevelHand
                                              ? Pictures::Picture::LevelHand
                                              : Pictures::Picture::LinkHand,
                                          window->devicePixelRatioF()));
        }
        if (item.hidden)
            w->hide();
        m_widgets.push_back(w);
    }
    QWidget *previous = nullptr;
    for (const QString &name : layout.tabOrder) {
        QWidget *w = window->findChild<QWidget *>(name);
        if (previous && w)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

QSize WindowBuilder::designSize() const
{
    return {Layouts::toPixels(m_layout.clientWidth), Layouts::toPixels(m_layout.clientHeight)};
}

void WindowBuilder::fit(QSize windowSize)
{
    const QSize design = designSize();
    m_scale = std::min(windowSize.width() / double(design.width()),
                       windowSize.height() / double(design.height()));
    const double offX = (windowSize.width() - design.width() * m_scale) / 2.0;
    const double offY = (windowSize.height() - design.height() * m_scale) / 2.0;
    for (std::size_t i = 0; i < m_widgets.size(); ++i) {
        const ControlSpec &item = m_layout.controls[i];
        // Each edge is rounded on its own, so neighbouring controls stay
        // flush at any scale.
        const int left = int(std::lround(Layouts::toPixels(item.left) * m_scale + offX));
        const int top = int(std::lround(Layouts::toPixels(item.top) * m_scale + offY));
        const int right =
            int(std::lround(Layouts::toPixels(item.left + item.width) * m_scale + offX));
        const int bottom =
            int(std::lround(Layouts::toPixels(item.top + item.height) * m_scale + offY));
        m_widgets[i]->setGeometry(left, top, std::max(1, right - left), std::max(1, bottom - top));
        if (item.font.points > 0)
            m_widgets[i]->setFont(Fonts::makeFont(item.font, m_scale));
    }
    refreshPictures();
}

void WindowBuilder::refreshPictures()
{
    const int side = int(std::lround(Layouts::kPictureSide * m_scale));
    for (std::size_t i = 0; i < m_widgets.size(); ++i) {
        const ControlSpec &item = m_layout.controls[i];
        if (item.kind == Kind::Picture) {
            static_cast<QLabel *>(m_widgets[i])
                ->setPixmap(Pictures::render(item.picture, QSize(side, side),
                                             m_window->devicePixelRatioF()));
        }
    }
}
