// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/endurance/endurancemodel.h"

#include "modelrig.h"

#include <QTest>

using Rig = ModelRig<EnduranceModel>;

namespace {
const QString kBackspaceEnd = QStringLiteral("不能退格，挑战结束！");
const QString kWrongEnd = QStringLiteral("数字输入错误，挑战结束！");
const QString kNonDigitEnd = QStringLiteral("按了非数字键,挑战结束!刷新记录");
const QString kGapEnd = QStringLiteral("两次按键时间超过2秒,挑战结束!");
const QString kTick = QStringLiteral("√");
const QString kCross = QStringLiteral("×");

// One round: `count` correct numbers spread over `durationMs` with ticks,
// then an ending key; returns nothing, leaves the round ended.
void playRound(Rig &rig, int count, int durationMs, char16_t ending = kBackspace)
{
    if (rig.board()[Control::Command3].visible)
        rig.model->playAgain();
    rig.model->start();
    const int step = count > 0 ? durationMs / count : 0;
    rig.typeNumbers(1, count, step);
    rig.tickAfter(durationMs - step * count);
    rig.key(ending);
}
} // namespace

class TestEnduranceModel : public QObject {
    Q_OBJECT
private slots:
    void loadShowsTheScreenAndKeepsTheClockCaptions()
    {
        Rig rig(9, QStringLiteral("韩梅梅"));
        QCOMPARE(rig.texts({Control::Window, Control::Label3, Control::Label8}),
                 QStringList({QStringLiteral("Tavrino  V2.0 2017-11-22 "), QStringLiteral("9"),
                              QStringLiteral("韩梅梅")}));
        QCOMPARE(rig.text(Control::Label19),
                 QStringLiteral("9级规则: 不限时 不限位 不能改 按键间隔小于2秒"));
        for (Control c : {Control::Label15, Control::Label17, Control::Label21, Control::Label23,
                          Control::Label6, Control::Label4})
            QCOMPARE(rig.text(c), QString());
        QCOMPARE(rig.text(Control::Label1), QStringLiteral(" "));
        QVERIFY(!rig.board()[Control::Command3].visible);
        QVERIFY(rig.board().enabled(Control::Command1));
        QVERIFY(!rig.board().timerEnabled());
        // The clock labels show their layout captions ("0", "00", "0999", "00")
        // until the first tick.
        const BoardChanges written = rig.board().takeChanges();
        for (Control c : {Control::Label2, Control::Label11, Control::Label14, Control::Label13})
            QVERIFY(!written.texts.test(std::size_t(c)));
        QVERIFY(!rig.board().enabled(Control::Text1));
        QCOMPARE(rig.key(u'1'), char16_t(0));
    }

    void bothClocksRunFromStart()
    {
        Rig rig(9);
        rig.model->start();
        QVERIFY(rig.board().timerEnabled());
        QVERIFY(!rig.board().enabled(Control::Command1));
        rig.tickAfter(1500);
        QCOMPARE(rig.texts({Control::Label2, Control::Label11, Control::Label14, Control::Label13}),
                 QStringList({QStringLiteral("1"), QStringLiteral("50"), QStringLiteral("1"),
                              QStringLiteral("50")}));
    }

    // Enter on an empty box restarts the gap clock, so a pupil who keeps
    // pressing it never trips the gap rule; the duration runs on.
    void enterOnAnEmptyBoxRestartsTheGap()
    {
        Rig rig(9);
        rig.model->start();
        for (int i = 0; i < 125; ++i) {
            rig.tickAfter(1000);
            rig.enter(QString());
        }
        rig.tickAfter(70);
        QVERIFY(rig.board().timerEnabled());
        QCOMPARE(rig.texts({Control::Label14, Control::Label13, Control::Label2, Control::Label11,
                            Control::Mark}),
                 QStringList({QStringLiteral("125"), QStringLiteral("07"), QStringLiteral("0"),
                              QStringLiteral("07"), QString()}));
    }

    // 1999 ms after the last key the round still runs; the first tick at or
    // after 2000 ms ends it.
    void gapRuleAtItsBoundary()
    {
        Rig rig(9);
        rig.model->start();
        rig.typeNumber(1);
        rig.tickAfter(1999);
        QVERIFY(rig.board().timerEnabled());
        QCOMPARE(rig.text(Control::Label2), QStringLiteral("1"));
        QCOMPARE(rig.text(Control::Label11), QStringLiteral("99"));
        rig.tickAfter(1);
        QVERIFY(!rig.board().timerEnabled());
        QCOMPARE(rig.texts({Control::Label1, Control::Label2, Control::Label11, Control::Mark,
                            Control::Label6, Control::Label4}),
                 QStringList({kGapEnd, QStringLiteral("2"), QStringLiteral("00"), QString(),
                              QStringLiteral("1"), QStringLiteral(" 1")}));
        QVERIFY(!rig.board().enabled(Control::Text1));
        QVERIFY(rig.board()[Control::Command3].visible);
        QVERIFY(rig.board().enabled(Control::Command3));
        QCOMPARE(rig.board().takeFocusRequest(), std::optional(Control::Command3));
    }

    void noKeyAfterStartEndsWithACountOfZero()
    {
        Rig rig(9);
        rig.model->start();
        for (int t = 0; t < 2000; t += 7)
            rig.tickAfter(7);
        QCOMPARE(rig.text(Control::Label1), kGapEnd);
        QCOMPARE(rig.text(Control::Label6), QStringLiteral("0"));
    }

    // Each fault ends the round with its own mark and text, and records;
    // the box keeps what it shows.
    void faultsEndTheRound_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<char16_t>("fault");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("discarded");
        QTest::newRow("Backspace on an empty box")
            << "" << kBackspace << kCross << kBackspaceEnd << true;
        QTest::newRow("Backspace after a digit")
            << "3" << kBackspace << kCross << kBackspaceEnd << true;
        QTest::newRow("wrong number") << "5" << kEnter << kCross << kWrongEnd << false;
        QTest::newRow("letter") << "" << char16_t(u'a') << QString() << kNonDigitEnd << true;
        QTest::newRow("space") << "" << char16_t(u' ') << QString() << kNonDigitEnd << true;
        QTest::newRow("Escape") << "" << char16_t(27) << QString() << kNonDigitEnd << true;
        QTest::newRow("too large a number is wrong")
            << "99999999999999999999" << kEnter << kCross << kWrongEnd << false;
    }
    void faultsEndTheRound()
    {
        QFETCH(QString, box);
        QFETCH(char16_t, fault);
        QFETCH(QString, mark);
        QFETCH(QString, message);
        QFETCH(bool, discarded);
        Rig rig(9);
        rig.model->start();
        rig.tickAfter(300);
        rig.typeNumbers(1, 2);
        for (qsizetype i = 0; i < box.size(); ++i)
            rig.key(box[i].unicode(), box.left(i));
        rig.tickAfter(300);
        rig.board().takeChanges();
        QCOMPARE(rig.key(fault, box) == 0, discarded);
        QVERIFY(!rig.board().takeChanges().texts.test(std::size_t(Control::Text1)));
        QCOMPARE(rig.texts({Control::Mark, Control::Label1, Control::Label4}),
                 QStringList({mark, message, QStringLiteral(" 2")}));
        QCOMPARE(rig.texts({Control::Label6, Control::Label21, Control::Label23}),
                 QStringList({QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("60")}));
        QVERIFY(!rig.board().timerEnabled());
        QVERIFY(!rig.board().enabled(Control::Text1));
        QVERIFY(!rig.board().enabled(Control::Command1));
        QCOMPARE(rig.board().takeFocusRequest(), std::optional(Control::Command3));
    }

    void correctNumbersAndTheLastNumberLabel()
    {
        Rig rig(9);
        rig.model->start();
        rig.enter(QStringLiteral("01"));
        QCOMPARE(rig.texts({Control::Mark, Control::Label4, Control::Text1}),
                 QStringList({kTick, QStringLiteral(" 1"), QString()}));
        rig.key(u'2');
        QCOMPARE(rig.text(Control::Mark), QString());
        rig.enter(QStringLiteral("2"));
        rig.typeNumbers(3, 1234);
        QCOMPARE(rig.text(Control::Label4), QStringLiteral("1234"));
        rig.typeNumbers(1235, 12345);
        QCOMPARE(rig.text(Control::Label4), QStringLiteral("2345"));
    }

    // At an equal count the shorter duration wins; a lower count changes
    // nothing; while the best count is 0 every round replaces the duration.
    void bestCountAndDuration_data()
    {
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<QList<int>>("durationsMs");
        QTest::addColumn<QStringList>("best"); // count, seconds, hundredths
        QTest::newRow("5, 7, 7 shorter, then 6")
            << QList<int>{5, 7, 7, 6} << QList<int>{4000, 8000, 6500, 3000}
            << QStringList{"7", "6", "50"};
        QTest::newRow("equal count: 9.50 not replaced by 12.00")
            << QList<int>{8, 8} << QList<int>{9500, 12000} << QStringList{"8", "9", "50"};
        QTest::newRow("equal count: 12.00 replaced by 9.50")
            << QList<int>{8, 8} << QList<int>{12000, 9500} << QStringList{"8", "9", "50"};
        QTest::newRow("equal whole seconds: fewer hundredths win")
            << QList<int>{3, 3} << QList<int>{5900, 5090} << QStringList{"3", "5", "09"};
        QTest::newRow("count 0: a longer round still replaces the duration")
            << QList<int>{0, 0} << QList<int>{500, 1500} << QStringList{"0", "1", "50"};
    }
    void bestCountAndDuration()
    {
        QFETCH(QList<int>, counts);
        QFETCH(QList<int>, durationsMs);
        QFETCH(QStringList, best);
        Rig rig(9);
        for (int i = 0; i < counts.size(); ++i)
            playRound(rig, counts[i], durationsMs[i]);
        QCOMPARE(rig.texts({Control::Label6, Control::Label21, Control::Label23}), best);
    }

    // A round that ends before its first tick records 0.00, not what the
    // duration label showed before Start.
    void roundEndedBeforeAnyTickRecordsZero()
    {
        Rig rig(9);
        rig.model->start();
        rig.key(kBackspace);
        QCOMPARE(rig.text(Control::Label21), QStringLiteral("0"));
        QCOMPARE(rig.text(Control::Label23), QStringLiteral("00"));
    }

    void countsPast32767StayCorrect()
    {
        Rig rig(9);
        rig.model->start();
        rig.typeNumbers(1, 32'800, 500);
        QCOMPARE(rig.text(Control::Label4), QStringLiteral("2800"));
        rig.key(u'x');
        QCOMPARE(rig.text(Control::Label6), QStringLiteral("32800"));
        QCOMPARE(rig.text(Control::Label21), QStringLiteral("16400"));
    }

    void playAgainResetsTheClocksAndKeepsTheBest()
    {
        Rig rig(9);
        playRound(rig, 3, 2500);
        rig.model->playAgain();
        QCOMPARE(rig.texts({Control::Label2, Control::Label11, Control::Label14, Control::Label13,
                            Control::Label1, Control::Label4}),
                 QStringList({QStringLiteral("0"), QStringLiteral("00"), QStringLiteral("0"),
                              QStringLiteral("00"), QStringLiteral(" "), QString()}));
        QVERIFY(rig.board()[Control::Command3].visible);
        QVERIFY(!rig.board().enabled(Control::Command3));
        QVERIFY(rig.board().enabled(Control::Command1));
        QVERIFY(!rig.board().enabled(Control::Text1));
        QCOMPARE(rig.board().takeFocusRequest(), std::optional(Control::Command1));
        QCOMPARE(rig.texts({Control::Label6, Control::Label21, Control::Label23}),
                 QStringList({QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("50")}));
    }

    void backDuringARoundTakesNoRecordAndReopeningClearsTheBest()
    {
        Rig rig(9);
        playRound(rig, 4, 3000);
        rig.model->playAgain();
        rig.model->start();
        rig.typeNumbers(1, 9, 100);
        rig.model->back();
        QVERIFY(!rig.board().timerEnabled());
        QCOMPARE(rig.text(Control::Label6), QStringLiteral("4"));
        rig.reopen();
        QCOMPARE(rig.text(Control::Label6), QString());
        QCOMPARE(rig.text(Control::Label21), QString());
        // The first round of the new visit sets the best, however short.
        playRound(rig, 1, 500);
        QCOMPARE(rig.text(Control::Label6), QStringLiteral("1"));
    }

    // Midnight during a round: the round goes on and its duration stays right.
    void roundAcrossMidnightGoesOn()
    {
        Rig rig(9);
        rig.clock.set(86'400'000 - 1'000);
        rig.model->start();
        rig.typeNumbers(1, 10, 300);
        QVERIFY(rig.board().timerEnabled());
        QCOMPARE(rig.text(Control::Label14), QStringLiteral("3"));
        QCOMPARE(rig.text(Control::Label13), QStringLiteral("00"));
        rig.key(kBackspace);
        QCOMPARE(rig.text(Control::Label6), QStringLiteral("10"));
        QCOMPARE(rig.text(Control::Label21), QStringLiteral("3"));
    }
};

QTEST_GUILESS_MAIN(TestEnduranceModel)
#include "tst_endurancemodel.moc"
