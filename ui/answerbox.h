// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

#include <functional>

// The answer box of a challenge screen. Every key that produces a character
// (Enter and Backspace included, from the main keys or the keypad) is passed
// to the rules as its character code, with the box's text, before the box
// sees it; the rules may discard it. Nothing reaches the box in any other way: no paste (shortcut,
// context menu, middle click), no drag and drop, no input-method composition.
class AnswerBox : public QLineEdit {
    Q_OBJECT
public:
    using KeyHandler = std::function<void(char16_t &, const QString &)>;

    explicit AnswerBox(QWidget *parent = nullptr);
    void setKeyHandler(KeyHandler handler) { m_handler = std::move(handler); }

    // The character code of a key event, or 0 for a key that produces none
    // (arrows, Delete, function keys, a lone modifier).
    static char16_t characterCode(const QKeyEvent *event);

signals:
    // The keypad sent a key in place of a digit (NumLock is off): true; a
    // key with a digit arrived: false.
    void keypadWithoutDigits(bool withoutDigits);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    static bool isClipboardEdit(const QKeyEvent *event);

    KeyHandler m_handler;
};
