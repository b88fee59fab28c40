// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/gameclock.h"
#include "core/systemclock.h"
#include "core/timetext.h"

#include <QTest>
#include <QTime>

class TestGameClock : public QObject {
    Q_OBJECT
private slots:
    // Differences of readings are taken modulo one day, so a span across
    // local midnight keeps its true length.
    void differenceIsTakenModuloOneDay_data()
    {
        QTest::addColumn<qint64>("later");
        QTest::addColumn<qint64>("earlier");
        QTest::addColumn<int>("expected");
        QTest::newRow("same reading") << qint64(1000) << qint64(1000) << 0;
        QTest::newRow("one tick") << qint64(32'703'127) << qint64(32'703'120) << 7;
        QTest::newRow("across midnight") << qint64(5) << qint64(86'399'990) << 15;
        QTest::newRow("five minutes across midnight")
            << qint64(240'000) << qint64(86'340'000) << 300'000;
        QTest::newRow("last ms of the day") << qint64(86'399'999) << qint64(0) << 86'399'999;
    }
    void differenceIsTakenModuloOneDay()
    {
        QFETCH(qint64, later);
        QFETCH(qint64, earlier);
        QFETCH(int, expected);
        QCOMPARE(clockDifference(later, earlier), expected);
    }

    void elapsedSplitsIntoTotalSecondsAndHundredths_data()
    {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("hundredths");
        QTest::newRow("125.43 s shows only the last two digits") << qint64(125'430) << "25"
                                                                 << "43";
        QTest::newRow("9.996 s") << qint64(9'996) << "09"
                                 << "99";
        QTest::newRow("985 ms") << qint64(985) << "00"
                                << "98";
        QTest::newRow("995 ms") << qint64(995) << "00"
                                << "99";
        QTest::newRow("zero") << qint64(0) << "00"
                              << "00";
        QTest::newRow("42.07 s") << qint64(42'070) << "42"
                                 << "07";
    }
    void elapsedSplitsIntoTotalSecondsAndHundredths()
    {
        QFETCH(qint64, ms);
        QFETCH(QString, seconds);
        QFETCH(QString, hundredths);
        const TimeText::Split s = TimeText::splitElapsed(ms);
        QCOMPARE(TimeText::formatTwoDigits(s.seconds), seconds);
        QCOMPARE(TimeText::formatTwoDigits(s.hundredths), hundredths);
    }

    void timeLeftSplitsIntoMinutesSecondsHundredths_data()
    {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("hundredths");
        QTest::newRow("level 1 after one tick") << qint64(299'893) << " 4"
                                                << "59"
                                                << "89";
        QTest::newRow("level 8 after 10 ms") << qint64(419'990) << " 6"
                                             << "59"
                                             << "99";
        QTest::newRow("nothing left") << qint64(0) << " 0"
                                      << "00"
                                      << "00";
        QTest::newRow("an hour wraps the minutes") << qint64(3'600'000 + 61'000) << " 1"
                                                   << "01"
                                                   << "00";
    }
    void timeLeftSplitsIntoMinutesSecondsHundredths()
    {
        QFETCH(qint64, ms);
        QFETCH(QString, minutes);
        QFETCH(QString, seconds);
        QFETCH(QString, hundredths);
        const TimeText::Split s = TimeText::splitRemaining(ms);
        QCOMPARE(TimeText::formatMinutes(s.minutes), minutes);
        QCOMPARE(TimeText::formatTwoDigits(s.seconds), seconds);
        QCOMPARE(TimeText::formatTwoDigits(s.hundredths), hundredths);
    }

    // Sign-padded and plain texts differ by the leading blank; the screens
    // rely on the difference (two blanks in a range message).
    void numberTexts()
    {
        QCOMPARE(TimeText::signPadded(7), QStringLiteral(" 7"));
        QCOMPARE(TimeText::signPadded(0), QStringLiteral(" 0"));
        QCOMPARE(TimeText::signPadded(-3), QStringLiteral("-3"));
        QCOMPARE(TimeText::secondsOfMs(-1'234), QStringLiteral("-1.23"));
        QCOMPARE(TimeText::plain(125), QStringLiteral("125"));
        QCOMPARE(TimeText::lastChars(TimeText::signPadded(1234), 3), QStringLiteral("234"));
        QCOMPARE(TimeText::lastChars(TimeText::signPadded(42), 3), QStringLiteral(" 42"));
    }

    // The production clock reads the local time of day and never goes back.
    void systemClockReadsTimeOfDayAndAdvancesSteadily()
    {
        SystemClock clock;
        const qint64 first = clock.readClock();
        QVERIFY(first >= 0 && first < kMsPerDay);
        const qint64 wall = QTime::currentTime().msecsSinceStartOfDay();
        const qint32 apart = std::min(clockDifference(wall, first), clockDifference(first, wall));
        QVERIFY2(apart < 1000, "the clock starts at the local time of day");
        qint64 previous = first;
        for (int i = 0; i < 1000; ++i) {
            const qint64 now = clock.readClock();
            QVERIFY(clockDifference(now, previous) < 60'000);
            previous = now;
        }
    }
};

QTEST_GUILESS_MAIN(TestGameClock)
#include "tst_gameclock.moc"
