// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/roundfigures.h"

#include <QTest>

Q_DECLARE_METATYPE(std::vector<NumberKeys>)

namespace {

// Numbers typed one after the other: each finds for findingMs, then types for
// typingMs, as the clock would note them.
std::vector<NumberKeys> series(std::initializer_list<std::pair<qint32, qint32>> times)
{
    std::vector<NumberKeys> numbers;
    qint32 now = 0;
    for (const auto &[finding, typing] : times) {
        now += finding;
        const qint32 firstDigit = now;
        now += typing;
        numbers.push_back({firstDigit, now});
    }
    return numbers;
}

} // namespace

// The figures of a round's rhythm, from hand-made series of numbers.
class TestRoundFigures : public QObject {
    Q_OBJECT
private slots:
    void figures_data()
    {
        QTest::addColumn<std::vector<NumberKeys>>("numbers");
        // count, per minute x100, typical, finding, typing, pauses, even
        // numbers, counted numbers, mean of the first and of the second half;
        // -1 where a figure does not exist.
        QTest::addColumn<QList<qint64>>("expected");
        QTest::addColumn<QList<qint64>>("slowest");
        QTest::newRow("no number: only the count")
            << std::vector<NumberKeys>{} << QList<qint64>{0, -1, -1, -1, -1, -1, -1, 0, -1, -1}
            << QList<qint64>{};
        QTest::newRow("one number: timed from Start, so nothing to analyse")
            << series({{300, 500}}) << QList<qint64>{1, 7500, -1, -1, -1, -1, -1, 0, -1, -1}
            << QList<qint64>{};
        QTest::newRow("two numbers: the second alone gives the typical time")
            << series({{200, 300}, {200, 300}})
            << QList<qint64>{2, 12000, 500, 200, 300, -1, -1, 1, -1, -1} << QList<qint64>{2};
        QTest::newRow("a slow first number is no pause; a slow later one is")
            << series({{2500, 500}, {200, 300}, {200, 300}, {200, 300}, {1500, 500}})
            << QList<qint64>{5, 4615, 500, 200, 300, 1, 3, 4, 500, 1250} << QList<qint64>{5, 2, 3};
        // The medians of the halves (400 and 500) would call the second half
        // slower; it took less time in all.
        QTest::newRow("halves compared by their average time")
            << series({{800, 200},
                       {200, 200},
                       {200, 200},
                       {1200, 400},
                       {300, 200},
                       {300, 200},
                       {300, 200}})
            << QList<qint64>{7, 8571, 500, 300, 200, 1, 5, 6, 800, 500} << QList<qint64>{4, 5, 6};
        // Typical 400: 800 is no pause, 200 and 600 are the even band's ends;
        // of seven numbers the middle one goes to the second half.
        QTest::newRow("boundaries: twice typical, half and 1.5 times, an odd count's halves")
            << series({{300, 500},
                       {300, 100},
                       {300, 100},
                       {300, 100},
                       {100, 100},
                       {500, 100},
                       {700, 100},
                       {300, 100}})
            << QList<qint64>{8, 12000, 400, 300, 100, 0, 6, 7, 400, 500} << QList<qint64>{7, 6, 2};
        QTest::newRow("all at once: nothing is a pause")
            << series({{0, 0}, {0, 0}, {0, 0}}) << QList<qint64>{3, -1, 0, 0, 0, 0, 2, 2, 0, 0}
            << QList<qint64>{2, 3};
    }
    void figures()
    {
        QFETCH(std::vector<NumberKeys>, numbers);
        QFETCH(QList<qint64>, expected);
        QFETCH(QList<qint64>, slowest);
        const RoundFigures f = figuresOf(numbers);
        auto value = [](auto optional) {
            return optional ? qint64(std::llround(double(*optional))) : qint64(-1);
        };
        const QList<qint64> got{f.count,
                                f.perMinute ? qint64(std::lround(*f.perMinute * 100)) : -1,
                                value(f.typicalMs),
                                value(f.typicalFindingMs),
                                value(f.typicalTypingMs),
                                value(f.pauses),
                                value(f.evenNumbers),
                                f.countedNumbers,
                                value(f.firstHalfMeanMs),
                                value(f.secondHalfMeanMs)};
        QCOMPARE(got, expected);
        QList<qint64> slow;
        for (const RoundFigures::Slow &s : f.slowest)
            slow << s.number;
        QCOMPARE(slow, slowest);
    }

    // A 40,000-number round: every thousandth number a lapse of 1.5 s among
    // half-second numbers.
    void longRound()
    {
        std::vector<NumberKeys> numbers;
        qint32 now = 0;
        for (int n = 1; n <= 40'000; ++n) {
            now += n % 1000 == 0 ? 1200 : 200;
            numbers.push_back({now, now + 300});
            now += 300;
        }
        const RoundFigures f = figuresOf(numbers);
        QCOMPARE(f.count, 40'000);
        QCOMPARE(*f.typicalMs, 500);
        QCOMPARE(*f.pauses, 40);
        QCOMPARE(*f.evenNumbers, 39'959);
        // 20 pauses in each half: 19,999 and 20,000 numbers.
        QCOMPARE(qRound(*f.firstHalfMeanMs * 1000), 501'000);
        QCOMPARE(qRound(*f.secondHalfMeanMs * 1000), 501'000);
        QCOMPARE(f.slowest.front().number, 1000);
        QCOMPARE(f.slowest.front().time.findingMs, 1200);
        QCOMPARE(qRound(*f.perMinute * 100), qRound(40'000 * 60'000.0 / 20'040'000 * 100));
    }

    // Where a number first takes another digit: 10, 100, 1000 ...
    void digitCountSteps()
    {
        QCOMPARE(::digitCountSteps(9), std::vector<qint64>{});
        QCOMPARE(::digitCountSteps(10), std::vector<qint64>{10});
        QCOMPARE(::digitCountSteps(40'000), (std::vector<qint64>{10, 100, 1000, 10'000}));
    }
};

QTEST_GUILESS_MAIN(TestRoundFigures)
#include "tst_roundfigures.moc"
