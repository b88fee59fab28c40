// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/ranged/rangedmodel.h"

#include "challenges/leveltable.h"
#include "modelrig.h"

#include <QTest>

using Rig = ModelRig<RangedModel>;

namespace {
const QString kRange = QStringLiteral("您正确输入的数字范围是 1 - ");
const QString kSuccess = QStringLiteral("挑战成功,你真棒!");
const QString kRecord = QStringLiteral("记录又被刷新!");
const QString kTimeUp = QStringLiteral("时间到!");
const QString kTick = QStringLiteral("√");
const QString kCross = QStringLiteral("×");

// Plays a whole round to success, one number every stepMs.
void playToSuccess(Rig &rig, double stepMs)
{
    rig.model->start();
    rig.typeNumbers(1, 50 * rig.values.GameLevel, stepMs);
}
} // namespace

class TestRangedModel : public QObject {
    Q_OBJECT
private slots:
    void loadShowsTheLevelAndWaitsForStart()
    {
        Rig rig(3, QStringLiteral("李雷"));
        QCOMPARE(rig.texts({Control::Window, Control::Label3, Control::Label8, Control::Label12,
                            Control::Label19, Control::Label15, Control::Label1, Control::Label6}),
                 QStringList({QStringLiteral("Tavrino"), QStringLiteral("3"),
                              QStringLiteral("李雷"), QString(), LevelTable::challengeRuleLine(3),
                              QStringLiteral("6"), QStringLiteral(" "), QString()}));
        QVERIFY(!rig.board()[Control::Command3].visible);
        QVERIFY(rig.board().enabled(Control::Command1));
        QVERIFY(!rig.board()[Control::Picture1].visible);
        QVERIFY(!rig.board().timerEnabled());
        // Countdown seconds and hundredths keep their layout texts until a tick.
        const BoardChanges written = rig.board().takeChanges();
        QVERIFY(!written.texts.test(std::size_t(Control::Label14)));
        QVERIFY(!written.texts.test(std::size_t(Control::Label13)));
    }

    // Keys typed before the first Start would be judged with no clock: the
    // box is closed until Start and the rules discard what reaches them.
    void keysBeforeStartAreNotJudged()
    {
        Rig rig(1);
        QVERIFY(!rig.board().enabled(Control::Text1));
        QCOMPARE(rig.key(u'0'), char16_t(0));
        QCOMPARE(rig.enter(QStringLiteral("0")), char16_t(0));
        QCOMPARE(rig.text(Control::Mark), QString());
        // The first number after Start is still 1.
        rig.model->start();
        rig.typeNumber(1);
        QCOMPARE(rig.text(Control::Mark), kTick);
    }

    void startOpensTheBoxAndRunsTheClock()
    {
        Rig rig(1);
        rig.model->start();
        QVERIFY(rig.board().timerEnabled());
        QVERIFY(rig.board().enabled(Control::Text1));
        QVERIFY(!rig.board().enabled(Control::Command1));
        QCOMPARE(rig.text(Control::Label1), QString());
        rig.typeNumber(1);
        QCOMPARE(rig.text(Control::Mark), kTick);
    }

    void firstTickShowsElapsedAndCountdownLessTheShift_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("hundredths");
        QTest::newRow("level 1: 299893 ms left") << 1 << " 4"
                                                 << "59"
                                                 << "89";
        QTest::newRow("level 3") << 3 << " 5"
                                 << "59"
                                 << "89";
        QTest::newRow("level 6") << 6 << " 6"
                                 << "59"
                                 << "89";
    }
    void firstTickShowsElapsedAndCountdownLessTheShift()
    {
        QFETCH(int, level);
        QFETCH(QString, minutes);
        QFETCH(QString, seconds);
        QFETCH(QString, hundredths);
        Rig rig(level);
        rig.model->start();
        rig.tickAfter(7);
        QCOMPARE(rig.texts({Control::Label15, Control::Label14, Control::Label13, Control::Label2,
                            Control::Label11}),
                 QStringList(
                     {minutes, seconds, hundredths, QStringLiteral("00"), QStringLiteral("00")}));
        rig.tickAfter(125'423);
        QCOMPARE(rig.text(Control::Label2), QStringLiteral("25"));
        QCOMPARE(rig.text(Control::Label11), QStringLiteral("43"));
    }

    // Only digits, Backspace and Enter reach the box; Backspace clears the
    // mark, a digit leaves it; every key clears the message line.
    void keyFilter_data()
    {
        QTest::addColumn<char16_t>("code");
        QTest::addColumn<bool>("passes");
        QTest::addColumn<bool>("clearsMark");
        QTest::newRow("digit 0") << char16_t(u'0') << true << false;
        QTest::newRow("digit 9") << char16_t(u'9') << true << false;
        QTest::newRow("Backspace") << kBackspace << true << true;
        QTest::newRow("letter") << char16_t(u'a') << false << false;
        QTest::newRow("space") << char16_t(u' ') << false << false;
        QTest::newRow("minus") << char16_t(u'-') << false << false;
        QTest::newRow("full-width digit") << char16_t(u'１') << false << false;
        QTest::newRow("Escape") << char16_t(27) << false << false;
        QTest::newRow("Ctrl+V") << char16_t(22) << false << false;
    }
    void keyFilter()
    {
        QFETCH(char16_t, code);
        QFETCH(bool, passes);
        QFETCH(bool, clearsMark);
        Rig rig(1);
        rig.model->start();
        rig.typeNumber(1);
        QCOMPARE(rig.text(Control::Mark), kTick);
        rig.board().setText(Control::Label1, QStringLiteral("x"));
        QCOMPARE(rig.key(code, QStringLiteral("2")) != 0, passes);
        QCOMPARE(rig.text(Control::Mark), clearsMark ? QString() : kTick);
        QCOMPARE(rig.text(Control::Label1), QString());
    }

    void enterOnAnEmptyBoxJudgesNothing()
    {
        Rig rig(1);
        rig.model->start();
        rig.enter(QString());
        QCOMPARE(rig.text(Control::Mark), QString());
        QVERIFY(rig.board().enabled(Control::Text1));
        rig.typeNumber(1);
        QCOMPARE(rig.text(Control::Mark), kTick);
    }

    void correctNumbersAdvanceAndShowTheLastOne()
    {
        Rig rig(6);
        rig.model->start();
        rig.board().takeChanges();
        rig.typeNumber(1);
        QCOMPARE(rig.text(Control::Label4), QStringLiteral(" 1"));
        // The box is emptied for the next number.
        QVERIFY(rig.board().takeChanges().texts.test(std::size_t(Control::Text1)));
        QCOMPARE(rig.text(Control::Text1), QString());
        rig.typeNumbers(2, 6);
        rig.enter(QStringLiteral("007"));
        QCOMPARE(rig.text(Control::Mark), kTick);
        QCOMPARE(rig.text(Control::Label4), QStringLiteral(" 7"));
        rig.typeNumbers(8, 123);
        QCOMPARE(rig.text(Control::Label4), QStringLiteral("123"));
        rig.typeNumber(124);
        QCOMPARE(rig.text(Control::Mark), kTick);
    }

    // A wrong number ends the round with the count of correct numbers,
    // sign-padded after a literal that ends in a blank.
    void wrongNumberEndsTheRound_data()
    {
        QTest::addColumn<int>("correctFirst");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong first number") << 0 << "2" << kRange + QStringLiteral(" 0");
        QTest::newRow("after seven") << 7 << "9" << kRange + QStringLiteral(" 7");
        QTest::newRow("too large for 16 bits") << 3 << "99999" << kRange + QStringLiteral(" 3");
        QTest::newRow("far too large")
            << 3 << "9999999999999999999999999" << kRange + QStringLiteral(" 3");
        QTest::newRow("zero") << 4 << "0" << kRange + QStringLiteral(" 4");
    }
    void wrongNumberEndsTheRound()
    {
        QFETCH(int, correctFirst);
        QFETCH(QString, entry);
        QFETCH(QString, message);
        Rig rig(2);
        rig.model->start();
        rig.typeNumbers(1, correctFirst);
        rig.enter(entry);
        QCOMPARE(rig.text(Control::Mark), kCross);
        QCOMPARE(rig.text(Control::Label1), message);
        QVERIFY(!rig.board().enabled(Control::Text1));
        QVERIFY(!rig.board().enabled(Control::Command1));
        QVERIFY(rig.board()[Control::Command3].visible);
        QVERIFY(rig.board().enabled(Control::Command3));
        QCOMPARE(rig.board().takeFocusRequest(), std::optional(Control::Command3));
        QCOMPARE(rig.text(Control::Label6), QString());
        // The elapsed display stands still; the countdown goes on.
        rig.tickAfter(5000);
        const QString elapsed = rig.text(Control::Label2);
        const QString left = rig.text(Control::Label14);
        rig.tickAfter(3000);
        QCOMPARE(rig.text(Control::Label2), elapsed);
        QVERIFY(rig.text(Control::Label14) != left);
        // No later key is judged.
        QCOMPARE(rig.key(u'5'), char16_t(0));
    }

    void successAtFiftyTimesTheLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("level 1 ends at 50") << 1;
        QTest::newRow("level 6 ends at 300") << 6;
    }
    void successAtFiftyTimesTheLevel()
    {
        QFETCH(int, level);
        Rig rig(level);
        playToSuccess(rig, 100);
        const int target = 50 * level;
        QCOMPARE(rig.text(Control::Text1), QString::number(target));
        QVERIFY(!rig.board().enabled(Control::Text1));
        QVERIFY(!rig.board().enabled(Control::Command1));
        QCOMPARE(rig.text(Control::Mark), QString());
        QVERIFY(rig.board()[Control::Picture1].visible);
        QCOMPARE(rig.text(Control::Label1), kSuccess);
        QVERIFY(rig.board().enabled(Control::Command3));
        QCOMPARE(rig.board().takeFocusRequest(), std::optional(Control::Command3));
        // The result is the elapsed time of the latest tick, in hundredths.
        const qint64 hundredths = qint64(target) * 100 / 10;
        QCOMPARE(rig.text(Control::Label6), QStringLiteral("%1.%2")
                                                .arg(hundredths / 100)
                                                .arg(hundredths % 100, 2, 10, QLatin1Char('0')));
    }

    // The first success sets the best without the record text; a faster one
    // replaces it with the text; an equal or slower one keeps it.
    void bestResultAndRecordText()
    {
        Rig rig(1);
        playToSuccess(rig, 200); // 10.00 s
        QCOMPARE(rig.text(Control::Label1), kSuccess);
        QCOMPARE(rig.text(Control::Label6), QStringLiteral("10.00"));

        rig.model->playAgain();
        playToSuccess(rig, 199); // 9.95 s
        QCOMPARE(rig.text(Control::Label1), kRecord);
        QCOMPARE(rig.text(Control::Label6), QStringLiteral("9.95"));

        rig.model->playAgain();
        playToSuccess(rig, 199); // equal
        QCOMPARE(rig.text(Control::Label1), kSuccess);
        QCOMPARE(rig.text(Control::Label6), QStringLiteral("9.95"));

        rig.model->playAgain();
        playToSuccess(rig, 250); // slower
        QCOMPARE(rig.text(Control::Label1), kSuccess);
        QCOMPARE(rig.text(Control::Label6), QStringLiteral("9.95"));
    }

    // A success slower than 327.67 s (possible from level 3 on) is recorded
    // and shown in full.
    void slowSuccessBeyondSixteenBitsIsRecorded()
    {
        Rig rig(6);
        playToSuccess(rig, 1390); // 417.00 s, inside the 7-minute limit
        QCOMPARE(rig.text(Control::Label1), kSuccess);
        QCOMPARE(rig.text(Control::Label6), QStringLiteral("417.00"));
    }

    void bestResultFormats_data()
    {
        QTest::addColumn<int>("stepMs");
        QTest::addColumn<QString>("shown");
        QTest::newRow("23.45 s") << 469 << "23.45";
        QTest::newRow("5.00 s") << 100 << "5.00";
        QTest::newRow("0.07 s") << 0 << "0.07";
    }
    void bestResultFormats()
    {
        QFETCH(int, stepMs);
        QFETCH(QString, shown);
        Rig rig(1);
        rig.model->start();
        if (stepMs == 0) {
            rig.tickAfter(75);
            rig.typeNumbers(1, 50);
        } else {
            rig.typeNumbers(1, 50, stepMs);
        }
        QCOMPARE(rig.text(Control::Label6), shown);
    }

    void timeRunsOutAfterTheLimitLessTheShift()
    {
        Rig rig(5);
        rig.model->start();
        rig.tickAfter(419'900);
        QVERIFY(rig.board().timerEnabled());
        QCOMPARE(rig.texts({Control::Label15, Control::Label14, Control::Label13}),
                 QStringList({QStringLiteral(" 0"), QStringLiteral("00"), QStringLiteral("00")}));
        rig.tickAfter(1);
        QCOMPARE(rig.text(Control::Label1), kTimeUp);
        QCOMPARE(rig.text(Control::Label13), QStringLiteral("00"));
        QVERIFY(!rig.board().timerEnabled());
        QVERIFY(!rig.board().enabled(Control::Text1));
        QVERIFY(!rig.board().enabled(Control::Command1));
        QVERIFY(rig.board()[Control::Command3].visible);
        QVERIFY(rig.board().enabled(Control::Command3));
        // A pupil still typing must not press Play again with his next
        // Enter: the focus goes to no button.
        QCOMPARE(rig.board().takeFocusRequest(), std::optional(Control::Window));
        QCOMPARE(rig.text(Control::Label6), QString());
    }

    void timeUpAfterSuccessKeepsTheBest()
    {
        Rig rig(1);
        playToSuccess(rig, 100);
        rig.tickAfter(300'000);
        QCOMPARE(rig.text(Control::Label1), kTimeUp);
        QCOMPARE(rig.text(Control::Label6), QStringLiteral("5.00"));
    }

    // After time is up Play again clears the board, but no round can begin
    // until the screen is opened again.
    void noRoundBeginsAfterTimeIsUp()
    {
        Rig rig(1);
        rig.model->start();
        rig.tickAfter(300'000);
        QCOMPARE(rig.text(Control::Label1), kTimeUp);
        rig.board().takeFocusRequest();
        rig.model->playAgain();
        QVERIFY(!rig.board().enabled(Control::Command1));
        QCOMPARE(rig.text(Control::Label1), kTimeUp);
        QCOMPARE(rig.board().takeFocusRequest(), std::optional(Control::Window));
        rig.model->start();
        QVERIFY(!rig.board().enabled(Control::Text1));
        rig.reopen();
        rig.model->start();
        QVERIFY(rig.board().enabled(Control::Text1));
    }

    // Play again starts the elapsed display afresh; the limit runs on from
    // the first Start.
    void playAgainKeepsTheLimit()
    {
        Rig rig(1);
        rig.model->start();
        rig.tickAfter(60'000);
        rig.typeNumber(5);
        rig.model->playAgain();
        QCOMPARE(rig.texts({Control::Label2, Control::Label11, Control::Label1, Control::Mark}),
                 QStringList(
                     {QStringLiteral("00"), QStringLiteral("00"), QStringLiteral(" "), QString()}));
        QVERIFY(rig.board()[Control::Command3].visible);
        QVERIFY(!rig.board().enabled(Control::Command3));
        QCOMPARE(rig.board().takeFocusRequest(), std::optional(Control::Command1));
        QVERIFY(rig.board().timerEnabled());
        rig.tickAfter(10'000);
        rig.model->start();
        rig.tickAfter(2'500);
        QCOMPARE(rig.text(Control::Label2), QStringLiteral("02"));
        QCOMPARE(rig.text(Control::Label11), QStringLiteral("50"));
        // 72.5 s of the limit are gone: 4:59.90 - 1:12.50 = 3:47.40
        QCOMPARE(rig.texts({Control::Label15, Control::Label14, Control::Label13}),
                 QStringList({QStringLiteral(" 3"), QStringLiteral("47"), QStringLiteral("40")}));
    }

    // The best result lives as long as the program; reopening blanks its
    // label and starts a new limit with the next Start.
    void bestResultSurvivesReopening()
    {
        Rig rig(1);
        playToSuccess(rig, 120); // 6.00 s
        rig.model->back();
        QVERIFY(!rig.board().timerEnabled());
        rig.values.GameLevel = 2;
        rig.model->load(rig.values);
        QCOMPARE(rig.text(Control::Label6), QString());
        QCOMPARE(rig.text(Control::Label15), QStringLiteral("5"));
        QVERIFY(!rig.board().timerEnabled());
        playToSuccess(rig, 50); // 100 numbers, 5.00 s
        QCOMPARE(rig.text(Control::Label1), kRecord);
        QCOMPARE(rig.text(Control::Label6), QStringLiteral("5.00"));
    }

    // The clock wraps at local midnight; neither the round nor the limit
    // notices.
    void roundAcrossMidnightIsTimedCorrectly()
    {
        Rig rig(1);
        rig.clock.set(86'400'000 - 3'000);
        rig.model->start();
        rig.typeNumbers(1, 50, 100);
        QCOMPARE(rig.texts({Control::Label1, Control::Label6, Control::Label15, Control::Label14}),
                 QStringList({kSuccess, QStringLiteral("5.00"), QStringLiteral(" 4"),
                              QStringLiteral("54")}));
        QVERIFY(rig.board().timerEnabled());
    }
};

QTEST_GUILESS_MAIN(TestRangedModel)
#include "tst_rangedmodel.moc"
