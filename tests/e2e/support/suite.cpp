// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suite.h"

#include "challenges/challengemodel.h"

using namespace E2e;

void GameSuite::initTestCase()
{
    E2E_DO(m_desktop.start());
}

void GameSuite::init()
{
    m_game = std::make_unique<Game>(m_desktop);
    E2E_STEP(startGame(*m_game, &m_startWindow));
    prepare();
}

void GameSuite::cleanup()
{
    forget();
    m_startWindow = Accessible();
    m_game.reset();
}

void ChallengeSuite::prepare()
{
    E2E_STEP(openLevel(*m_game, m_level, &m_form));
    m_box = control("下一个数字");
    m_mark = control("判定标记");
    m_message = control("消息");
    m_last = control("上一个正确数字");
    m_best = control("最好成绩");
    m_start = control("开始");
    m_again = control("再玩一次");
}

void ChallengeSuite::forget()
{
    m_form = m_box = m_mark = m_message = m_last = m_best = m_start = m_again = Accessible();
}

Accessible ChallengeSuite::control(const char *name) const
{
    return m_form.find(QString::fromUtf8(name));
}

void ChallengeSuite::waitForPlayAgainKeys()
{
    QTest::qWait(int(kKeyDelayMs) + 300);
}

void ChallengeSuite::playAgainWithKeys()
{
    QTRY_VERIFY_WITH_TIMEOUT(m_again.isFocused(), kShowMs);
    waitForPlayAgainKeys();
    E2E_DO(Pupil::press(QStringLiteral("Return")));
    QTRY_VERIFY_WITH_TIMEOUT(m_start.isFocused(), kShowMs);
    QCOMPARE(m_box.shownText(), QString());
    QCOMPARE(m_mark.shownText(), QString());
    waitForPlayAgainKeys();
    E2E_DO(Pupil::press(QStringLiteral("Return")));
    QTRY_VERIFY_WITH_TIMEOUT(m_box.isFocused(), kShowMs);
}
