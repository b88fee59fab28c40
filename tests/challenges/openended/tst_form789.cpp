// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program.h"
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
} // namespace

// Level 7 played in the real window, from the start screen.
class TestForm789 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fonts::installSubstitutions(); }

    void levelSevenRoundThroughWrongEntryPlayAgainAndTimeUp()
    {
        FakeClock clock;
        Program program(clock);
        program.showStartWindow();
        QWidget *start = topLevel("form0");
        QVERIFY(QTest::qWaitForWindowExposed(start));
        QTest::mouseClick(child<ClickLabel>(start, "Label19"), Qt::LeftButton);
        bool ran = false;
        whenModalOpens(
            [&](ChallengeWindow *w) {
                QVERIFY(QTest::qWaitForWindowActive(w));
                QCOMPARE(w->objectName(), QStringLiteral("Form789"));
                auto *box = child<AnswerBox>(w, "Text1");
                auto *again = child<QPushButton>(w, "Command3");
                QCOMPARE(text(w, "Label19"), QStringLiteral("7级规则: 5分钟  不限位 不能改"));
                QCOMPARE(text(w, "Label15"), QStringLiteral("5"));
                QVERIFY(!again->isVisible());
                clickButton(w, "Command1");
                QCOMPARE(w->focusWidget(), box);
                for (int n = 1; n <= 12; ++n) {
                    clock.advance(400);
                    tick(w);
                    QTest::keyClicks(box, QString::number(n));
                    QTest::keyClick(box, Qt::Key_Return);
                }
                QCOMPARE(text(w, "Label4"), QStringLiteral(" 12"));
                // The keypad works like the number row.
                QTest::keyClick(box, Qt::Key_1, Qt::KeypadModifier);
                QTest::keyClick(box, Qt::Key_3, Qt::KeypadModifier);
                QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
                QCOMPARE(text(w, "Label4"), QStringLiteral(" 13"));
                QTest::keyClicks(box, QStringLiteral("15"));
                QTest::keyClick(box, Qt::Key_Return);
                QCOMPARE(text(w, "Label9(10)"), QStringLiteral("×"));
                QCOMPARE(text(w, "Label1"), QStringLiteral("本次有效数字范围是 1-13"));
                QCOMPARE(text(w, "Label6"), QStringLiteral("13"));
                QCOMPARE(box->text(), QStringLiteral("15"));
                QVERIFY(!box->isEnabled());
                QCOMPARE(w->focusWidget(), again);

                QTest::mouseClick(again, Qt::LeftButton);
                QCOMPARE(w->focusWidget(), child<QPushButton>(w, "Command1"));
                QCOMPARE(text(w, "Label2"), QStringLiteral("00"));
                clickButton(w, "Command1");
                QTest::keyClicks(box, QStringLiteral("1"));
                QTest::keyClick(box, Qt::Key_Return);
                QTest::keyClicks(box, QStringLiteral("2"));
                // No correction: Backspace ends the round and leaves the digit.
                QTest::keyClick(box, Qt::Key_Backspace);
                QCOMPARE(box->text(), QStringLiteral("2"));
                QCOMPARE(text(w, "Label1"), QStringLiteral("本次有效数字范围是 1 -  1"));
                QCOMPARE(text(w, "Label6"), QStringLiteral("13"));

                clock.advance(300'000);
                tick(w);
                QCOMPARE(text(w, "Label1"), QStringLiteral("时间到!"));
                QCOMPARE(text(w, "Label13"), QStringLiteral("00"));
                QVERIFY(!timer1(w)->isActive());
                QVERIFY(again->isEnabled());
                QTest::mouseClick(again, Qt::LeftButton);
                QVERIFY(!child<QPushButton>(w, "Command1")->isEnabled());
                clickButton(w, "Command2");
            },
            &ran);
        clickButton(start, "Command0");
        QVERIFY(ran);
    }
};

QTEST_MAIN(TestForm789)
#include "tst_form789.moc"
