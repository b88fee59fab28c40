// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "accessible.h"
#include "desktop.h"
#include "game.h"
#include "pupil.h"
#include "xwindow.h"

#include <QTest>

// Fails the test with the reason when a step of the harness (a click, a key,
// starting the game) reports one.
#define E2E_DO(step)                                                                               \
    do {                                                                                           \
        const QString e2eProblem = (step);                                                         \
        QVERIFY2(e2eProblem.isEmpty(), qPrintable(e2eProblem));                                    \
    } while (false)

// Runs a shared step of a test and ends the test where the step failed.
#define E2E_STEP(call)                                                                             \
    do {                                                                                           \
        call;                                                                                      \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

// Waits until the control shows the expected text. A control that exposes no
// text to assistive technology fails at once: no wait would change that.
#define E2E_TRY_SHOWS(control, expected)                                                           \
    do {                                                                                           \
        const Accessible e2eControl = (control);                                                   \
        QVERIFY2(e2eControl.hasText(), qPrintable(e2eControl.shownText()));                        \
        QTRY_COMPARE_WITH_TIMEOUT(e2eControl.shownText(), (expected), kShowMs);                    \
    } while (false)

namespace E2e {

inline const QString kStartTitle = QStringLiteral("Tavrino  V2.0 2017-11-22 ");

// Starts the game and waits for its start window.
inline void startGame(Game &game, Accessible *startWindow = nullptr)
{
    E2E_DO(game.launch());
    QTRY_VERIFY2_WITH_TIMEOUT(game.mainWindow(), qPrintable(game.describe()), kShowMs);
    QTRY_COMPARE_WITH_TIMEOUT(game.mainWindow().name(), kStartTitle, kShowMs);
    if (startWindow)
        *startWindow = game.mainWindow();
}

// On the start window: picks a level with the mouse, enters, and waits for the
// challenge window.
inline void openLevel(Game &game, int level, Accessible *challenge)
{
    const Accessible start = game.mainWindow();
    QVERIFY(start);
    E2E_DO(Pupil::click(start.find(QStringLiteral("级别 %1").arg(level))));
    E2E_TRY_SHOWS(start.find(QStringLiteral("所选级别")), QString::number(level));
    E2E_DO(Pupil::click(start.find(QStringLiteral("进入"))));
    QTRY_VERIFY_WITH_TIMEOUT(game.dialog(), kShowMs);
    *challenge = game.dialog();
    // Start shows once the window has been laid out and filled in.
    QTRY_VERIFY_WITH_TIMEOUT(challenge->find(QStringLiteral("开始")).isShowing(), kShowMs);
}

// On a challenge window: clicks Start and waits for the answer box to open.
inline void clickStart(const Accessible &challenge)
{
    E2E_DO(Pupil::click(challenge.find(QStringLiteral("开始"))));
    const Accessible box = challenge.find(QStringLiteral("下一个数字"));
    QTRY_VERIFY_WITH_TIMEOUT(box.isEnabled(), kShowMs);
    QTRY_VERIFY_WITH_TIMEOUT(box.isFocused(), kShowMs);
}

// Returns once the game has dealt with every click and key sent so far, for
// checks that something did not happen. The X server delivers a change of a
// window's size after the input that came before it, so once the game shows
// the window at its new size, the earlier input has been handled. The window
// grows by two pixels.
inline void waitForInputHandled(const Game &game, const Accessible &window)
{
    const std::optional<XWindow> x = game.xWindowOf(window);
    QVERIFY2(x, "the window is not where the accessibility bus says it is");
    const QSize grown = x->geometry().size() + QSize(2, 0);
    E2E_DO(x->resize(grown));
    QTRY_COMPARE_WITH_TIMEOUT(window.extents().size(), grown, kShowMs);
}

} // namespace E2e
