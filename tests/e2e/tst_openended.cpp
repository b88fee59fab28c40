// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suite.h"

#include <memory>

using namespace E2e;

// Levels 7-8 (Form789), played at level 7: no correction, the best reach kept.
class TestOpenEnded : public ChallengeSuite {
    Q_OBJECT
public:
    TestOpenEnded() : ChallengeSuite(7) {}

private slots:
    void everyWayARoundEnds()
    {
        QCOMPARE(control("单位").shownText(), QStringLiteral("位"));

        // Backspace ends the round and takes nothing out of the box; the first
        // round to end sets the best without a record.
        E2E_STEP(clickStart(m_form));
        E2E_DO(Pupil::press(QStringLiteral("1 Return 2 Return 3 BackSpace")));
        E2E_TRY_SHOWS(m_message, QStringLiteral("本次有效数字范围是 1 -  2"));
        QCOMPARE(m_mark.shownText(), QStringLiteral("×"));
        QCOMPARE(m_box.shownText(), QStringLiteral("3"));
        QVERIFY(!m_box.isEnabled());
        QCOMPARE(m_best.shownText(), QStringLiteral("2"));
        QTRY_VERIFY_WITH_TIMEOUT(m_again.isFocused(), kShowMs);
        QCOMPARE(control("上一个正确数字").shownText(), QStringLiteral(" 2"));

        // A wrong number that reaches further breaks the record.
        E2E_STEP(playAgainWithKeys());
        E2E_DO(Pupil::type(QStringLiteral("1a")));
        E2E_TRY_SHOWS(m_box, QStringLiteral("1"));
        E2E_DO(Pupil::press(QStringLiteral("Return 2 Return 3 Return 9 Return")));
        E2E_TRY_SHOWS(m_message, QStringLiteral("记录又被刷新,有效数字范围是 1-3"));
        QCOMPARE(m_mark.shownText(), QStringLiteral("×"));
        QCOMPARE(m_best.shownText(), QStringLiteral("3"));
        QVERIFY(!m_box.isEnabled());
        QVERIFY(!m_start.isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(m_again.isFocused(), kShowMs);

        // A shorter round leaves the best as it was.
        E2E_STEP(playAgainWithKeys());
        E2E_DO(Pupil::press(QStringLiteral("1 Return 3 Return")));
        E2E_TRY_SHOWS(m_message, QStringLiteral("本次有效数字范围是 1-1"));
        QCOMPARE(m_best.shownText(), QStringLiteral("3"));

        // Backspace after the furthest reach yet.
        E2E_STEP(playAgainWithKeys());
        E2E_DO(Pupil::enterRun(1, 4));
        E2E_DO(Pupil::press(QStringLiteral("BackSpace")));
        E2E_TRY_SHOWS(m_message, QStringLiteral("记录又被刷新,有效数字范围是 1 -  4"));
        QCOMPARE(m_best.shownText(), QStringLiteral("4"));
        QCOMPARE(m_mark.shownText(), QStringLiteral("×"));
    }

    void correctNumbersGoOnWithoutEnd()
    {
        E2E_STEP(clickStart(m_form));
        // Past the 50 where level 1 would stop, on the keypad this time.
        QStringList keys;
        for (int n = 1; n <= 60; ++n)
            keys << Pupil::digitKeys(n, true) << QStringLiteral("KP_Enter");
        E2E_DO(Pupil::press(keys.join(u' ')));
        E2E_TRY_SHOWS(control("上一个正确数字"), QStringLiteral(" 60"));
        QCOMPARE(m_mark.shownText(), QStringLiteral("√"));
        QVERIFY(m_box.isEnabled());
        QCOMPARE(m_message.shownText(), QString());
        QVERIFY(!m_again.isShowing());
    }
};

QTEST_GUILESS_MAIN(TestOpenEnded)
#include "tst_openended.moc"
