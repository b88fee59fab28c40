// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/windowbuilder.h"

#include "core/text.h"
#include "ui/answerbox.h"
#include "ui/clicklabel.h"
#include "ui/designlabel.h"
#include "ui/fonts.h"
#include "ui/linklabel.h"
#include "ui/pictures.h"
#include "ui/screenroom.h"

#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

using Layout::Kind;
using Layout::Row;

namespace {

Qt::Alignment horizontal(Layout::Align a)
{
    switch (a) {
    case Layout::Align::Center:
        return Qt::AlignHCenter;
    case Layout::Align::Right:
        return Qt::AlignRight;
    case Layout::Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

QWidget *makeLabel(const Row &item, const char *context, QWidget *window)
{
    DesignLabel *label = nullptr;
    const QString text = translated(context, item.designText);
    if (item.kind == Kind::Link)
        label = new LinkLabel(text, window);
    else if (item.kind == Kind::ClickLabel)
        label = new ClickLabel(text, window);
    else
        label = new DesignLabel(text, window);
    label->setAlignment(horizontal(item.align) | Qt::AlignTop);
    if (item.border) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    return label;
}

QWidget *makeWidget(const Row &item, const char *context, QWidget *window)
{
    switch (item.kind) {
    case Kind::Label:
    case Kind::ClickLabel:
    case Kind::Link:
        return makeLabel(item, context, window);
    case Kind::TextBox:
    case Kind::AnswerBox: {
        QLineEdit *box =
            item.kind == Kind::AnswerBox ? new AnswerBox(window) : new QLineEdit(window);
        box->setText(translated(context, item.designText));
        box->setAlignment(horizontal(item.align) | Qt::AlignVCenter);
        box->setToolTip(translated(context, item.toolTip));
        return box;
    }
    case Kind::Button: {
        // Enter on a focused button clicks it; the answer box keeps its own
        // Enter, so no key there ever reaches a button.
        auto *button = new QPushButton(translated(context, item.designText), window);
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

// A button's caption that is wider than the button at the designed size (a
// longer translation) is drawn smaller, as a label's text is.
void fitCaption(QPushButton *button)
{
    if (!Fonts::fitsTranslations())
        return;
    QFont f = button->font();
    const int room = button->width() - 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin);
    const int smallest = Fonts::smallestFittingSize(f);
    while (QFontMetrics(f).horizontalAdvance(button->text()) > room && f.pixelSize() > smallest)
        f.setPixelSize(f.pixelSize() - 1);
    if (QFontMetrics(f).horizontalAdvance(button->text()) > room)
        qWarning().noquote() << "Text does not fit" << button->objectName() << ':'
                             << button->text();
    button->setFont(f);
}

std::optional<QColor> colour(int rgb)
{
    if (rgb == Layout::kSystemColour)
        return std::nullopt;
    return QColor::fromRgb(QRgb(rgb));
}

void applyColours(QWidget *w, const Row &item)
{
    QPalette p = w->palette();
    const std::optional<QColor> text = colour(item.text);
    const std::optional<QColor> background = colour(item.background);
    if (item.kind == Kind::Line) {
        if (text)
            p.setColor(QPalette::Window, *text);
        w->setPalette(p);
        return;
    }
    if (text) {
        p.setColor(QPalette::WindowText, *text);
        p.setColor(QPalette::Text, *text);
        p.setColor(QPalette::ButtonText, *text);
    }
    if (background) {
        p.setColor(QPalette::Window, *background);
        p.setColor(QPalette::Base, *background);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

} // namespace

WindowBuilder::WindowBuilder(QWidget *window, const Layout::Table &table)
    : m_window(window), m_table(table)
{
    window->setObjectName(utf8(table.name));
    if (*table.icon)
        window->setWindowIcon(Pictures::icon(utf8(table.icon)));
    // Two controls of one window never share a name: tools and tests find
    // them by it (a test checks every table; a debug build stops here).
    Q_ASSERT_X(
        std::all_of(table.rows.begin(), table.rows.end(),
                    [&table](const Row &a) {
                        return std::count_if(table.rows.begin(), table.rows.end(),
                                             [&a](const Row &b) {
                                                 return std::strcmp(a.name, b.name) == 0;
                                             }) == 1;
                    }),
        "WindowBuilder",
        qPrintable(
            QStringLiteral("two controls share a name in %1").arg(QLatin1String(table.name))));
    for (const Row &item : table.rows) {
        QWidget *w = makeWidget(item, m_table.context, window);
        w->setObjectName(utf8(item.name));
        w->setAccessibleName(translated(m_table.context, item.accessibleName));
        applyColours(w, item);
        // Its designed size from the start: a control shown before the
        // window is first fitted is not sized to its text, which Qt would
        // measure in the application's font, loading a face for nothing.
        w->resize(int(std::lround(Layout::toPixels(item.width))),
                  int(std::lround(Layout::toPixels(item.height))));
        if (*item.pointer)
            w->setCursor(Pictures::cursor(utf8(item.pointer), window->devicePixelRatioF()));
        if (item.hidden)
            w->hide();
        m_widgets.push_back(w);
    }
    QWidget *previous = nullptr;
    for (const char *name : table.tabOrder) {
        QWidget *w = window->findChild<QWidget *>(utf8(name));
        if (previous && w)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

QWidget *WindowBuilder::widget(int role) const
{
    for (std::size_t i = 0; i < m_widgets.size(); ++i) {
        if (m_table.rows[i].role == role)
            return m_widgets[i];
    }
    return nullptr;
}

std::vector<std::pair<const Layout::Row *, QWidget *>> WindowBuilder::playing(int role) const
{
    std::vector<std::pair<const Row *, QWidget *>> found;
    for (std::size_t i = 0; i < m_widgets.size(); ++i) {
        if (m_table.rows[i].role == role)
            found.emplace_back(&m_table.rows[i], m_widgets[i]);
    }
    return found;
}

QSize WindowBuilder::designSize() const
{
    return {Layout::toPixels(m_table.clientWidth), Layout::toPixels(m_table.clientHeight)};
}

QRect WindowBuilder::placeOnScreen(const QScreen &screen) const
{
    const QSize design = designSize();
    const QRect room = screenRoom(*m_window, screen);
    const double scale = std::min(
        {1.0, room.width() / double(design.width()), room.height() / double(design.height())});
    const QSize size(int(design.width() * scale), int(design.height() * scale));
    // The client area centred, but never with the frame out of the area.
    QRect client(QPoint(), size);
    client.moveCenter(screen.availableGeometry().center());
    client.moveTo(std::clamp(client.left(), room.left(), room.right() + 1 - size.width()),
                  std::clamp(client.top(), room.top(), room.bottom() + 1 - size.height()));
    return client;
}

void WindowBuilder::fit(QSize windowSize)
{
    const QSize design = designSize();
    m_scale = std::min(windowSize.width() / double(design.width()),
                       windowSize.height() / double(design.height()));
    const double offX = (windowSize.width() - design.width() * m_scale) / 2.0;
    const double offY = (windowSize.height() - design.height() * m_scale) / 2.0;
    for (std::size_t i = 0; i < m_widgets.size(); ++i) {
        const Row &item = m_table.rows[i];
        // Each edge is rounded on its own, so neighbouring controls stay
        // flush at any scale.
        const int left = int(std::lround(Layout::toPixels(item.left) * m_scale + offX));
        const int top = int(std::lround(Layout::toPixels(item.top) * m_scale + offY));
        const int right =
            int(std::lround(Layout::toPixels(item.left + item.width) * m_scale + offX));
        const int bottom =
            int(std::lround(Layout::toPixels(item.top + item.height) * m_scale + offY));
        // A fixed size also tells Qt that a new text cannot resize the
        // control, so a clock's tick posts no relayout to the window.
        m_widgets[i]->setFixedSize(std::max(1, right - left), std::max(1, bottom - top));
        m_widgets[i]->move(left, top);
        if (item.font.points > 0)
            m_widgets[i]->setFont(Fonts::makeFont(item.font, m_scale));
        if (item.kind == Kind::Button)
            fitCaption(static_cast<QPushButton *>(m_widgets[i]));
    }
    refreshPictures();
}

void WindowBuilder::refreshPictures()
{
    // The pictures are 300 x 300 pixel images, drawn from the top-left
    // corner of their box.
    const int side = int(std::lround(300 * m_scale));
    for (std::size_t i = 0; i < m_widgets.size(); ++i) {
        const Row &item = m_table.rows[i];
        if (item.kind == Kind::Picture) {
            static_cast<QLabel *>(m_widgets[i])
                ->setPixmap(Pictures::render(utf8(item.picture), QSize(side, side),
                                             m_window->devicePixelRatioF()));
        }
    }
}
