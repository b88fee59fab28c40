// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/report/rhythmcolumns.h"
#include "challenges/report/roundreport.h"

#include <QTest>

namespace {

std::vector<NumberTime> times(std::initializer_list<qint64> totals)
{
    std::vector<NumberTime> t;
    for (qint64 ms : totals)
        t.push_back({ms / 2, ms - ms / 2});
    return t;
}

} // namespace

// What the rhythm chart draws and how the report words the halves.
class TestRoundReport : public QObject {
    Q_OBJECT
private slots:
    // The first number and the ending stand alone; the others get a column
    // each while they fit, else groups that cover them all, in order, each
    // drawn as its median number with a line to its slowest.
    void columns()
    {
        const auto few = rhythmColumns(times({900, 400, 500, 600}), 1200, 100);
        QCOMPARE(few.size(), std::size_t(5));
        QCOMPARE(few.front().kind, RhythmColumn::Kind::Start);
        QCOMPARE(few[2].first, 3);
        QCOMPARE(few[2].bar.totalMs(), 500);
        QCOMPARE(few.back().kind, RhythmColumn::Kind::Ending);
        QCOMPARE(few.back().bar.totalMs(), 1200);

        std::vector<NumberTime> many(1001, NumberTime{100, 100});
        many[500] = {1000, 1000}; // number 501
        const auto grouped = rhythmColumns(many, std::nullopt, 10);
        QCOMPARE(grouped.size(), std::size_t(10));
        qint64 next = 2;
        for (std::size_t c = 1; c < grouped.size(); ++c) {
            QCOMPARE(grouped[c].first, next);
            next = grouped[c].last + 1;
            QCOMPARE(grouped[c].bar.totalMs(), 200);
        }
        QCOMPARE(next, 1002);
        QCOMPARE(std::count_if(grouped.begin(), grouped.end(),
                               [](const RhythmColumn &c) { return c.slowestMs == 2000; }),
                 1);

        const auto none = rhythmColumns({}, 2000, 100);
        QCOMPARE(none.size(), std::size_t(1));
        QCOMPARE(none.front().kind, RhythmColumn::Kind::Ending);
    }

    // The axis shows every bar with room above it, and a rule's line; an
    // ending far longer than the numbers is cut rather than flattening them.
    void axis()
    {
        const auto numbers = rhythmColumns(times({700, 600}), 900, 100);
        const RhythmAxis a = rhythmAxis(numbers, 600, std::nullopt);
        QVERIFY(a.topMs >= 900 + 900 / 8 && a.topMs / a.stepMs <= 7);
        QVERIFY(rhythmAxis(numbers, 600, 2000).topMs >= 2250);
        const auto waited = rhythmColumns(times({700, 600}), 300'000, 100);
        QVERIFY(rhythmAxis(waited, 600, std::nullopt).topMs < 2000);
    }

    // The halves are told in the hundredths the pupil reads.
    void halves_data()
    {
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::addColumn<QString>("said");
        QTest::newRow("faster") << 800.0 << 500.0
                                << "每个数字快 0.30 秒（前一半平均 0.80 秒，后一半平均 0.50 秒）";
        QTest::newRow("slower") << 500.0 << 620.0
                                << "每个数字慢 0.12 秒（前一半平均 0.50 秒，后一半平均 0.62 秒）";
        QTest::newRow("the same to the hundredth")
            << 500.0 << 503.0 << "一样快（前一半平均 0.50 秒，后一半平均 0.50 秒）";
    }
    void halves()
    {
        QFETCH(double, first);
        QFETCH(double, second);
        QFETCH(QString, said);
        RoundFigures f;
        f.firstHalfMeanMs = first;
        f.secondHalfMeanMs = second;
        const auto lines = RoundReport::figureLines(f);
        QCOMPARE(lines.back().label, QStringLiteral("后一半比前一半"));
        QCOMPARE(lines.back().value, said);
        QVERIFY(!lines.back().explanation.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRoundReport)
#include "tst_roundreport.moc"
