#include "challenges/endurance/endurancemodel.h"

#include "modelrig.h"

#include <QTest>

using Rig = ModelRig<EnduranceModel>;
using Duration = EnduranceModel::Duration;

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
    if (rig.board().visible(Control::Command3))
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
        QCOMPARE(rig.texts({Control::Caption, Control::Label3, Control::Label8}),
                 QStringList({QStringLiteral("Tavrino  V2.0 2017-11-22 "), QStringLiteral("9"),
                              QStringLiteral("韩梅梅")}));
        QCOMPARE(rig.text(Control::Label19),
                 QStringLiteral("9级规则: 不限时 不限位 不能改 按键间隔小于2秒"));
        for (Control c : {Control::Label15, Control::Label17, Control::Label21, Control::Label23,
                          Control::Label6, Control::Label4})
            QCOMPARE(rig.text(c), QString());
        QCOMPARE(rig.text(Control::Label1), QStringLiteral(" "));
        QVERIFY(!rig.board().visible(Control::Command3));
        QVERIFY(rig.board().enabled(Control::Command1));
        QVERIFY(!rig.board().timerEnabled());
        // The clock labels show their layout captions ("0", "00", "0999", "00")
        // until the first tick.
        for (Control c : {Control::Label2, Control::Label11, Control::Label14, Control::Label13})
            QVERIFY(!rig.board()[c].textWritten);
        QVERIFY(!rig.board().enabled(Control::Text1));
        QCOMPARE(rig.key(u'1'), char16_t(0));
    }

    void bothClocksRunFromStart()
    {
        Rig rig(9);
        rig.model->start();
        QVERIFY(rig.board().timerEnabled());
        QVERIFY(!rig.board().enabled(Control::Command1));
        QCOMPARE(rig.model->expected(), 1);
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
            rig.type(QStringLiteral("\n"));
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
        rig.type(QStringLiteral("1\n"));
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
        QVERIFY(rig.board().visible(Control::Command3));
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
        QCOMPARE(rig.model->bestCount(), 0);
    }

    // Each fault ends the round with its own mark and text, and records.
    void faultsEndTheRound_data()
    {
        QTest::addColumn<QString>("typedBefore");
        QTest::addColumn<char16_t>("fault");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("discarded");
        QTest::addColumn<QString>("box");
        QTest::newRow("Backspace on an empty box")
            << "1\n2\n"
            << kBackspace << kCross << kBackspaceEnd << true << "";
        QTest::newRow("Backspace after a digit")
            << "1\n2\n3" << kBackspace << kCross << kBackspaceEnd << true << "3";
        QTest::newRow("wrong number stays in the box")
            << "1\n2\n5" << kEnter << kCross << kWrongEnd << false << "5";
        QTest::newRow("letter") << "1\n2\n"
                                << char16_t(u'a') << QString() << kNonDigitEnd << true << "";
        QTest::newRow("space") << "1\n2\n"
                               << char16_t(u' ') << QString() << kNonDigitEnd << true << "";
        QTest::newRow("Escape") << "1\n2\n"
                                << char16_t(27) << QString() << kNonDigitEnd << true << "";
        QTest::newRow("too large a number is wrong")
            << "1\n2\n99999999999999999999" << kEnter << kCross << kWrongEnd << false
            << "99999999999999999999";
    }
    void faultsEndTheRound()
    {
        QFETCH(QString, typedBefore);
        QFETCH(char16_t, fault);
        QFETCH(QString, mark);
        QFETCH(QString, message);
        QFETCH(bool, discarded);
        QFETCH(QString, box);
        Rig rig(9);
        rig.model->start();
        rig.tickAfter(300);
        rig.type(typedBefore);
        rig.tickAfter(300);
        QCOMPARE(rig.key(fault) == 0, discarded);
        QCOMPARE(rig.texts({Control::Mark, Control::Label1, Control::Text1, Control::Label4}),
                 QStringList({mark, message, box, QStringLiteral(" 2")}));
        QCOMPARE(rig.model->expected(), 2);
        QCOMPARE(rig.model->bestCount(), 2);
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
        rig.type(QStringLiteral("01\n"));
        QCOMPARE(rig.texts({Control::Mark, Control::Label4, Control::Text1}),
                 QStringList({kTick, QStringLiteral(" 1"), QString()}));
        rig.type(QStringLiteral("2"));
        QCOMPARE(rig.text(Control::Mark), QString());
        rig.type(QStringLiteral("\n"));
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
        QTest::addColumn<int>("bestCount");
        QTest::addColumn<Duration>("bestDuration");
        QTest::newRow("5, 7, 7 shorter, then 6")
            << QList<int>{5, 7, 7, 6} << QList<int>{4000, 8000, 6500, 3000} << 7 << Duration{6, 50};
        QTest::newRow("equal count: 9.50 not replaced by 12.00")
            << QList<int>{8, 8} << QList<int>{9500, 12000} << 8 << Duration{9, 50};
        QTest::newRow("equal count: 12.00 replaced by 9.50")
            << QList<int>{8, 8} << QList<int>{12000, 9500} << 8 << Duration{9, 50};
        QTest::newRow("equal whole seconds: fewer hundredths win")
            << QList<int>{3, 3} << QList<int>{5900, 5090} << 3 << Duration{5, 9};
        QTest::newRow("count 0: a longer round still replaces the duration")
            << QList<int>{0, 0} << QList<int>{500, 1500} << 0 << Duration{1, 50};
    }
    void bestCountAndDuration()
    {
        QFETCH(QList<int>, counts);
        QFETCH(QList<int>, durationsMs);
        QFETCH(int, bestCount);
        QFETCH(Duration, bestDuration);
        Rig rig(9);
        for (int i = 0; i < counts.size(); ++i)
            playRound(rig, counts[i], durationsMs[i]);
        QCOMPARE(rig.model->bestCount(), bestCount);
        QCOMPARE(rig.text(Control::Label6), QString::number(bestCount));
        QVERIFY(rig.model->bestDuration() == bestDuration);
        QCOMPARE(rig.text(Control::Label21), QString::number(bestDuration.seconds));
        QCOMPARE(rig.text(Control::Label23),
                 QStringLiteral("%1").arg(bestDuration.hundredths, 2, 10, QLatin1Char('0')));
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
        QCOMPARE(rig.model->bestCount(), 32'800);
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
        QVERIFY(rig.board().visible(Control::Command3));
        QVERIFY(!rig.board().enabled(Control::Command3));
        QVERIFY(rig.board().enabled(Control::Command1));
        QVERIFY(!rig.board().enabled(Control::Text1));
        QCOMPARE(rig.board().takeFocusRequest(), std::optional(Control::Command1));
        QCOMPARE(rig.texts({Control::Label6, Control::Label21, Control::Label23}),
                 QStringList({QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("50")}));
        QCOMPARE(rig.model->expected(), 0);
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
        QCOMPARE(rig.model->bestCount(), 4);
        rig.model->load();
        QCOMPARE(rig.model->bestCount(), 0);
        QCOMPARE(rig.text(Control::Label6), QString());
        QCOMPARE(rig.text(Control::Label21), QString());
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
        QCOMPARE(rig.model->bestCount(), 10);
        QCOMPARE(rig.text(Control::Label21), QStringLiteral("3"));
    }
};

QTEST_GUILESS_MAIN(TestEnduranceModel)
#include "tst_endurancemodel.moc"
