// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A copy of the game as the class log sees it: appends COUNT rounds, one by
// one, named NAME, with the results 1..COUNT. A round that cannot be written
// waits and is tried again, as the game tries with its next round; after
// 30 seconds of trying it gives up with status 1.
//   classlog_writer FILE COUNT NAME
#include "classlog/classlog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
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
        if (!log.append(round))
            continue;
        QElapsedTimer trying;
        trying.start();
        while (log.flush()) {
            if (trying.elapsed() > 30'000)
                return 1;
            QThread::msleep(200);
        }
    }
    return 0;
}
