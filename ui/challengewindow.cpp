// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/challengewindow.h"

#include "challenges/challengemodel.h"
#include "challenges/challengetexts.h"
#include "core/text.h"
#include "ui/answerbox.h"
#include "ui/fonts.h"
#include "ui/linklabel.h"
#include "ui/report/reportwindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <utility>

ChallengeWindow::ChallengeWindow(ChallengeModel &model, const RoundHistory &history,
                                 const Layout::Table &layout, const StartValues &start,
                                 const ClassRecords *records, QWidget *parent)
    : QDialog(parent), m_model(model), m_history(history), m_records(records),
      m_builder(this, layout), m_view(this, m_builder)
{
    // A sizable frame with minimise and maximise, and no context-help button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    // The design's Timer1, a control of the screen like the others.
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setParent(this);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(7);
    connect(&m_timer, &QTimer::timeout, this, &ChallengeWindow::tick);

    auto *box = control<AnswerBox>(Control::Text1);
    box->setKeyHandler([this](char16_t &code, const QString &boxText) {
        m_model.keyPress(code, boxText);
        sync();
    });
    connect(box, &AnswerBox::keypadWithoutDigits, this, &ChallengeWindow::showNumLockNote);
    auto connectButton = [this](Control c, auto handler) {
        connect(control<QPushButton>(c), &QPushButton::clicked, this, handler);
    };
    connectButton(Control::Command1, [this] {
        m_model.start();
        sync();
    });
    connectButton(Control::Command3, [this] {
        m_model.playAgain();
        if (std::exchange(m_keyOnPlayAgain, false))
            m_model.playedAgainByKey();
        sync();
    });
    connectButton(Control::Command2, [this] { reject(); });
    m_view.widget(Control::Command3)->installEventFilter(this);
    m_view.widget(Control::Command1)->installEventFilter(this);
    connect(control<LinkLabel>(Control::lblReport), &ClickLabel::clicked, this,
            &ChallengeWindow::openReport);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        if (now == m_view.widget(Control::lblReport) && old && isAncestorOf(old))
            m_focusBeforeLink = old;
    });

    resize(m_builder.designSize());
    m_model.load(start);
    sync();
}

template <typename Widget> Widget *ChallengeWindow::control(Control role) const
{
    // Every screen's table has the controls the window works with (a test
    // walks them all); a table that lacks one is named here, not crashed on.
    auto *w = qobject_cast<Widget *>(m_view.widget(role));
    if (!w)
        qFatal("The layout of %s has no %s for the role %d", qPrintable(objectName()),
               Widget::staticMetaObject.className(), int(role));
    return w;
}

bool ChallengeWindow::eventFilter(QObject *watched, QEvent *event)
{
    const Control button =
        watched == m_view.widget(Control::Command3) ? Control::Command3 : Control::Command1;
    if (watched != m_view.widget(button))
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress && button == Control::Command3)
        m_keyOnPlayAgain = false;
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const int k = key->key();
    if (k != Qt::Key_Return && k != Qt::Key_Enter && k != Qt::Key_Space)
        return false;
    // Enter and Space press the button only once the pupil has had a moment
    // to read how the round ended, or after Play again, to see the board
    // cleared; a key held from before stays held back.
    if (event->type() == QEvent::KeyRelease) {
        if (k != m_heldKey)
            return false;
        if (!key->isAutoRepeat())
            m_heldKey = 0;
        return true;
    }
    if (k == m_heldKey || !m_model.keysMayPress(button)) {
        m_heldKey = k;
        return true;
    }
    m_keyOnPlayAgain = button == Control::Command3;
    return false;
}

void ChallengeWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    m_builder.fit(size());
    placeNumLockNote();
}

void ChallengeWindow::showNumLockNote(bool shown)
{
    // Made when first needed: until then the window holds its designed
    // controls only.
    if (!m_numLockNote) {
        if (!shown)
            return;
        m_numLockNote = new QLabel(translated(ChallengeTexts::kNumLockOff), this);
        m_numLockNote->setObjectName(QStringLiteral("numLockNote"));
        m_numLockNote->setFont(Fonts::makeFont({Layout::Face::Heiti, 12, 700, false}));
        m_numLockNote->setWordWrap(true);
        m_numLockNote->setStyleSheet(
            QStringLiteral("QLabel { color: #000000; background: #FFF0B0; padding: 2px 6px; }"));
        placeNumLockNote();
    }
    m_numLockNote->setVisible(shown);
    m_numLockNote->raise();
}

void ChallengeWindow::placeNumLockNote()
{
    if (!m_numLockNote)
        return;
    // In the strip the design leaves free at the foot of every screen, under
    // the answer box: no designed control draws there in any state of a
    // round (the last number, the mark and the picture stand beside the
    // box, the rule line and Back above the strip).
    int free = 0;
    for (const QWidget *w : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w != m_numLockNote)
            free = std::max(free, w->geometry().bottom() + 1);
    }
    const int room = height() - free;
    // On one line where the window is wide enough (a wrapping label would
    // ask for two).
    const int line =
        m_numLockNote->fontMetrics().horizontalAdvance(m_numLockNote->text()) + 2 * 6 + 16;
    const int wide = std::min(line, width() - 16);
    const int high = std::min(room, m_numLockNote->heightForWidth(wide));
    const int middle = m_view.widget(Control::Text1)->geometry().center().x();
    m_numLockNote->setGeometry(std::clamp(middle - wide / 2, 8, width() - 8 - wide),
                               free + (room - high) / 2, wide, high);
}

void ChallengeWindow::setVisible(bool visible)
{
    // Placed once, on the screen it first shows on (its start window's),
    // the design scaled down where it would not fit. A window placed by the
    // program is not moved again by Qt.
    const QScreen *screen = QWidget::screen();
    if (visible && !m_placed && screen) {
        m_placed = true;
        create();
        setGeometry(m_builder.placeOnScreen(*screen));
    }
    QDialog::setVisible(visible);
}

void ChallengeWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Pictures are drawn for the screen's pixel density; moving to another
    // screen draws them again.
    if (QWindow *handle = windowHandle(); handle && !m_watchingScreen) {
        m_watchingScreen = true;
        connect(handle, &QWindow::screenChanged, this, [this] { m_builder.refreshPictures(); });
    }
    m_builder.refreshPictures();
}

void ChallengeWindow::openReport()
{
    // The link shows only once a round has ended.
    const RoundRecord *round = m_model.lastRound();
    if (!round)
        return;
    // When the report closes, the focus goes to Play again after a round,
    // else back where it was before the link took it; never to the link,
    // where the next Enter would open the report again, nor to Back, where
    // a Tab on the way to the link had passed.
    QWidget *link = m_view.widget(Control::lblReport);
    QWidget *again = m_view.widget(Control::Command3);
    const QPointer<QWidget> back = again->isVisible() && again->isEnabled() ? again
                                   : focusWidget() == link ? m_focusBeforeLink.data()
                                                           : focusWidget();
    ReportWindow report(m_history, *round, m_records, this);
    report.exec();
    // Back to the screen, also where no window manager gives the focus back.
    activateWindow();
    if (back && back->isEnabled() && back->isVisible())
        back->setFocus(Qt::TabFocusReason);
}

void ChallengeWindow::tick()
{
    m_model.tick();
    sync();
}

void ChallengeWindow::sync()
{
    ChallengeBoard &board = m_model.board();
    m_view.apply(board);
    if (board.timerEnabled() && !m_timer.isActive())
        m_timer.start();
    else if (!board.timerEnabled() && m_timer.isActive())
        m_timer.stop();
}

void ChallengeWindow::showInFront()
{
    setWindowModality(Qt::ApplicationModal);
    exec();
}

void ChallengeWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    // Escape does not leave the screen: only Back and the window's close do.
    case Qt::Key_Escape:
    // Enter reaches the window only when no control has the focus (after
    // time is up): it must not press a button the pupil cannot see focused.
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
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
