// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/report/rhythmcolumns.h"
#include "challenges/report/roundreport.h"

#include <QTest>

Q_DECLARE_METATYPE(RoundFigures)

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
    // ending or a first number far longer than the numbers is cut rather
    // than flattening them.
    void axis()
    {
        const auto numbers = rhythmColumns(times({700, 600}), 900, 100);
        const RhythmAxis a = rhythmAxis(numbers, 600, std::nullopt);
        QVERIFY(a.topMs >= 900 + 900 / 8 && a.topMs / a.stepMs <= 7);
        QVERIFY(rhythmAxis(numbers, 600, 2000).topMs >= 2250);
        const auto waited = rhythmColumns(times({700, 600}), 300'000, 100);
        QVERIFY(rhythmAxis(waited, 600, std::nullopt).topMs < 2000);
        const auto slowStart = rhythmColumns(times({41'870, 600, 700}), std::nullopt, 100);
        QVERIFY(rhythmAxis(slowStart, 650, std::nullopt).topMs < 2000);
    }

    // Every figure is cut to the hundredth as the clocks cut, and parts
    // shown beside their total add up to it.
    void figuresInHundredths_data()
    {
        QTest::addColumn<RoundFigures>("figures");
        QTest::addColumn<QString>("said");
        auto halves = [](double first, double second) {
            RoundFigures f;
            f.firstHalfMeanMs = first;
            f.secondHalfMeanMs = second;
            return f;
        };
        QTest::newRow("faster") << halves(800.0, 500.0)
                                << "每个数字快 0.30 秒（前一半平均 0.80 秒，后一半平均 0.50 秒）";
        QTest::newRow("slower") << halves(500.0, 620.0)
                                << "每个数字慢 0.12 秒（前一半平均 0.50 秒，后一半平均 0.62 秒）";
        QTest::newRow("the same to the hundredth")
            << halves(500.0, 503.0) << "一样快（前一半平均 0.50 秒，后一半平均 0.50 秒）";
        QTest::newRow("5 ms over a hundredth is cut, not rounded up")
            << halves(505.0, 169.9)
            << "每个数字快 0.34 秒（前一半平均 0.50 秒，后一半平均 0.16 秒）";
        RoundFigures typical;
        typical.typicalMs = 329;
        typical.typicalFindingMs = 268;
        typical.typicalTypingMs = 55;
        QTest::newRow("typical parts add up to the typical time")
            << typical << "0.32 秒（找 0.26 + 打 0.06）";
        RoundFigures noPause;
        noPause.pauses = 0;
        QTest::newRow("no pause is said, not left out") << noPause << "0 次";
    }
    void figuresInHundredths()
    {
        QFETCH(RoundFigures, figures);
        QFETCH(QString, said);
        const auto lines = RoundReport::figureLines(figures);
        QCOMPARE(lines.back().value, said);
        QVERIFY(!lines.back().explanation.isEmpty());
    }

    // A duration stands beside the count only where the screen showed one
    // (level 9's).
    void resultWithoutADurationOnLevels1To8()
    {
        RoundRecord round;
        round.level = 7;
        round.ending = RoundEnding::WrongNumber;
        round.result = QStringLiteral("12");
        round.durationMs = 5800;
        QCOMPARE(RoundReport::resultText(round), QStringLiteral("12 个数字"));
    }

    // The pointed number and the copied table add up the same way.
    void partsAddUpToTheirTotal()
    {
        RhythmColumn c;
        c.first = c.last = 5;
        c.bar = {1415, 55};
        QCOMPARE(RoundReport::columnText(c, {}),
                 QStringLiteral("第 5 个数字：找 1.41 秒，打 0.06 秒，共 1.47 秒"));
        RoundRecord round;
        round.numbers = {{300, 900}, {2315, 2370}};
        QVERIFY(RoundReport::copiedText(round).endsWith(QStringLiteral("\n2\t1.41\t0.06\t1.47\n")));
    }
};

QTEST_GUILESS_MAIN(TestRoundReport)
#include "tst_roundreport.moc"
