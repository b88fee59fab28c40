// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/answerbox.h"

#include "challenges/challengemodel.h"

#include <QKeyEvent>
#include <QKeySequence>

AnswerBox::AnswerBox(QWidget *parent) : QLineEdit(parent)
{
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setDragEnabled(false);
}

char16_t AnswerBox::characterCode(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kEnter;
    case Qt::Key_Backspace:
        return kBackspace;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty())
        return 0;
    const char16_t c = text.at(0).unicode();
    // Delete produces "\x7f" on some systems; it is a key without a character.
    return c == 0x7f ? 0 : c;
}

bool AnswerBox::isClipboardEdit(const QKeyEvent *event)
{
    return event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
           event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo);
}

namespace {

// The keys the keypad sends in place of its digits and its point while
// NumLock is off.
bool isKeypadInPlaceOfDigit(const QKeyEvent *event)
{
    if (!(event->modifiers() & Qt::KeypadModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_Insert:
    case Qt::Key_End:
    case Qt::Key_Down:
    case Qt::Key_PageDown:
    case Qt::Key_Left:
    case Qt::Key_Clear:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_Up:
    case Qt::Key_PageUp:
    case Qt::Key_Delete:
        return true;
    default:
        return false;
    }
}

} // namespace

void AnswerBox::keyPressEvent(QKeyEvent *event)
{
    char16_t code = characterCode(event);
    // Only told of: how the key is judged stays as it was.
    if (isKeypadInPlaceOfDigit(event))
        emit keypadWithoutDigits(true);
    else if (code >= u'0' && code <= u'9')
        emit keypadWithoutDigits(false);
    if (code == 0) {
        // Keys without a character keep their ordinary effect (cursor keys,
        // Delete), except those that would bring text in from elsewhere.
        if (isClipboardEdit(event))
            event->accept();
        else
            QLineEdit::keyPressEvent(event);
        return;
    }
    if (m_handler)
        m_handler(code, text());
    event->accept();
    // Enter adds nothing to a single-line box; a discarded key goes nowhere;
    // a clipboard shortcut never edits the box even when its code passes.
    if (code == 0 || code == kEnter || isClipboardEdit(event))
        return;
    QLineEdit::keyPressEvent(event);
}

void AnswerBox::inputMethodEvent(QInputMethodEvent *event)
{
    event->ignore();
}

void AnswerBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void AnswerBox::mouseReleaseEvent(QMouseEvent *event)
{
    // A middle click pastes the selection on X11.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

bool AnswerBox::event(QEvent *e)
{
    // Shortcut overrides would let a clipboard shortcut reach the box as an
    // editing command; claim them so they arrive as key presses here.
    if (e->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(e);
        if (characterCode(key) != 0 || isClipboardEdit(key)) {
            e->accept();
            return true;
        }
    }
    return QLineEdit::event(e);
}
