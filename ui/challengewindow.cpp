#include "ui/challengewindow.h"

#include "challenges/challengemodel.h"
#include "ui/answerbox.h"
#include "ui/designlabel.h"
#include "ui/fonts.h"
#include "ui/labelaccessible.h"
#include "ui/pictures.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <cmath>

using Layouts::ControlSpec;

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

void applyColours(QWidget *w, const ControlSpec &item)
{
    QPalette p = w->palette();
    if (item.text) {
        p.setColor(QPalette::WindowText, *item.text);
        p.setColor(QPalette::Text, *item.text);
        p.setColor(QPalette::ButtonText, *item.text);
    }
    if (item.background) {
        p.setColor(QPalette::Window, *item.background);
        p.setColor(QPalette::Base, *item.background);
    }
    w->setPalette(p);
}

} // namespace

ChallengeWindow::ChallengeWindow(ChallengeModel &model, const Layouts::ScreenLayout &layout,
                                 QWidget *parent)
    : QDialog(parent), m_model(model), m_layout(layout)
{
    setObjectName(layout.name);
    setAttribute(Qt::WA_DeleteOnClose, false);
    // A sizable frame with minimise and maximise, and no context-help button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowIcon(Pictures::icon(Pictures::Picture::ChallengeIcon));
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setParent(this);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(7);
    connect(&m_timer, &QTimer::timeout, this, &ChallengeWindow::tick);
    build();
    resize(Layouts::toPixels(layout.clientWidth), Layouts::toPixels(layout.clientHeight));
    m_model.load();
    sync();
}

ChallengeWindow::~ChallengeWindow()
{
    m_timer.stop();
}

void ChallengeWindow::build()
{
    for (const ControlSpec &item : m_layout.controls) {
        QWidget *w = nullptr;
        switch (item.kind) {
        case Layouts::Kind::Label: {
            auto *label = new DesignLabel(item.designText, this);
            label->setAlignment(horizontal(item.align) | Qt::AlignTop);
            if (item.border) {
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                label->setLineWidth(1);
            }
            w = label;
            break;
        }
        case Layouts::Kind::TextBox: {
            m_box = new AnswerBox(this);
            m_box->setText(item.designText);
            m_box->setAlignment(horizontal(item.align) | Qt::AlignVCenter);
            m_box->setKeyHandler([this](char16_t &code) {
                m_model.keyPress(code);
                sync();
            });
            connect(m_box, &QLineEdit::textChanged, this,
                    [this](const QString &text) { m_model.boxEdited(text); });
            w = m_box;
            break;
        }
        case Layouts::Kind::Button: {
            // Enter on a focused button clicks it; the answer box keeps its own
            // Enter, so no key there ever reaches a button.
            auto *button = new QPushButton(item.designText, this);
            button->setAutoDefault(true);
            w = button;
            break;
        }
        case Layouts::Kind::Picture: {
            m_picture = new QLabel(this);
            m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            w = m_picture;
            break;
        }
        case Layouts::Kind::Line:
            w = new QWidget(this);
            w->setAutoFillBackground(true);
            break;
        }
        w->setObjectName(item.name);
        w->setAccessibleName(item.accessibleName);
        applyColours(w, item);
        if (const auto c = controlFromName(item.name))
            m_widgets[static_cast<std::size_t>(*c)] = w;
        m_all.push_back(w);
    }
    auto connectButton = [this](const char *name, void (ChallengeModel::*handler)()) {
        auto *button = findChild<QPushButton *>(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, [this, handler] {
            (m_model.*handler)();
            sync();
        });
    };
    connectButton("Command1", &ChallengeModel::start);
    connectButton("Command3", &ChallengeModel::playAgain);
    auto *backButton = findChild<QPushButton *>(QStringLiteral("Command2"));
    connect(backButton, &QPushButton::clicked, this, &ChallengeWindow::back);

    QWidget *previous = nullptr;
    for (const QString &name : m_layout.tabOrder) {
        QWidget *w = findChild<QWidget *>(name);
        if (previous && w)
            setTabOrder(previous, w);
        previous = w;
    }
    refreshPictures();
}

void ChallengeWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    applyScale();
}

void ChallengeWindow::applyScale()
{
    const double designW = Layouts::toPixels(m_layout.clientWidth);
    const double designH = Layouts::toPixels(m_layout.clientHeight);
    m_scale = std::min(width() / designW, height() / designH);
    // Letterboxed: the design keeps its proportions, centred where the aspect differs.
    const double offX = (width() - designW * m_scale) / 2.0;
    const double offY = (height() - designH * m_scale) / 2.0;
    for (std::size_t i = 0; i < m_all.size(); ++i) {
        const ControlSpec &item = m_layout.controls[i];
        QWidget *w = m_all[i];
        const double x = Layouts::toPixels(item.left) * m_scale + offX;
        const double y = Layouts::toPixels(item.top) * m_scale + offY;
        const double right = Layouts::toPixels(item.left + item.width) * m_scale + offX;
        const double bottom = Layouts::toPixels(item.top + item.height) * m_scale + offY;
        const int ix = static_cast<int>(std::lround(x));
        const int iy = static_cast<int>(std::lround(y));
        w->setGeometry(ix, iy, static_cast<int>(std::lround(right)) - ix,
                       static_cast<int>(std::lround(bottom)) - iy);
        if (item.font.points > 0)
            w->setFont(Fonts::makeFont(item.font, m_scale));
    }
    refreshPictures();
}

void ChallengeWindow::refreshPictures()
{
    if (!m_picture)
        return;
    const int side = static_cast<int>(std::lround(300 * m_scale));
    m_picture->setPixmap(
        Pictures::render(Pictures::Picture::Success, QSize(side, side), devicePixelRatioF()));
}

void ChallengeWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Pictures are drawn for the screen's pixel density; moving to another
    // screen draws them again.
    if (QWindow *handle = windowHandle(); handle && !m_watchingScreen) {
        m_watchingScreen = true;
        connect(handle, &QWindow::screenChanged, this, &ChallengeWindow::refreshPictures);
    }
    refreshPictures();
}

void ChallengeWindow::tick()
{
    m_model.tick();
    sync();
}

void ChallengeWindow::sync()
{
    ChallengeBoard &board = m_model.board();
    const auto changed = board.takeChanged();
    // Controls are opened before others are closed, so that the focus, when it
    // leaves a control being disabled, moves on to the next open one in the tab
    // order as the screens expect.
    for (int i = 0; i < kControlCount; ++i) {
        if (changed.test(static_cast<std::size_t>(i)))
            applyControl(static_cast<Control>(i), true);
    }
    for (int i = 0; i < kControlCount; ++i) {
        if (changed.test(static_cast<std::size_t>(i)))
            applyControl(static_cast<Control>(i), false);
    }
    if (const auto focus = board.takeFocusRequest()) {
        if (QWidget *w = m_widgets[static_cast<std::size_t>(*focus)])
            w->setFocus(Qt::OtherFocusReason);
    }
    if (board.timerEnabled() && !m_timer.isActive())
        m_timer.start();
    else if (!board.timerEnabled() && m_timer.isActive())
        m_timer.stop();
}

void ChallengeWindow::applyControl(Control c, bool showing)
{
    const ControlState &state = m_model.board()[c];
    if (c == Control::Caption) {
        if (showing && state.textWritten)
            setWindowTitle(state.text);
        return;
    }
    QWidget *w = m_widgets[static_cast<std::size_t>(c)];
    if (!w)
        return;
    if (showing) {
        if (state.textWritten) {
            if (auto *label = qobject_cast<QLabel *>(w); label && label != m_picture)
                LabelAccessibility::setText(label, state.text);
            else if (auto *edit = qobject_cast<QLineEdit *>(w); edit && edit->text() != state.text)
                edit->setText(state.text);
        }
        if (state.enabled)
            w->setEnabled(true);
        if (state.visible)
            w->setVisible(true);
        return;
    }
    if (!state.enabled)
        w->setEnabled(false);
    if (!state.visible)
        w->setVisible(false);
}

void ChallengeWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape does not leave the screen: only Back and the window's close do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ChallengeWindow::back()
{
    reject();
}

void ChallengeWindow::done(int result)
{
    // Every way out (Back, the close box, the window manager) ends the visit
    // alike: the timer stops, the fields stay for the next opening.
    if (!m_closed) {
        m_closed = true;
        m_model.back();
        m_timer.stop();
    }
    QDialog::done(result);
}
