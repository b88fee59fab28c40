// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/challengewindow.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// Runs body on the challenge window that the next modal show opens, then
// closes that window if body left it open (an assertion that failed inside
// body must not leave the test waiting in the modal loop).
inline void whenModalOpens(std::function<void(ChallengeWindow *)> body, bool *ran = nullptr)
{
    QTimer::singleShot(0, [body, ran] {
        auto *window = qobject_cast<ChallengeWindow *>(QApplication::activeModalWidget());
        if (ran)
            *ran = window != nullptr;
        if (!window)
            return;
        body(window);
        if (window->isVisible())
            window->reject();
    });
}

// Runs body on the next modal window of this type as soon as it shows
// (looking again at each turn of the event loop, whichever loop runs), then
// closes it if body left it open.
template <typename Window> void whenShown(std::function<void(Window *)> body)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, body] {
        auto *w = qobject_cast<Window *>(QApplication::activeModalWidget());
        if (!w)
            return;
        poll->stop();
        poll->deleteLater();
        body(w);
        if (w->isVisible())
            w->reject();
    });
    poll->start(0);
}

template <typename T> T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

// A top-level window by its design name, as a user's tool finds it.
inline QWidget *topLevel(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(name))
            return w;
    }
    return nullptr;
}

inline QTimer *timer1(QWidget *challengeWindow)
{
    return child<QTimer>(challengeWindow, "Timer1");
}

// One tick of the window's Timer1, as the timer delivers it, whether it runs
// or not (the rules decide what a tick does).
inline void tick(QWidget *challengeWindow)
{
    QMetaObject::invokeMethod(timer1(challengeWindow), "timeout");
}

inline void clickButton(QWidget *parent, const char *name)
{
    QTest::mouseClick(child<QPushButton>(parent, name), Qt::LeftButton);
}
