// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A copy of the game as the class log sees it: appends COUNT rounds, one by
// one, named NAME, with the results 1..COUNT. A round that cannot be written
// waits and is tried again, as the game tries with its next round; after
// 30 seconds of trying it gives up with status 1. With --hold, it holds the
// log's lock for MS milliseconds, as a copy does that writes to a slow
// share, and says "held" once it has it.
//   classlog_writer FILE COUNT NAME
//   classlog_writer --hold FILE MS
#include "classlog/classlog.h"
#include "classlog/csvline.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLockFile>
#include <QSysInfo>
#include <QThread>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    if (QByteArray(argv[1]) == "--hold") {
        QLockFile lock(QString::fromLocal8Bit(argv[2]) + QStringLiteral(".lock"));
        if (!lock.tryLock(10'000))
            return 1;
        std::puts("held");
        std::fflush(stdout);
        QThread::msleep(QByteArray(argv[3]).toULong());
        return 0;
    }
    ClassLog log(QString::fromLocal8Bit(argv[1]));
    const int count = QByteArray(argv[2]).toInt();
    RoundRecord round;
    round.level = 1;
    round.name = QString::fromLocal8Bit(argv[3]);
    round.started = QDateTime::currentDateTime();
    round.ending = RoundEnding::WrongNumber;
    for (int n = 1; n <= count; ++n) {
        round.result = QString::number(n);
        round.durationMs = n;
        const std::vector<QByteArray> line{CsvLine::round(round, QSysInfo::machineHostName())};
        QElapsedTimer trying;
        trying.start();
        while (log.write(line).failure) {
            if (trying.elapsed() > 30'000)
                return 1;
            QThread::msleep(200);
        }
    }
    return 0;
}
