// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suite.h"

#include <QFile>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>

#include <memory>

using namespace E2e;

namespace {

// A best result as the window shows it: seconds and hundredths, "12.34".
double seconds(const QString &shown)
{
    static const QRegularExpression format(QStringLiteral("^\\d+\\.\\d\\d$"));
    return format.match(shown).hasMatch() ? shown.toDouble() : -1.0;
}

} // namespace

// Levels 1-6 (Form1), played at level 1 with real keys and clicks.
class TestRanged : public ChallengeSuite {
    Q_OBJECT
public:
    TestRanged() : ChallengeSuite(1) {}

private slots:
    void answerBoxStaysClosedUntilStart()
    {
        QVERIFY(!m_box.isEnabled());
        E2E_DO(Pupil::click(control("标题")));
        E2E_DO(Pupil::press(QStringLiteral("7 KP_8")));
        // Tab moves the focus from Start to Back, past the closed box; once
        // it has, the keys before it have been dealt with.
        E2E_DO(Pupil::press(QStringLiteral("Tab")));
        QTRY_VERIFY_WITH_TIMEOUT(control("返回").isFocused(), kShowMs);
        QCOMPARE(m_box.shownText(), QString());
        QCOMPARE(m_mark.shownText(), QString());
        QVERIFY(!m_box.isEnabled());
        QVERIFY(m_start.isEnabled());
        QCOMPARE(control("用时秒数").shownText(), QStringLiteral("00"));
    }

    void roundsWonAndTheRecordBroken()
    {
        // A steady round, odd numbers on the main keys, even ones on the keypad.
        E2E_STEP(clickStart(m_form));
        for (int n = 1; n <= 50; ++n) {
            const bool keypad = n % 2 == 0;
            E2E_DO(
                Pupil::press(Pupil::digitKeys(n, keypad) +
                             (keypad ? QStringLiteral(" KP_Enter") : QStringLiteral(" Return"))));
            if (n == 12) {
                E2E_TRY_SHOWS(m_last, QStringLiteral(" 12"));
                QCOMPARE(m_mark.shownText(), QStringLiteral("√"));
                QCOMPARE(m_box.shownText(), QString());
            }
            // Slow enough that the quick round below beats it by far.
            QTest::qWait(200);
        }
        E2E_TRY_SHOWS(m_message, QStringLiteral("挑战成功,你真棒!"));
        QVERIFY(control("成功图片").isShowing());
        QCOMPARE(m_box.shownText(), QStringLiteral("50"));
        QVERIFY(!m_box.isEnabled());
        QCOMPARE(m_mark.shownText(), QString());
        QVERIFY(!m_start.isEnabled());
        QVERIFY(m_again.isShowing());
        QTRY_VERIFY_WITH_TIMEOUT(m_again.isFocused(), kShowMs);
        const double first = seconds(m_best.shownText());
        QVERIFY2(first >= 10.0, qPrintable(m_best.shownText()));
        // The round clock stands still once the round is won.
        const QString stopped =
            control("用时秒数").shownText() + u'.' + control("用时百分秒").shownText();
        QTest::qWait(1000);
        QCOMPARE(control("用时秒数").shownText() + u'.' + control("用时百分秒").shownText(),
                 stopped);

        // Enter on the focused Play again clears the board.
        waitForPlayAgainKeys();
        E2E_DO(Pupil::press(QStringLiteral("Return")));
        QTRY_VERIFY_WITH_TIMEOUT(m_start.isFocused(), kShowMs);
        QVERIFY(m_start.isEnabled());
        QVERIFY(!control("成功图片").isShowing());
        QCOMPARE(m_box.shownText(), QString());
        QCOMPARE(m_last.shownText(), QString());
        QCOMPARE(control("用时秒数").shownText(), QStringLiteral("00"));
        QCOMPARE(control("用时百分秒").shownText(), QStringLiteral("00"));
        QCOMPARE(seconds(m_best.shownText()), first);

        // A quick round beats it (Start, too, takes keys after a moment).
        waitForPlayAgainKeys();
        E2E_DO(Pupil::press(QStringLiteral("Return")));
        QTRY_VERIFY_WITH_TIMEOUT(m_box.isFocused(), kShowMs);
        E2E_DO(Pupil::enterRun(1, 50));
        E2E_TRY_SHOWS(m_message, QStringLiteral("记录又被刷新!"));
        const double second = seconds(m_best.shownText());
        QVERIFY2(second > 0 && second < first, qPrintable(m_best.shownText()));
        QVERIFY(control("成功图片").isShowing());

        // A slower round after it wins without a record and leaves the best.
        E2E_DO(Pupil::click(m_again));
        E2E_STEP(clickStart(m_form));
        for (int n = 1; n <= 50; ++n) {
            E2E_DO(Pupil::enter(n));
            QTest::qWait(200);
        }
        E2E_TRY_SHOWS(m_message, QStringLiteral("挑战成功,你真棒!"));
        QCOMPARE(seconds(m_best.shownText()), second);
    }

    void wrongNumberEndsTheRound()
    {
        // A screen reader listening is told the mark, the last number and the
        // message as they change.
        const TextChanges told;
        E2E_DO(told.problem());
        E2E_STEP(clickStart(m_form));
        // The pupil's next Enter was on its way: it leaves the end on the screen.
        E2E_DO(Pupil::press(QStringLiteral("1 Return 2 Return 4 Return Return")));
        E2E_TRY_SHOWS(m_mark, QStringLiteral("×"));
        E2E_STEP(waitForInputHandled(*m_game, m_form));
        QCOMPARE(m_message.shownText(), QStringLiteral("您正确输入的数字范围是 1 -  2"));
        QCOMPARE(m_last.shownText(), QStringLiteral(" 2"));
        QCOMPARE(m_box.shownText(), QStringLiteral("4"));
        QVERIFY(!m_box.isEnabled());
        QVERIFY(!m_start.isEnabled());
        QVERIFY(m_again.isShowing());
        QCOMPARE(m_best.shownText(), QString());
        QTRY_VERIFY_WITH_TIMEOUT(
            told.insertedInto(QStringLiteral("消息")).contains(m_message.shownText()), kShowMs);
        // Told once for each change: the second "√" changed nothing.
        QCOMPARE(told.insertedInto(QStringLiteral("判定标记")),
                 QStringList({QStringLiteral("√"), QStringLiteral("×")}));
        QCOMPARE(told.insertedInto(QStringLiteral("上一个正确数字")),
                 QStringList({QStringLiteral(" 1"), QStringLiteral(" 2")}));

        // After a moment the keyboard alone starts over: Enter on Play
        // again, Enter on Start.
        E2E_STEP(playAgainWithKeys());
        E2E_DO(Pupil::enter(1));
        E2E_TRY_SHOWS(m_last, QStringLiteral(" 1"));
        QCOMPARE(m_mark.shownText(), QStringLiteral("√"));
    }

    void onlyDigitsAndBackspaceEdit()
    {
        E2E_STEP(clickStart(m_form));
        E2E_DO(Pupil::enter(1));
        E2E_TRY_SHOWS(m_mark, QStringLiteral("√"));
        E2E_DO(Pupil::type(QStringLiteral("2a-3")));
        E2E_TRY_SHOWS(m_box, QStringLiteral("23"));
        // Backspace corrects the box and takes the mark away.
        E2E_DO(Pupil::press(QStringLiteral("BackSpace")));
        E2E_TRY_SHOWS(m_box, QStringLiteral("2"));
        QCOMPARE(m_mark.shownText(), QString());
        E2E_DO(Pupil::press(QStringLiteral("Return")));
        E2E_TRY_SHOWS(m_mark, QStringLiteral("√"));
        QCOMPARE(m_last.shownText(), QStringLiteral(" 2"));
        QCOMPARE(m_box.shownText(), QString());
        // Enter on an empty box judges nothing.
        E2E_DO(Pupil::press(QStringLiteral("Return 3")));
        E2E_TRY_SHOWS(m_box, QStringLiteral("3"));
        QCOMPARE(m_mark.shownText(), QStringLiteral("√"));
        QCOMPARE(m_last.shownText(), QStringLiteral(" 2"));
    }

    void clocksCountTogether()
    {
        QCOMPARE(control("剩余分钟").shownText(), QStringLiteral("5"));
        QCOMPARE(control("剩余秒数").shownText(), QStringLiteral("00"));
        E2E_STEP(clickStart(m_form));
        E2E_TRY_SHOWS(control("用时秒数"), QStringLiteral("01"));
        // Both clocks are written on the same tick, so elapsed and remaining
        // time add up to the level's five minutes (less the lead below). The game runs on while the
        // labels are read one by one: a clock counts only when its seconds
        // read the same before and after its hundredths, and the remaining
        // time is read between two readings of the elapsed time.
        const Accessible minutes = control("剩余分钟");
        const Accessible secondsLeft = control("剩余秒数");
        const Accessible hundredthsLeft = control("剩余百分秒");
        const Accessible secondsUsed = control("用时秒数");
        const Accessible hundredthsUsed = control("用时百分秒");
        auto readUsed = [&] {
            for (;;) {
                const QString s = secondsUsed.shownText();
                const QString h = hundredthsUsed.shownText();
                if (secondsUsed.shownText() == s)
                    return s.toInt() + h.toInt() / 100.0;
            }
        };
        auto readLeft = [&] {
            for (;;) {
                const QString m = minutes.shownText();
                const QString s = secondsLeft.shownText();
                const QString h = hundredthsLeft.shownText();
                if (secondsLeft.shownText() == s && minutes.shownText() == m)
                    return m.trimmed().toInt() * 60 + s.toInt() + h.toInt() / 100.0;
            }
        };
        const double usedBefore = readUsed();
        const double left = readLeft();
        const double usedAfter = readUsed();
        // The countdown of levels 1-6 runs a tenth of a second ahead of the
        // round clock; each clock shows whole hundredths.
        const double total = 300.0 - 0.1;
        const double slack = 0.02;
        QVERIFY2(usedBefore + left <= total + slack && usedAfter + left >= total - slack,
                 qPrintable(QStringLiteral("%1 s left between %2 s and %3 s used")
                                .arg(left)
                                .arg(usedBefore)
                                .arg(usedAfter)));
        QCOMPARE(minutes.shownText().trimmed(), QStringLiteral("4"));
        QCOMPARE(secondsLeft.shownText().size(), 2);
        QCOMPARE(hundredthsLeft.shownText().size(), 2);
    }

    // Started with --log on a log that holds two slower rounds of the
    // pupil's, the game appends the won round with the result the screen
    // showed; the round's report says it is his third and a record. The
    // class view, open on the same file with its lesson board shown,
    // brings this computer's tile up with the pupil and that result.
    void classLogHoldsTheRound()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("四年级.csv"));
        const QByteArray earlier =
            "2026-12-01T09:00:00+08:00,PC-09,Wang,1,挑战成功,99.00,50,99.00,900,0\r\n"
            "2026-12-02T09:00:00+08:00,PC-09,Wang,1,挑战成功,98.00,50,98.00,900,0\r\n";
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("\xEF\xBB\xBF开始时间,计算机,姓名,级别,结束方式,成绩,正确数字,用时(秒),"
                       "平常用时(毫秒),停顿\r\n" +
                       earlier);
        }
        Game teacher(m_desktop);
        teacher.process().setArguments({QStringLiteral("--class"), path});
        E2E_DO(teacher.launch());
        QTRY_VERIFY_WITH_TIMEOUT(teacher.window(QStringLiteral("班级记录")), kShowMs);
        const Accessible view = teacher.window(QStringLiteral("班级记录"));
        QTRY_VERIFY_WITH_TIMEOUT(view.find(QStringLiteral("Wang")), kShowMs);
        E2E_DO(Pupil::click(view.find(QStringLiteral("本节课"))));
        const QString computer = QSysInfo::machineHostName();
        QVERIFY(!view.find(computer));

        forget();
        m_game = std::make_unique<Game>(m_desktop);
        m_game->process().setArguments({QStringLiteral("--log"), path});
        E2E_STEP(startGame(*m_game, &m_startWindow));
        E2E_DO(Pupil::click(m_startWindow.find(QStringLiteral("姓名"))));
        E2E_DO(Pupil::type(QStringLiteral("Wang")));
        E2E_STEP(prepare());
        E2E_STEP(clickStart(m_form));
        E2E_DO(Pupil::enterRun(1, 50));
        E2E_TRY_SHOWS(m_message, QStringLiteral("挑战成功,你真棒!"));
        auto lines = [&path] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly)
                       ? QString::fromUtf8(file.readAll())
                             .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)
                       : QStringList();
        };
        QTRY_COMPARE_WITH_TIMEOUT(lines().size(), 4, kShowMs);
        const QStringList cells = lines().at(3).split(QLatin1Char(','));
        QCOMPARE(cells.size(), 10);
        QCOMPARE(cells.mid(2, 5), (QStringList{QStringLiteral("Wang"), QStringLiteral("1"),
                                               QStringLiteral("挑战成功"), m_best.shownText(),
                                               QStringLiteral("50")}));

        E2E_DO(Pupil::click(control("本轮分析")));
        QTRY_VERIFY_WITH_TIMEOUT(m_game->window(QStringLiteral("本轮分析")), kShowMs);
        const auto progress = [this] {
            return m_game->window(QStringLiteral("本轮分析"))
                .find(QStringLiteral("我的进步"))
                .shownText();
        };
        QTRY_VERIFY2_WITH_TIMEOUT(
            progress().startsWith(QStringLiteral("这是你第 3 次玩 1 级。记录又被刷新!")),
            qPrintable(progress()), kShowMs);
        E2E_DO(Pupil::press(QStringLiteral("Escape")));

        const auto tile = [&] { return view.find(computer).shownText(); };
        QTRY_VERIFY2_WITH_TIMEOUT(tile().contains(QStringLiteral("Wang")) &&
                                      tile().contains(m_best.shownText()),
                                  qPrintable(tile()), kShowMs);
    }
};

QTEST_GUILESS_MAIN(TestRanged)
#include "tst_ranged.moc"
