// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline/commandline.h"

#include <QTest>

// What the command line asks: play (with or without a class log), help, the
// version, or one line saying what is wrong, naming it as it was written.
class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("logFile");
        // -1: a failure, whose line names this argument.
        QTest::addColumn<QString>("wrong");
        const int play = int(CommandLine::Action::Play), help = int(CommandLine::Action::Help);
        QTest::newRow("nothing: play") << QStringList{} << play << ""
                                       << "";
        QTest::newRow("a class log") << QStringList{"--log", "四年级.csv"} << play << "四年级.csv"
                                     << "";
        QTest::newRow("a class log, with =") << QStringList{"--log=a b.csv"} << play << "a b.csv"
                                             << "";
        QTest::newRow("help wins over the log") << QStringList{"--log", "x.csv", "-h"} << help << ""
                                                << "";
        QTest::newRow("version") << QStringList{"--version"} << int(CommandLine::Action::Version)
                                 << ""
                                 << "";
        QTest::newRow("Qt's own options pass")
            << QStringList{"-platform", "offscreen", "-style", "fusion"} << play << ""
            << "";
        QTest::newRow("an empty log") << QStringList{"--log="} << play << ""
                                      << "--log";
        QTest::newRow("a log without its file") << QStringList{"--log"} << play << ""
                                                << "--log";
        QTest::newRow("unknown") << QStringList{"--bogus=1"} << play << ""
                                 << "--bogus=1";
        QTest::newRow("a value for help") << QStringList{"--help=3"} << play << ""
                                          << "--help=3";
        QTest::newRow("a stray word") << QStringList{"stray"} << play << ""
                                      << "stray";
    }
    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, logFile);
        QFETCH(QString, wrong);
        const CommandLine command = CommandLine::parse(QStringList{"tavrino"} + arguments);
        if (!wrong.isEmpty()) {
            QVERIFY(command.failure());
            QVERIFY2(command.failure()->contains(wrong), qPrintable(*command.failure()));
            QVERIFY(!command.failure()->contains(QLatin1Char('\n')));
            return;
        }
        QVERIFY2(!command.failure(), qPrintable(command.failure().value_or(QString())));
        QCOMPARE(int(command.action()), action);
        QCOMPARE(command.logFile(), logFile);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
