// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/openended/openendedmodel.h"

#include "modelrig.h"

#include <QTest>

using Rig = ModelRig<OpenEndedModel>;

namespace {
const QString kRangeBackspace = QStringLiteral("本次有效数字范围是 1 - ");
const QString kRangeWrong = QStringLiteral("本次有效数字范围是 1-");
const QString kRecordBackspace = QStringLiteral("记录又被刷新,有效数字范围是 1 - ");
const QString kRecordWrong = QStringLiteral("记录又被刷新,有效数字范围是 1-");
const QString kTimeUp = QStringLiteral("时间到!");
const QString kTick = QStringLiteral("√");
const QString kCross = QStringLiteral("×");
} // namespace

class TestOpenEndedModel : public QObject {
    Q_OBJECT
private slots:
    void loadShowsTheLevelsOwnRuleLine_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("minutes");
        QTest::newRow("7: no trailing blank") << 7 << "7级规则: 5分钟  不限位 不能改"
                                              << "5";
        QTest::newRow("8: trailing blank") << 8 << "8级规则: 7分钟  不限位 不能改 "
                                           << "7";
    }
    void loadShowsTheLevelsOwnRuleLine()
    {
        QFETCH(int, level);
        QFETCH(QString, rule);
        QFETCH(QString, minutes);
        Rig rig(level);
        QCOMPARE(rig.texts({Control::Label19, Control::Label15, Control::Label3, Control::Label6}),
                 QStringList({rule, minutes, QString::number(level), QString()}));
        QVERIFY(!rig.board()[Control::Command3].visible);
        QVERIFY(!rig.board().timerEnabled());
        QVERIFY(!rig.board().enabled(Control::Text1));
        QCOMPARE(rig.key(u'1'), char16_t(0));
    }

    // No 100 ms shift on this screen.
    void countdownFigures_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("afterMs");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("hundredths");
        QTest::newRow("level 8, 10 ms") << 8 << 10 << " 6"
                                        << "59"
                                        << "99";
        QTest::newRow("level 7, 2 min 10 ms") << 7 << 120'010 << " 2"
                                              << "59"
                                              << "99";
        QTest::newRow("level 7, r exactly 0") << 7 << 300'000 << " 0"
                                              << "00"
                                              << "00";
        QTest::newRow("level 7, 995 ms left") << 7 << 299'005 << " 0"
                                              << "00"
                                              << "99";
        QTest::newRow("level 7, 999 ms left") << 7 << 299'001 << " 0"
                                              << "00"
                                              << "99";
    }
    void countdownFigures()
    {
        QFETCH(int, level);
        QFETCH(int, afterMs);
        QFETCH(QString, minutes);
        QFETCH(QString, seconds);
        QFETCH(QString, hundredths);
        Rig rig(level);
        rig.model->start();
        rig.tickAfter(afterMs);
        QVERIFY(rig.board().timerEnabled());
        QCOMPARE(rig.texts({Control::Label15, Control::Label14, Control::Label13}),
                 QStringList({minutes, seconds, hundredths}));
    }

    // The limit counts from the first Start across later rounds; each
    // round's elapsed display counts from its own Start.
    void limitRunsAcrossRounds()
    {
        Rig rig(7);
        rig.model->start();
        rig.tickAfter(30'000);
        rig.key(kBackspace);
        rig.model->playAgain();
        rig.tickAfter(20'000);
        rig.model->start();
        rig.tickAfter(70'010);
        QCOMPARE(rig.texts({Control::Label15, Control::Label14, Control::Label13, Control::Label2,
                            Control::Label11}),
                 QStringList({QStringLiteral(" 2"), QStringLiteral("59"), QStringLiteral("99"),
                              QStringLiteral("70"), QStringLiteral("01")}));
    }

    void roundOfOneHundredSecondsShowsTwoDigits()
    {
        Rig rig(8);
        rig.model->start();
        rig.tickAfter(123'400);
        QCOMPARE(rig.text(Control::Label2), QStringLiteral("23"));
        QCOMPARE(rig.text(Control::Label11), QStringLiteral("40"));
    }

    void acceptedEntries()
    {
        Rig rig(7);
        rig.model->start();
        rig.typeNumber(1);
        QCOMPARE(rig.text(Control::Mark), kTick);
        QCOMPARE(rig.text(Control::Label4), QStringLiteral(" 1"));
        // A digit after the tick removes it.
        QCOMPARE(rig.key(u'0'), char16_t(u'0'));
        QCOMPARE(rig.text(Control::Mark), QString());
        rig.enter(QStringLiteral("02"));
        QCOMPARE(rig.text(Control::Mark), kTick);
        rig.typeNumbers(3, 6);
        rig.enter(QStringLiteral("007"));
        QCOMPARE(rig.text(Control::Label4), QStringLiteral(" 7"));
        rig.typeNumbers(8, 1234);
        QCOMPARE(rig.text(Control::Label4), QStringLiteral("234"));
        // Enter on an empty box changes nothing but the message line.
        rig.board().setText(Control::Label1, QStringLiteral("x"));
        rig.enter(QString());
        QCOMPARE(rig.text(Control::Label1), QString());
        QCOMPARE(rig.text(Control::Mark), kTick);
        rig.typeNumber(1235);
        QCOMPARE(rig.text(Control::Label4), QStringLiteral("235"));
    }

    void onlyDigitsEnterAndBackspaceAreKept_data()
    {
        QTest::addColumn<char16_t>("code");
        QTest::newRow("letter") << char16_t(u'a');
        QTest::newRow("space") << char16_t(u' ');
        QTest::newRow("minus") << char16_t(u'-');
        QTest::newRow("plus") << char16_t(u'+');
        QTest::newRow("Escape") << char16_t(27);
    }
    void onlyDigitsEnterAndBackspaceAreKept()
    {
        QFETCH(char16_t, code);
        Rig rig(7);
        rig.model->start();
        QCOMPARE(rig.key(code), char16_t(0));
        QVERIFY(rig.board().enabled(Control::Text1));
    }

    // Every way a round ends, with its text and its effect on the best.
    void roundEnds_data()
    {
        QTest::addColumn<QStringList>("rounds");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("best");
        // Each round: the numbers typed correctly, then its ending ("b" or "w").
        QTest::newRow("first round, wrong entry after 57: no record text")
            << QStringList{"57w"} << kRangeWrong + QStringLiteral("57") << "57";
        QTest::newRow("later Backspace after 60 breaks the record")
            << QStringList{"57w", "60b"} << kRecordBackspace + QStringLiteral(" 60") << "60";
        QTest::newRow("later wrong entry breaks the record")
            << QStringList{"57b", "70w"} << kRecordWrong + QStringLiteral("70") << "70";
        QTest::newRow("reaching exactly the best: only the result text")
            << QStringList{"20w", "20b"} << kRangeBackspace + QStringLiteral(" 20") << "20";
        QTest::newRow("a lower round changes nothing")
            << QStringList{"20w", "5w"} << kRangeWrong + QStringLiteral("5") << "20";
        QTest::newRow("Backspace before the first entry gives 0")
            << QStringList{"0b"} << kRangeBackspace + QStringLiteral(" 0") << "0";
        // While the best is 0 the next round to end counts as the first again.
        QTest::newRow("after a 0, the next round sets the best without record text")
            << QStringList{"0b", "12w"} << kRangeWrong + QStringLiteral("12") << "12";
    }
    void roundEnds()
    {
        QFETCH(QStringList, rounds);
        QFETCH(QString, message);
        QFETCH(QString, best);
        Rig rig(8);
        for (const QString &round : rounds) {
            if (rig.board()[Control::Command3].visible)
                rig.model->playAgain();
            rig.model->start();
            const int correct = round.chopped(1).toInt();
            rig.typeNumbers(1, correct);
            rig.tickAfter(100);
            if (round.endsWith(QLatin1Char('b'))) {
                rig.key(u'3');
                // A Backspace is discarded: it ends the round, never edits the box.
                QCOMPARE(rig.key(kBackspace, QStringLiteral("3")), char16_t(0));
            } else {
                rig.enter(QString::number(correct + 2));
            }
        }
        QCOMPARE(rig.texts({Control::Mark, Control::Label1, Control::Label6}),
                 QStringList({kCross, message, best}));
        QVERIFY(!rig.board().enabled(Control::Text1));
        QVERIFY(!rig.board().enabled(Control::Command1));
        QVERIFY(rig.board()[Control::Command3].visible);
        QVERIFY(rig.board().enabled(Control::Command3));
        QCOMPARE(rig.board().takeFocusRequest(), std::optional(Control::Command3));
    }

    // Entries too large for 16 bits are wrong, never a crash; a pupil can
    // still get past 32767.
    void largeEntries_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("40000") << "40000";
        QTest::newRow("seven digits") << "1234567";
        QTest::newRow("thirty digits") << QString(30, QLatin1Char('9'));
    }
    void largeEntries()
    {
        QFETCH(QString, entry);
        Rig rig(7);
        rig.model->start();
        rig.typeNumbers(1, 3);
        rig.enter(entry);
        QCOMPARE(rig.text(Control::Label1), kRangeWrong + QStringLiteral("3"));
    }
    void expectedGoesPast32767()
    {
        Rig rig(8);
        rig.model->start();
        rig.typeNumbers(1, 32'770);
        QCOMPARE(rig.text(Control::Mark), kTick);
        QCOMPARE(rig.text(Control::Label4), QStringLiteral("770"));
        rig.key(kBackspace);
        QCOMPARE(rig.text(Control::Label6), QStringLiteral("32770"));
    }

    void timeUpDuringARoundKeepsTheBest()
    {
        Rig rig(7);
        rig.model->start();
        rig.typeNumbers(1, 10);
        rig.key(kBackspace);
        rig.model->playAgain();
        rig.model->start();
        rig.typeNumbers(1, 25);
        rig.board().takeFocusRequest();
        rig.tickAfter(300'000);
        QVERIFY(rig.board().timerEnabled());
        rig.tickAfter(1);
        QCOMPARE(rig.texts({Control::Label1, Control::Label13, Control::Label6, Control::Mark,
                            Control::Label4}),
                 QStringList({kTimeUp, QStringLiteral("00"), QStringLiteral("10"), kTick,
                              QStringLiteral(" 25")}));
        QVERIFY(!rig.board().enabled(Control::Text1));
        QVERIFY(!rig.board().timerEnabled());
        QCOMPARE(rig.board().takeFocusRequest(), std::optional(Control::Window));
        QCOMPARE(rig.key(u'2'), char16_t(0));
        rig.model->playAgain();
        rig.model->start();
        QVERIFY(!rig.board().enabled(Control::Text1));
    }

    void reopeningClearsTheBestAndWaitsForStart()
    {
        Rig rig(7);
        rig.model->start();
        rig.typeNumbers(1, 9);
        rig.key(kBackspace);
        rig.reopen();
        QCOMPARE(rig.text(Control::Label6), QString());
        QVERIFY(!rig.board().timerEnabled());
        rig.model->start();
        rig.typeNumbers(1, 3);
        rig.enter(QStringLiteral("9"));
        // The first round of the visit again: no record text.
        QCOMPARE(rig.text(Control::Label1), kRangeWrong + QStringLiteral("3"));
    }

    // Local midnight within the limit neither shortens nor lengthens it.
    void limitAcrossMidnight()
    {
        Rig rig(7);
        rig.clock.set(86'400'000 - 60'000);
        rig.model->start();
        rig.tickAfter(120'000);
        QCOMPARE(rig.text(Control::Label15), QStringLiteral(" 3"));
        QCOMPARE(rig.text(Control::Label2), QStringLiteral("20"));
        rig.tickAfter(180'000);
        QVERIFY(rig.board().timerEnabled());
        rig.tickAfter(1);
        QCOMPARE(rig.text(Control::Label1), kTimeUp);
    }
};

QTEST_GUILESS_MAIN(TestOpenEndedModel)
#include "tst_openendedmodel.moc"
