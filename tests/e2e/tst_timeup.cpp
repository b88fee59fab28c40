// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suite.h"

#include <QElapsedTimer>

#include <memory>

using namespace E2e;

namespace {

// Level 1 allows five minutes; the clock is the game's own, so the test
// waits them out, with room for a slow machine.
constexpr int kLimitMs = 5 * 60 * 1000;
constexpr int kPastLimitMs = kLimitMs + 60 * 1000;

} // namespace

// A level-1 round that runs out of time while the pupil is still typing.
class TestTimeUp : public GameSuite {
    Q_OBJECT
private slots:
    void limitEndsTheVisitsRounds()
    {
        Accessible form;
        E2E_STEP(openLevel(*m_game, 1, &form));
        const Accessible box = form.find(QStringLiteral("下一个数字"));
        const Accessible message = form.find(QStringLiteral("消息"));
        const Accessible start = form.find(QStringLiteral("开始"));
        const Accessible again = form.find(QStringLiteral("再玩一次"));
        E2E_STEP(clickStart(form));
        E2E_DO(Pupil::enterRun(1, 3));
        E2E_DO(Pupil::type(QStringLiteral("4")));
        E2E_TRY_SHOWS(box, QStringLiteral("4"));

        QVERIFY2(message.hasText(), qPrintable(message.shownText()));
        QElapsedTimer waited;
        waited.start();
        while (message.shownText() != QStringLiteral("时间到!") && waited.elapsed() < kPastLimitMs)
            QTest::qWait(100);
        QCOMPARE(message.shownText(), QStringLiteral("时间到!"));
        QCOMPARE(form.find(QStringLiteral("剩余分钟")).shownText().trimmed(), QStringLiteral("0"));
        QCOMPARE(form.find(QStringLiteral("剩余秒数")).shownText(), QStringLiteral("00"));
        QCOMPARE(form.find(QStringLiteral("剩余百分秒")).shownText(), QStringLiteral("00"));
        QVERIFY(!box.isEnabled());
        QVERIFY(!start.isEnabled());
        QVERIFY(again.isShowing());
        QVERIFY(again.isEnabled());
        QCOMPARE(form.find(QStringLiteral("上一个正确数字")).shownText(), QStringLiteral(" 3"));

        // The pupil was still typing: his late Enter and Space land on no
        // button, so the board stays as time left it.
        QVERIFY(!again.isFocused());
        E2E_DO(Pupil::press(QStringLiteral("Return space")));
        E2E_STEP(waitForInputHandled(*m_game, form));
        QVERIFY(again.isEnabled());
        QCOMPARE(form.find(QStringLiteral("上一个正确数字")).shownText(), QStringLiteral(" 3"));

        // Play again clears the board, but no round can start in this visit.
        E2E_DO(Pupil::click(again));
        E2E_TRY_SHOWS(box, QString());
        QCOMPARE(message.shownText(), QStringLiteral("时间到!"));
        QCOMPARE(form.find(QStringLiteral("用时秒数")).shownText(), QStringLiteral("00"));
        QCOMPARE(form.find(QStringLiteral("用时百分秒")).shownText(), QStringLiteral("00"));
        QVERIFY(!start.isEnabled());
        // Play again closed under the mouse leaves the focus on no button
        // either: Enter and Space do not fall through to Back.
        E2E_DO(Pupil::click(start));
        E2E_DO(Pupil::press(QStringLiteral("Return space 5")));
        E2E_STEP(waitForInputHandled(*m_game, form));
        QVERIFY(m_game->dialog());
        QVERIFY(!box.isEnabled());
        QCOMPARE(box.shownText(), QString());
        QCOMPARE(message.shownText(), QStringLiteral("时间到!"));

        // Opened anew, the window gives a fresh five minutes.
        E2E_DO(Pupil::click(form.find(QStringLiteral("返回"))));
        QTRY_VERIFY_WITH_TIMEOUT(!m_game->dialog(), kShowMs);
        E2E_STEP(openLevel(*m_game, 1, &form));
        E2E_STEP(clickStart(form));
        E2E_DO(Pupil::enter(1));
        E2E_TRY_SHOWS(form.find(QStringLiteral("判定标记")), QStringLiteral("√"));
        QCOMPARE(form.find(QStringLiteral("剩余分钟")).shownText().trimmed(), QStringLiteral("4"));
    }
};

int main(int argc, char *argv[])
{
    // The round takes longer than Qt Test allows one test function by default.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(kPastLimitMs + 3 * 60 * 1000));
    QCoreApplication app(argc, argv);
    TestTimeUp test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_timeup.moc"
