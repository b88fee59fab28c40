// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/challengeboard.h"
#include "challenges/challengescreen.h"
#include "challenges/leveltable.h"
#include "start/singleinstance.h"
#include "start/startlayout.h"
#include "start/startscreen.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRect>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

class TestStartScreen : public QObject {
    Q_OBJECT
private slots:
    // Each level's columns agree with its rule line, and the level goes to
    // a screen of its kind: a target to one that races to it, a limit
    // without one to one that counts the most numbers, neither to one that
    // also counts the duration. Levels outside the table open nothing.
    void levelTableAgreesWithItself()
    {
        for (int level = LevelTable::kFirstLevel; level <= LevelTable::lastLevel(); ++level) {
            const QString rule = LevelTable::startRuleLine(level);
            const QString where = QStringLiteral("level %1: %2").arg(level).arg(rule);
            QVERIFY2(rule.startsWith(QStringLiteral("%1级规则: ").arg(level)), qPrintable(where));
            const QString minutes = LevelTable::limitMinutesCaption(level);
            QCOMPARE(LevelTable::limitMilliseconds(level), minutes.toInt() * 60'000);
            QVERIFY2(minutes.isEmpty() == rule.contains(QStringLiteral("不限时")),
                     qPrintable(where));
            if (!minutes.isEmpty())
                QVERIFY2(rule.contains(minutes + QStringLiteral("分钟")), qPrintable(where));
            const int target = LevelTable::target(level);
            if (target > 0)
                QVERIFY2(rule.contains(QStringLiteral("1-%1 ").arg(target)), qPrintable(where));
            using Best = ChallengeScreen::Best;
            const Best best = target > 0          ? Best::FastestSuccess
                              : minutes.isEmpty() ? Best::MostNumbersThenShortest
                                                  : Best::MostNumbers;
            QVERIFY2(LevelTable::screen(level), qPrintable(where));
            QVERIFY2(LevelTable::screen(level)->best == best, qPrintable(where));
        }
        QCOMPARE(LevelTable::target(6), 300);
        for (int outside : {LevelTable::kFirstLevel - 1, -1, LevelTable::lastLevel() + 1})
            QVERIFY(!LevelTable::screen(outside));
    }

    // Every table of the game, the start screen's and each registered
    // challenge screen's: no two controls share a name, none lies wholly
    // outside the client area, a challenge table has the controls its window
    // works with, of their kinds, and the level buttons stand clear of every
    // designed control however many levels the table has.
    void everyTableHoldsWhatItsWindowNeeds()
    {
        using Layout::Kind;
        std::vector<const Layout::Table *> tables{&startLayout()};
        for (const ChallengeScreen *screen : challengeScreens()) {
            const Layout::Table &table = screen->layout();
            tables.push_back(&table);
            const std::pair<Control, Kind> needed[]{{Control::Text1, Kind::AnswerBox},
                                                    {Control::Command1, Kind::Button},
                                                    {Control::Command2, Kind::Button},
                                                    {Control::Command3, Kind::Button},
                                                    {Control::lblReport, Kind::Link}};
            for (const auto &[control, kind] : needed) {
                const auto found = std::count_if(
                    table.rows.begin(), table.rows.end(), [control, kind](const Layout::Row &r) {
                        return r.role == Layout::role(control) && r.kind == kind;
                    });
                QVERIFY2(found == 1, qPrintable(QStringLiteral("%1: role %2")
                                                    .arg(QLatin1String(table.name))
                                                    .arg(int(control))));
            }
        }
        for (const Layout::Table *table : tables) {
            QSet<QByteArray> names;
            const QRect client(0, 0, table->clientWidth, table->clientHeight);
            for (const Layout::Row &row : table->rows) {
                const QString where = QStringLiteral("%1: %2").arg(QLatin1String(table->name),
                                                                   QLatin1String(row.name));
                QVERIFY2(!names.contains(row.name), qPrintable(where));
                names.insert(row.name);
                const QRect place(row.left, row.top, row.width, row.height);
                QVERIFY2(client.intersects(place), qPrintable(where));
                if (row.level == 0)
                    continue;
                QVERIFY2(client.contains(place), qPrintable(where));
                for (const Layout::Row &other : table->rows) {
                    const QRect there(other.left, other.top, other.width, other.height);
                    QVERIFY2(
                        other.level != 0 || other.hidden || !place.intersects(there),
                        qPrintable(where + QStringLiteral(" over ") + QLatin1String(other.name)));
                }
            }
        }
    }

    // The two rule lines of levels 7 and 8 are different strings.
    void ruleLinesKeepTheirBlanks()
    {
        QCOMPARE(LevelTable::startRuleLine(1),
                 QStringLiteral("1级规则: 5分钟 不限次 连续输入数字 1-50 "));
        QCOMPARE(LevelTable::challengeRuleLine(6),
                 QStringLiteral("6级规则: 7分钟 不限次 连续输入数字 1-300 "));
        QCOMPARE(LevelTable::startRuleLine(7), QStringLiteral("7级规则: 5分钟 不限位 不能改 "));
        QCOMPARE(LevelTable::challengeRuleLine(7), QStringLiteral("7级规则: 5分钟  不限位 不能改"));
        QCOMPARE(LevelTable::startRuleLine(8), QStringLiteral("8级规则: 7分钟 不限位 不能改 "));
        QCOMPARE(LevelTable::challengeRuleLine(8),
                 QStringLiteral("8级规则: 7分钟  不限位 不能改 "));
        QCOMPARE(LevelTable::challengeRuleLine(9),
                 QStringLiteral("9级规则: 不限时 不限位 不能改 按键间隔小于2秒"));
    }

    void loadShowsLevelOneAndAnEmptyName()
    {
        StartScreen s;
        s.load();
        const Board<StartControl> &b = s.board();
        QCOMPARE(b[StartControl::Window].text, QStringLiteral("Tavrino  V2.0 2017-11-22 "));
        QCOMPARE(b[StartControl::Label25].text, LevelTable::startRuleLine(1));
        QCOMPARE(b[StartControl::Text1].text, QString());
        QCOMPARE(s.values().StudentName, QString());
        QCOMPARE(s.values().GameLevel, 0);
        QVERIFY(b[StartControl::Label11].text.startsWith(QStringLiteral("项目策划: ")));
        QVERIFY(b[StartControl::Label12].text.startsWith(QStringLiteral("设计制作: ")));
    }

    // Choosing overwrites the level display and the rule line; starting
    // routes by the last choice.
    void choosingThenStartingRoutesByTheLastChoice_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("screen");
        QTest::newRow("nothing clicked") << QList<int>{} << 1 << "Form1";
        QTest::newRow("7 then 3") << QList<int>{7, 3} << 3 << "Form1";
        QTest::newRow("8") << QList<int>{8} << 8 << "Form789";
        QTest::newRow("9") << QList<int>{9} << 9 << "Form9";
        QTest::newRow("a level the table lacks")
            << QList<int>{LevelTable::lastLevel() + 1} << 1 << "Form1";
    }
    void choosingThenStartingRoutesByTheLastChoice()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(int, level);
        QFETCH(QString, screen);
        StartScreen s;
        s.load();
        for (int n : clicks)
            s.chooseLevel(n);
        if (!clicks.isEmpty() && clicks.last() == level)
            QCOMPARE(s.board()[StartControl::Label9].text, QString::number(level));
        QCOMPARE(s.board()[StartControl::Label25].text, LevelTable::startRuleLine(level));
        const ChallengeScreen *opened = s.startChallenge();
        QVERIFY(opened);
        QCOMPARE(QString::fromUtf8(opened->name()), screen);
        QCOMPARE(s.values().GameLevel, level);
    }

    // The name is cut to four characters as the pupil sees them, on Enter
    // and on start; a shorter name stays as it is.
    void nameIsCutToFourCharacters_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("five digits") << "12345"
                                     << "1234";
        QTest::newRow("six Chinese characters") << "王小明同学好"
                                                << "王小明同";
        QTest::newRow("short name") << "李雷"
                                    << "李雷";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("outside the basic plane") << "𠀀𠀁𠀂𠀃𠀄"
                                                 << "𠀀𠀁𠀂𠀃";
        QTest::newRow("combining accents stay whole") << "e\u0301e\u0301e\u0301e\u0301e\u0301"
                                                      << "e\u0301e\u0301e\u0301e\u0301";
        QTest::newRow("emoji with skin tone") << "👍🏽👍🏽👍🏽👍🏽👍🏽"
                                              << "👍🏽👍🏽👍🏽👍🏽";
    }
    void nameIsCutToFourCharacters()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        StartScreen onEnter;
        onEnter.load();
        onEnter.nameChanged(typed);
        onEnter.confirmName();
        QCOMPARE(onEnter.board()[StartControl::Text1].text, kept);
        QCOMPARE(onEnter.values().StudentName, kept);
        QCOMPARE(onEnter.board().takeFocusRequest(), std::optional(StartControl::Command1));

        StartScreen onStart;
        onStart.load();
        onStart.nameChanged(typed);
        onStart.startChallenge();
        QCOMPARE(onStart.values().StudentName, kept);
    }

    void linksOpenTheirPages()
    {
        const QUrl maker = StartScreen::linkTarget(StartControl::Label1);
        const QUrl platform = StartScreen::linkTarget(StartControl::Label3);
        QCOMPARE(maker.path(), QStringLiteral("/index1.htm"));
        QVERIFY(maker.isValid() && platform.isValid());
        StartScreen s;
        s.load();
        QCOMPARE(maker.host(), s.board()[StartControl::Label1].text);
        QCOMPARE(platform.host(), s.board()[StartControl::Label3].text);
    }

    // A second copy finds the lock held; a lock left by a process that is
    // gone (a crash, SIGKILL) does not block the next start.
    void singleInstanceGuard()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        {
            SingleInstance first(dir.path());
            QVERIFY(first.acquire());
            SingleInstance second(dir.path());
            QVERIFY(!second.acquire());
        }
        SingleInstance afterExit(dir.path());
        QVERIFY(afterExit.acquire());
    }
    // The lock as a copy that crashed leaves it, naming a process that
    // cannot be running (beyond the system's range) or, where the system
    // gave the next copy the dead one's id, this very process.
    void staleLockOfACrashedCopyIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("pid");
        QTest::newRow("a process that is gone") << QByteArray("99999999");
        QTest::newRow("this process's own id")
            << QByteArray::number(QCoreApplication::applicationPid());
    }
    void staleLockOfACrashedCopyIsTakenOver()
    {
        QFETCH(QByteArray, pid);
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(QStringLiteral("tavrino.lock"));
        QByteArray left;
        {
            QLockFile held(path);
            QVERIFY(held.tryLock(0));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            left = file.readAll();
        }
        QFile stale(path);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(pid + left.mid(left.indexOf('\n')));
        stale.close();
        SingleInstance next(dir.path());
        QVERIFY(next.acquire());
    }
};

QTEST_GUILESS_MAIN(TestStartScreen)
#include "tst_startscreen.moc"
