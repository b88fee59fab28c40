// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suite.h"

#include <QRegularExpression>

#include <memory>

using namespace E2e;

// Level 9 (Form9): the round ends at the first fault or a pause of 2 seconds.
class TestEndurance : public ChallengeSuite {
    Q_OBJECT
public:
    TestEndurance() : ChallengeSuite(9) {}

private slots:
    void everyFaultEndsTheRound()
    {
        QCOMPARE(m_form.name(), kStartTitle);
        QCOMPARE(m_best.shownText(), QString());

        E2E_STEP(clickStart(m_form));
        E2E_DO(Pupil::press(QStringLiteral("1 Return 2 Return 3 Return BackSpace")));
        E2E_TRY_SHOWS(m_message, QStringLiteral("不能退格，挑战结束！"));
        QCOMPARE(m_mark.shownText(), QStringLiteral("×"));
        QCOMPARE(m_best.shownText(), QStringLiteral("3"));
        QVERIFY(!m_box.isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(m_again.isFocused(), kShowMs);
        // How long the best round lasted: whole seconds and two-digit hundredths.
        static const QRegularExpression secondsFormat(QStringLiteral("^\\d+$"));
        static const QRegularExpression hundredthsFormat(QStringLiteral("^\\d\\d$"));
        QVERIFY2(secondsFormat.match(control("最好成绩持续秒数").shownText()).hasMatch(),
                 qPrintable(control("最好成绩持续秒数").shownText()));
        QVERIFY2(hundredthsFormat.match(control("最好成绩持续百分秒").shownText()).hasMatch(),
                 qPrintable(control("最好成绩持续百分秒").shownText()));

        E2E_STEP(playAgainWithKeys());
        E2E_DO(Pupil::press(QStringLiteral("1 Return 5 Return")));
        E2E_TRY_SHOWS(m_message, QStringLiteral("数字输入错误，挑战结束！"));
        QCOMPARE(m_mark.shownText(), QStringLiteral("×"));
        QCOMPARE(m_best.shownText(), QStringLiteral("3"));

        E2E_STEP(playAgainWithKeys());
        E2E_DO(Pupil::press(QStringLiteral("1 Return")));
        E2E_TRY_SHOWS(m_mark, QStringLiteral("√"));
        E2E_DO(Pupil::type(QStringLiteral("a")));
        E2E_TRY_SHOWS(m_message, QStringLiteral("按了非数字键,挑战结束!刷新记录"));
        QCOMPARE(m_mark.shownText(), QString());
        QCOMPARE(m_box.shownText(), QString());
        QCOMPARE(m_best.shownText(), QStringLiteral("3"));

        // Digits without Enter are keys too; then the pupil stops typing.
        E2E_STEP(playAgainWithKeys());
        E2E_DO(Pupil::press(QStringLiteral("1 Return 2")));
        E2E_TRY_SHOWS(m_message, QStringLiteral("两次按键时间超过2秒,挑战结束!"));
        QCOMPARE(m_mark.shownText(), QString());
        QCOMPARE(m_box.shownText(), QStringLiteral("2"));
        QCOMPARE(control("按键间隔秒数").shownText(), QStringLiteral("2"));
        QVERIFY2(control("持续秒数").shownText().toInt() >= 2,
                 qPrintable(control("持续秒数").shownText()));
        QCOMPARE(m_best.shownText(), QStringLiteral("3"));
        QVERIFY(!m_box.isEnabled());

        // A longer run sets a new best.
        E2E_STEP(playAgainWithKeys());
        E2E_DO(Pupil::enterRun(1, 12));
        E2E_DO(Pupil::press(QStringLiteral("BackSpace")));
        E2E_TRY_SHOWS(m_message, QStringLiteral("不能退格，挑战结束！"));
        QCOMPARE(m_best.shownText(), QStringLiteral("12"));
        QCOMPARE(control("上一个正确数字").shownText(), QStringLiteral(" 12"));
    }

    // The link to the round's report shows only once the round has ended;
    // the keyboard reaches it after Back, opens the report and closes it,
    // and the screen is as it was.
    void reportOpensAndClosesByKeyboard()
    {
        const Accessible link = control("本轮分析");
        QVERIFY(link);
        QCOMPARE(link.role(), QStringLiteral("link"));
        QVERIFY(!link.isShowing());
        E2E_STEP(clickStart(m_form));
        E2E_DO(Pupil::press(QStringLiteral("1 Return 2 Return")));
        E2E_TRY_SHOWS(m_mark, QStringLiteral("√"));
        QVERIFY(!link.isShowing());
        E2E_DO(Pupil::press(QStringLiteral("BackSpace")));
        E2E_TRY_SHOWS(m_message, QStringLiteral("不能退格，挑战结束！"));
        QTRY_VERIFY_WITH_TIMEOUT(link.isShowing(), kShowMs);

        QTRY_VERIFY_WITH_TIMEOUT(m_again.isFocused(), kShowMs);
        E2E_DO(Pupil::press(QStringLiteral("Tab Tab")));
        QTRY_VERIFY_WITH_TIMEOUT(link.isFocused(), kShowMs);
        E2E_DO(Pupil::press(QStringLiteral("Return")));
        QTRY_VERIFY_WITH_TIMEOUT(m_game->window(QStringLiteral("本轮分析")), kShowMs);
        E2E_DO(Pupil::press(QStringLiteral("Escape")));
        QTRY_VERIFY_WITH_TIMEOUT(!m_game->window(QStringLiteral("本轮分析")), kShowMs);
        QCOMPARE(m_message.shownText(), QStringLiteral("不能退格，挑战结束！"));
        QCOMPARE(m_best.shownText(), QStringLiteral("2"));
        QCOMPARE(m_game->dialog().name(), kStartTitle);
        // The focus is back on Play again, where it was before the link
        // took it; Space on the link opens the report as well.
        QTRY_VERIFY_WITH_TIMEOUT(m_again.isFocused(), kShowMs);
        E2E_DO(Pupil::press(QStringLiteral("Tab Tab")));
        QTRY_VERIFY_WITH_TIMEOUT(link.isFocused(), kShowMs);
        E2E_DO(Pupil::press(QStringLiteral("space")));
        QTRY_VERIFY_WITH_TIMEOUT(m_game->window(QStringLiteral("本轮分析")), kShowMs);
        E2E_DO(Pupil::press(QStringLiteral("Escape")));
        QTRY_VERIFY_WITH_TIMEOUT(!m_game->window(QStringLiteral("本轮分析")), kShowMs);
    }

    void playAgainClearsTheClocks()
    {
        E2E_STEP(clickStart(m_form));
        E2E_DO(Pupil::enter(1));
        E2E_TRY_SHOWS(control("持续秒数"), QStringLiteral("1"));
        E2E_DO(Pupil::type(QStringLiteral("x")));
        E2E_TRY_SHOWS(m_message, QStringLiteral("按了非数字键,挑战结束!刷新记录"));
        E2E_DO(Pupil::click(m_again));
        QTRY_VERIFY_WITH_TIMEOUT(m_start.isFocused(), kShowMs);
        QCOMPARE(control("持续秒数").shownText(), QStringLiteral("0"));
        QCOMPARE(control("持续百分秒").shownText(), QStringLiteral("00"));
        QCOMPARE(control("按键间隔秒数").shownText(), QStringLiteral("0"));
        QCOMPARE(control("按键间隔百分秒").shownText(), QStringLiteral("00"));
        QCOMPARE(m_box.shownText(), QString());
        QVERIFY(!m_box.isEnabled());
        QCOMPARE(m_best.shownText(), QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(TestEndurance)
#include "tst_endurance.moc"
