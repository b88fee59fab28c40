// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/endurance/endurancemodel.h"
#include "challenges/openended/openendedmodel.h"
#include "challenges/ranged/rangedmodel.h"
#include "modelrig.h"

#include <QTest>

Q_DECLARE_METATYPE(RoundEnding)

namespace {

// Numbers 1..count, each found in 300 ms (a tick just before its first
// digit) and typed in 200 ms.
template <typename Model> void typeNumbers(ModelRig<Model> &rig, int count)
{
    for (int n = 1; n <= count; ++n) {
        rig.tickAfter(300);
        const QString digits = QString::number(n);
        for (qsizetype i = 0; i < digits.size(); ++i) {
            rig.key(digits[i].unicode(), digits.left(i));
            if (i == 0)
                rig.clock.advance(200);
        }
        rig.enter(digits);
    }
}

// Plays one round of `numbers` numbers and ends it the named way: "wrong",
// "backspace", "letter", "pause", "time", "back"; for "success" the numbers
// reach the level's last one. Returns the rounds the history holds.
template <typename Model>
const std::deque<RoundRecord> &play(ModelRig<Model> &rig, int numbers, const QString &end)
{
    rig.model->start();
    typeNumbers(rig, numbers);
    if (end == QLatin1String("wrong"))
        rig.enter(QStringLiteral("77777"));
    else if (end == QLatin1String("backspace"))
        rig.key(kBackspace);
    else if (end == QLatin1String("letter"))
        rig.key(u'a');
    else if (end == QLatin1String("pause"))
        rig.tickAfter(2000);
    else if (end == QLatin1String("time"))
        rig.tickAfter(420'000);
    else if (end == QLatin1String("back"))
        rig.model->back();
    return rig.history.rounds();
}

} // namespace

// Every round is recorded from its Start to its end, whichever way it ends,
// on each screen: its ending, its result as the screen showed it, and each
// accepted number's first digit and Enter as the clock gave them.
class TestRounds : public QObject {
    Q_OBJECT
private slots:
    void eachEndIsRecorded_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("numbers");
        QTest::addColumn<QString>("end");
        QTest::addColumn<RoundEnding>("ending");
        QTest::addColumn<QString>("result");
        QTest::addColumn<qint64>("durationMs");
        QTest::addColumn<qint64>("endMs");
        // Each number takes 500 ms; a tick comes 300 ms into each. The
        // duration is the one the screen shows at the end: that of its
        // latest tick; the end is when the ending key came.
        QTest::newRow("ranged success: the time of the latest tick")
            << 1 << 50 << "success" << RoundEnding::Success << "24.80" << qint64(24'800)
            << qint64(25'000);
        QTest::newRow("ranged wrong number")
            << 2 << 3 << "wrong" << RoundEnding::WrongNumber << "3" << qint64(1300) << qint64(1500);
        QTest::newRow("ranged time up")
            << 5 << 2 << "time" << RoundEnding::TimeUp << "2" << qint64(421'000) << qint64(421'000);
        QTest::newRow("ranged Back")
            << 3 << 4 << "back" << RoundEnding::Back << "4" << qint64(1800) << qint64(2000);
        QTest::newRow("ranged wrong before the first number")
            << 1 << 0 << "wrong" << RoundEnding::WrongNumber << "0" << qint64(0) << qint64(0);
        QTest::newRow("open-ended wrong number") << 7 << 12 << "wrong" << RoundEnding::WrongNumber
                                                 << "12" << qint64(5800) << qint64(6000);
        QTest::newRow("open-ended Backspace") << 8 << 5 << "backspace" << RoundEnding::Backspace
                                              << "5" << qint64(2300) << qint64(2500);
        QTest::newRow("open-ended time up")
            << 7 << 3 << "time" << RoundEnding::TimeUp << "3" << qint64(421'500) << qint64(421'500);
        QTest::newRow("open-ended Back")
            << 8 << 2 << "back" << RoundEnding::Back << "2" << qint64(800) << qint64(1000);
        QTest::newRow("endurance Backspace") << 9 << 6 << "backspace" << RoundEnding::Backspace
                                             << "6" << qint64(2800) << qint64(3000);
        QTest::newRow("endurance wrong number")
            << 9 << 4 << "wrong" << RoundEnding::WrongNumber << "4" << qint64(1800) << qint64(2000);
        QTest::newRow("endurance letter")
            << 9 << 3 << "letter" << RoundEnding::NonDigit << "3" << qint64(1300) << qint64(1500);
        // The tick that finds the pause shows its own duration.
        QTest::newRow("endurance pause, before the first number")
            << 9 << 0 << "pause" << RoundEnding::Gap << "0" << qint64(2000) << qint64(2000);
        QTest::newRow("endurance Back")
            << 9 << 2 << "back" << RoundEnding::Back << "2" << qint64(800) << qint64(1000);
    }
    void eachEndIsRecorded()
    {
        QFETCH(int, level);
        if (level <= 6)
            check<RangedModel>();
        else if (level <= 8)
            check<OpenEndedModel>();
        else
            check<EnduranceModel>();
    }

private:
    template <typename Model> void check()
    {
        QFETCH(int, level);
        QFETCH(int, numbers);
        QFETCH(QString, end);
        QFETCH(RoundEnding, ending);
        QFETCH(QString, result);
        QFETCH(qint64, durationMs);
        QFETCH(qint64, endMs);
        ModelRig<Model> rig(level, QStringLiteral("小红"));
        // Loading, and a visit left without a Start, record nothing.
        rig.reopen();
        QVERIFY(rig.history.rounds().empty());
        QVERIFY(!rig.board()[Control::lblReport].visible);
        rig.clock.set(9 * 3'600'000 + 30 * 60'000);
        const std::deque<RoundRecord> &rounds = play(rig, numbers, end);
        QCOMPARE(rounds.size(), std::size_t(1));
        const RoundRecord &r = rounds.front();
        QCOMPARE(r.ending, ending);
        QCOMPARE(r.result, result);
        QCOMPARE(r.durationMs, durationMs);
        QCOMPARE(r.endMs, endMs);
        QCOMPARE(r.level, level);
        QCOMPARE(r.name, QStringLiteral("小红"));
        QCOMPARE(r.started, QDateTime(QDate(2026, 12, 8), QTime(9, 30)));
        const std::size_t accepted = end == QLatin1String("success") ? 50 : std::size_t(numbers);
        QCOMPARE(r.numbers.size(), accepted);
        if (accepted > 1) {
            QCOMPARE(r.numbers[0].firstDigit, 300);
            QCOMPARE(r.numbers[0].enter, 500);
            QCOMPARE(r.numbers[1].firstDigit, 800);
            QCOMPARE(r.numbers[1].enter, 1000);
        }
        if (end == QLatin1String("back"))
            return;
        QCOMPARE(rig.model->lastRound(), &r);
        QVERIFY(rig.board()[Control::lblReport].visible);
        // A Back after the end adds nothing; the next round hides the link.
        rig.model->back();
        QCOMPARE(rounds.size(), std::size_t(1));
        rig.reopen();
        QVERIFY(!rig.board()[Control::lblReport].visible);
        rig.model->start();
        QVERIFY(!rig.board()[Control::lblReport].visible);
    }
};

QTEST_GUILESS_MAIN(TestRounds)
#include "tst_rounds.moc"
