// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program.h"
#include "fakeclock.h"
#include "modal.h"
#include "ui/answerbox.h"
#include "ui/fonts.h"

#include <QLabel>
#include <QTest>

namespace {

QString text(ChallengeWindow *w, const char *name)
{
    return child<QLabel>(w, name)->text();
}

// Types one number and Enter into the answer box, as a pupil does.
void enter(ChallengeWindow *w, qint64 n)
{
    auto *box = child<AnswerBox>(w, "Text1");
    QTest::keyClicks(box, QString::number(n));
    QTest::keyClick(box, Qt::Key_Return);
}

} // namespace

// Level 1 played in the real window, from the start screen.
class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fonts::installSubstitutions(); }
    void init()
    {
        m_program = std::make_unique<Program>(m_clock);
        m_program->showStartWindow();
        m_window = topLevel("form0");
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void cleanup() { m_program.reset(); }

    void wholeRoundToSuccessThenWrongNumberThenTimeUp()
    {
        whenModalOpens([this](ChallengeWindow *w) {
            QVERIFY(QTest::qWaitForWindowExposed(w));
            auto *box = child<AnswerBox>(w, "Text1");
            auto *start = child<QPushButton>(w, "Command1");
            auto *again = child<QPushButton>(w, "Command3");
            QVERIFY(!again->isVisible());
            QVERIFY(!box->isEnabled());
            QCOMPARE(text(w, "Label15"), QStringLiteral("5"));
            QCOMPARE(text(w, "Label14"), QStringLiteral("00"));
            QCOMPARE(text(w, "Label6"), QString());

            QTest::mouseClick(start, Qt::LeftButton);
            QVERIFY(timer1(w)->isActive());
            QCOMPARE(timer1(w)->interval(), 7);
            QCOMPARE(timer1(w)->timerType(), Qt::PreciseTimer);
            QVERIFY(box->isEnabled());
            // Disabling Start passes the focus on to the answer box.
            QCOMPARE(w->focusWidget(), box);
            m_clock.advance(7);
            tick(w);
            QCOMPARE(text(w, "Label15"), QStringLiteral(" 4"));
            QCOMPARE(text(w, "Label14"), QStringLiteral("59"));
            QCOMPARE(text(w, "Label13"), QStringLiteral("89"));

            for (int n = 1; n <= 50; ++n) {
                m_clock.advance(150);
                tick(w);
                enter(w, n);
                if (n < 50) {
                    QCOMPARE(text(w, "Label9(10)"), QStringLiteral("√"));
                    QCOMPARE(box->text(), QString());
                }
            }
            QCOMPARE(box->text(), QStringLiteral("50"));
            QVERIFY(!box->isEnabled());
            QVERIFY(child<QLabel>(w, "Picture1")->isVisible());
            QCOMPARE(text(w, "Label1"), QStringLiteral("挑战成功,你真棒!"));
            QCOMPARE(text(w, "Label6"), QStringLiteral("7.50"));
            QCOMPARE(w->focusWidget(), again);

            QTest::mouseClick(again, Qt::LeftButton);
            QCOMPARE(w->focusWidget(), start);
            QVERIFY(!child<QLabel>(w, "Picture1")->isVisible());
            QCOMPARE(text(w, "Label2"), QStringLiteral("00"));
            QTest::mouseClick(start, Qt::LeftButton);
            enter(w, 1);
            enter(w, 3);
            QCOMPARE(text(w, "Label9(10)"), QStringLiteral("×"));
            QCOMPARE(text(w, "Label1"), QStringLiteral("您正确输入的数字范围是 1 -  1"));
            QCOMPARE(box->text(), QStringLiteral("3"));
            QVERIFY(!box->isEnabled());
            QCOMPARE(w->focusWidget(), again);

            m_clock.advance(300'000);
            tick(w);
            QCOMPARE(text(w, "Label1"), QStringLiteral("时间到!"));
            QVERIFY(!timer1(w)->isActive());
            QVERIFY(!start->isEnabled());
            QVERIFY(again->isEnabled());
            QCOMPARE(text(w, "Label6"), QStringLiteral("7.50"));
            // Play again had the focus; at time up no button keeps it, so a
            // late Enter or Space presses nothing.
            QVERIFY(!qobject_cast<QPushButton *>(QApplication::focusWidget()));
            QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Return);
            QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Space);
            QVERIFY(again->isEnabled());
            QVERIFY(w->isVisible());
            clickButton(w, "Command2");
        });
        clickButton(m_window, "Command0");
    }

    // The best result survives a reopening; the label is blank until the
    // next success, which is compared with the earlier best.
    void bestResultAcrossTwoVisits()
    {
        auto playFast = [this](ChallengeWindow *w, int stepMs) {
            clickButton(w, "Command1");
            for (int n = 1; n <= 50; ++n) {
                m_clock.advance(stepMs);
                tick(w);
                enter(w, n);
            }
        };
        whenModalOpens([&](ChallengeWindow *w) {
            playFast(w, 200);
            QCOMPARE(text(w, "Label6"), QStringLiteral("10.00"));
            clickButton(w, "Command2");
        });
        clickButton(m_window, "Command0");
        QVERIFY(!QTest::currentTestFailed());
        whenModalOpens([&](ChallengeWindow *w) {
            QCOMPARE(text(w, "Label6"), QString());
            playFast(w, 100);
            QCOMPARE(text(w, "Label1"), QStringLiteral("记录又被刷新!"));
            QCOMPARE(text(w, "Label6"), QStringLiteral("5.00"));
        });
        clickButton(m_window, "Command0");
    }

    // Closing the window by the window manager is the same as Back.
    void closingTheWindowStopsTheTimer()
    {
        QTimer *timer = nullptr;
        bool wasActive = false;
        whenModalOpens([&](ChallengeWindow *w) {
            clickButton(w, "Command1");
            timer = timer1(w);
            wasActive = timer->isActive();
            w->close();
            QVERIFY(!timer->isActive());
        });
        clickButton(m_window, "Command0");
        QVERIFY(wasActive);
        QVERIFY(m_window->isVisible());
    }

private:
    FakeClock m_clock;
    std::unique_ptr<Program> m_program;
    QWidget *m_window = nullptr;
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
