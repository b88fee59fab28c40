// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/roundfigures.h"

#include <QTest>

Q_DECLARE_METATYPE(std::vector<NumberTimes>)

namespace {

// Numbers typed one after the other: each finds for findingMs, then types for
// typingMs, as the clock would note them.
std::vector<NumberTimes> series(std::initializer_list<std::pair<qint32, qint32>> times)
{
    std::vector<NumberTimes> numbers;
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
        QTest::addColumn<std::vector<NumberTimes>>("numbers");
        // count, per minute x100, median, finding, typing, lapses, steadiness,
        // fatigue, slowest numbers; -1 where a figure does not exist.
        QTest::addColumn<QList<qint64>>("expected");
        QTest::addColumn<QList<qint64>>("slowest");
        QTest::newRow("no number: only the count")
            << std::vector<NumberTimes>{} << QList<qint64>{0, -1, -1, -1, -1, -1, -1, -1}
            << QList<qint64>{};
        QTest::newRow("one number: too few to analyse")
            << series({{300, 500}}) << QList<qint64>{1, 7500, 800, 300, 500, -1, -1, -1}
            << QList<qint64>{1};
        QTest::newRow("two equal numbers")
            << series({{200, 300}, {200, 300}}) << QList<qint64>{2, 12000, 500, 200, 300, 0, 100, 0}
            << QList<qint64>{1, 2};
        QTest::newRow("a lapse, and a slower second half")
            << series({{200, 300}, {200, 300}, {200, 300}, {1500, 500}})
            << QList<qint64>{4, 6857, 500, 200, 300, 1, 75, 150} << QList<qint64>{4, 1, 2};
        QTest::newRow("faster second half, numbers outside the steady band")
            << series({{900, 100}, {400, 100}, {200, 100}, {100, 100}})
            << QList<qint64>{4, 12000, 400, 300, 100, 1, 75, -67} << QList<qint64>{1, 2, 3};
        QTest::newRow("all at once: no median to compare halves with")
            << series({{0, 0}, {0, 0}, {0, 0}}) << QList<qint64>{3, -1, 0, 0, 0, 0, 100, -1}
            << QList<qint64>{1, 2, 3};
    }
    void figures()
    {
        QFETCH(std::vector<NumberTimes>, numbers);
        QFETCH(QList<qint64>, expected);
        QFETCH(QList<qint64>, slowest);
        const RoundFigures f = figuresOf(numbers);
        auto value = [](auto optional) { return optional ? qint64(*optional) : qint64(-1); };
        const QList<qint64> got{f.count,
                                f.perMinute ? qint64(std::lround(*f.perMinute * 100)) : -1,
                                value(f.medianMs),
                                value(f.medianFindingMs),
                                value(f.medianTypingMs),
                                value(f.lapses),
                                value(f.steadinessPercent),
                                value(f.fatiguePercent)};
        QCOMPARE(got, expected);
        QList<qint64> slow;
        for (const RoundFigures::Slow &s : f.slowest)
            slow << s.number;
        QCOMPARE(slow, slowest);
        QCOMPARE(f.enoughToAnalyse(), f.count >= 2);
    }

    // A 40,000-number round: every thousandth number a lapse of 1.5 s among
    // half-second numbers.
    void longRound()
    {
        std::vector<NumberTimes> numbers;
        qint32 now = 0;
        for (int n = 1; n <= 40'000; ++n) {
            now += n % 1000 == 0 ? 1200 : 200;
            numbers.push_back({now, now + 300});
            now += 300;
        }
        const RoundFigures f = figuresOf(numbers);
        QCOMPARE(f.count, 40'000);
        QCOMPARE(*f.medianMs, 500);
        QCOMPARE(*f.lapses, 40);
        QCOMPARE(*f.steadinessPercent, 100); // 39,960 of 40,000, rounded
        QCOMPARE(*f.fatiguePercent, 0);
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
