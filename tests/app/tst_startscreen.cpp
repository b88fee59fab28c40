// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/singleinstance.h"
#include "app/startscreen.h"
#include "challenges/leveltable.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

class TestStartScreen : public QObject {
    Q_OBJECT
private slots:
    void levelTableRoutesAndLimits_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<int>("target");
        const int ranged = int(ChallengeScreen::Ranged);
        const int open = int(ChallengeScreen::OpenEnded);
        QTest::newRow("1") << 1 << ranged << 300'000 << "5" << 50;
        QTest::newRow("2") << 2 << ranged << 300'000 << "5" << 100;
        QTest::newRow("3") << 3 << ranged << 360'000 << "6" << 150;
        QTest::newRow("4") << 4 << ranged << 360'000 << "6" << 200;
        QTest::newRow("5") << 5 << ranged << 420'000 << "7" << 250;
        QTest::newRow("6: 300 numbers in 7 minutes") << 6 << ranged << 420'000 << "7" << 300;
        QTest::newRow("7") << 7 << open << 300'000 << "5" << 0;
        QTest::newRow("8") << 8 << open << 420'000 << "7" << 0;
        QTest::newRow("9 has no limit") << 9 << int(ChallengeScreen::Endurance) << 0 << "" << 0;
        QTest::newRow("0 opens nothing") << 0 << int(ChallengeScreen::None) << 0 << "" << 0;
        QTest::newRow("10 opens nothing") << 10 << int(ChallengeScreen::None) << 0 << "" << 0;
    }
    void levelTableRoutesAndLimits()
    {
        QFETCH(int, level);
        QFETCH(int, screen);
        QFETCH(int, limit);
        QFETCH(QString, minutes);
        QFETCH(int, target);
        QCOMPARE(int(LevelTable::screen(level)), screen);
        QCOMPARE(LevelTable::limitMilliseconds(level), limit);
        QCOMPARE(LevelTable::limitMinutesCaption(level), minutes);
        QCOMPARE(LevelTable::target(level), target);
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
        QCOMPARE(s.caption(), QStringLiteral("Tavrino  V2.0 2017-11-22 "));
        QCOMPARE(s.levelDisplay(), QStringLiteral("1"));
        QCOMPARE(s.ruleLine(), LevelTable::startRuleLine(1));
        QCOMPARE(s.nameText(), QString());
        QCOMPARE(s.values().StudentName, QString());
        QCOMPARE(s.values().GameLevel, 0);
        QVERIFY(!s.captionsShown());
        QVERIFY(s.plannerCredit().startsWith(QStringLiteral("项目策划: ")));
        QVERIFY(s.designerCredit().startsWith(QStringLiteral("设计制作: ")));
    }

    // Choosing overwrites the level display and the rule line; starting
    // routes by the last choice.
    void choosingThenStartingRoutesByTheLastChoice_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("screen");
        QTest::newRow("nothing clicked") << QList<int>{} << 1 << int(ChallengeScreen::Ranged);
        QTest::newRow("7 then 3") << QList<int>{7, 3} << 3 << int(ChallengeScreen::Ranged);
        QTest::newRow("8") << QList<int>{8} << 8 << int(ChallengeScreen::OpenEnded);
        QTest::newRow("9") << QList<int>{9} << 9 << int(ChallengeScreen::Endurance);
    }
    void choosingThenStartingRoutesByTheLastChoice()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(int, level);
        QFETCH(int, screen);
        StartScreen s;
        s.load();
        for (int n : clicks)
            s.chooseLevel(n);
        QCOMPARE(s.levelDisplay(), QString::number(level));
        QCOMPARE(s.ruleLine(), LevelTable::startRuleLine(level));
        QCOMPARE(int(s.startChallenge()), screen);
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
        QCOMPARE(onEnter.nameText(), kept);
        QCOMPARE(onEnter.values().StudentName, kept);
        QCOMPARE(onEnter.takeFocusRequest(), std::optional(StartScreen::Focus::Command1));

        StartScreen onStart;
        onStart.load();
        onStart.nameChanged(typed);
        onStart.startChallenge();
        QCOMPARE(onStart.values().StudentName, kept);
        QCOMPARE(onStart.values().School, QString());
    }

    void linksOpenTheirPages()
    {
        QCOMPARE(StartScreen::makerPageUrl().path(), QStringLiteral("/index1.htm"));
        QVERIFY(StartScreen::makerPageUrl().isValid());
        QVERIFY(StartScreen::platformUrl().isValid());
        StartScreen s;
        s.load();
        QCOMPARE(StartScreen::makerPageUrl().host(), s.makerLink());
        QCOMPARE(StartScreen::platformUrl().host(), s.platformLink());
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
