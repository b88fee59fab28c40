// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program.h"
#include "challenges/challengemodel.h"
#include "fakeclock.h"
#include "modal.h"
#include "ui/answerbox.h"
#include "ui/clicklabel.h"
#include "ui/fonts.h"

#include <QLabel>
#include <QTest>

namespace {
QString text(ChallengeWindow *w, const char *name)
{
    return child<QLabel>(w, name)->text();
}

void tickFor(FakeClock &clock, ChallengeWindow *w, int ms)
{
    for (int t = 0; t < ms; t += 7) {
        clock.advance(7);
        tick(w);
    }
}
} // namespace

// Level 9 played in the real window, from the start screen.
class TestForm9 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fonts::installSubstitutions(); }

    void levelNineRoundThroughGapEndPlayAgainAndRecord()
    {
        FakeClock clock;
        Program program(clock);
        program.showStartWindow();
        QWidget *start = topLevel("form0");
        QVERIFY(QTest::qWaitForWindowExposed(start));
        QTest::mouseClick(child<ClickLabel>(start, "Label21"), Qt::LeftButton);
        bool ran = false;
        whenModalOpens(
            [&](ChallengeWindow *w) {
                QVERIFY(QTest::qWaitForWindowActive(w));
                QCOMPARE(w->objectName(), QStringLiteral("Form9"));
                QCOMPARE(w->windowTitle(), QStringLiteral("Tavrino  V2.0 2017-11-22 "));
                // The clock labels keep their layout captions until the first tick.
                QCOMPARE(text(w, "Label2"), QStringLiteral("0"));
                QCOMPARE(text(w, "Label14"), QStringLiteral("0999"));
                QCOMPARE(text(w, "Label13"), QStringLiteral("00"));
                QCOMPARE(text(w, "Label21"), QString());
                auto *box = child<AnswerBox>(w, "Text1");
                auto *again = child<QPushButton>(w, "Command3");
                QVERIFY(!box->isEnabled());
                clickButton(w, "Command1");
                QCOMPARE(w->focusWidget(), box);
                for (int n = 1; n <= 5; ++n) {
                    tickFor(clock, w, 1200);
                    QTest::keyClicks(box, QString::number(n));
                    QTest::keyClick(box, Qt::Key_Return);
                }
                QCOMPARE(text(w, "Label4"), QStringLiteral(" 5"));
                // Keys without a character neither end the round nor restart the gap.
                QTest::keyClick(box, Qt::Key_Left);
                QTest::keyClick(box, Qt::Key_F2);
                // 1995 ms without a key go on; the tick at 2002 ms ends the round.
                tickFor(clock, w, 1995);
                QVERIFY(timer1(w)->isActive());
                tickFor(clock, w, 7);
                QVERIFY(!timer1(w)->isActive());
                QCOMPARE(text(w, "Label1"), QStringLiteral("两次按键时间超过2秒,挑战结束!"));
                QCOMPARE(text(w, "Label9(10)"), QString());
                QCOMPARE(text(w, "Label6"), QStringLiteral("5"));
                QCOMPARE(text(w, "Label21"), QStringLiteral("8"));
                QCOMPARE(w->focusWidget(), again);

                // A Space at once, on its way before the pause was noticed,
                // leaves the end on the screen; from the key delay on it plays again.
                QTest::keyClick(again, Qt::Key_Space);
                QCOMPARE(text(w, "Label1"), QStringLiteral("两次按键时间超过2秒,挑战结束!"));
                clock.advance(kKeyDelayMs);
                QTest::keyClick(again, Qt::Key_Space);
                QCOMPARE(text(w, "Label2"), QStringLiteral("0"));
                QCOMPARE(text(w, "Label11"), QStringLiteral("00"));
                QCOMPARE(text(w, "Label14"), QStringLiteral("0"));
                QCOMPARE(text(w, "Label13"), QStringLiteral("00"));
                QVERIFY(!again->isEnabled());
                // Start has the focus now: the next Enter, close behind,
                // starts nothing; a click starts at once.
                QCOMPARE(w->focusWidget(), child<QPushButton>(w, "Command1"));
                QTest::keyClick(w->focusWidget(), Qt::Key_Return);
                QVERIFY(!box->isEnabled());
                clickButton(w, "Command1");
                // NumLock off: the keypad's End is told of beside the box and
                // judged as before; the next digit takes the note away.
                QTest::keyClick(box, Qt::Key_End, Qt::KeypadModifier);
                QVERIFY(child<QLabel>(w, "numLockNote")->isVisible());
                QVERIFY(timer1(w)->isActive());
                for (int n = 1; n <= 7; ++n) {
                    tickFor(clock, w, 700);
                    QTest::keyClicks(box, QString::number(n));
                    QTest::keyClick(box, Qt::Key_Return);
                }
                QVERIFY(!child<QLabel>(w, "numLockNote")->isVisible());
                QTest::keyClicks(box, QStringLiteral("a"));
                QCOMPARE(box->text(), QString());
                QCOMPARE(text(w, "Label1"), QStringLiteral("按了非数字键,挑战结束!刷新记录"));
                QCOMPARE(text(w, "Label6"), QStringLiteral("7"));
                clickButton(w, "Command2");
            },
            &ran);
        clickButton(start, "Command0");
        QVERIFY(ran);
    }
};

QTEST_MAIN(TestForm9)
#include "tst_form9.moc"
