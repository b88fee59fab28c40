// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a made-up class log exactly as the game writes one (the same lines
// from classlog/csvline): a class of pupils playing on a computer room's
// computers on school days, getting quicker over the weeks. NAME, where
// given, is the first pupil's name.
//
//   tavrino_samplelog FILE [PUPILS [DAYS [ROUNDS_PER_PUPIL_AND_DAY [NAME]]]]
#include "challenges/leveltable.h"
#include "classlog/csvline.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: tavrino_samplelog FILE [PUPILS [DAYS [ROUNDS [NAME]]]]\n");
        return 2;
    }
    const int pupils = args.value(2, QStringLiteral("30")).toInt();
    const int days = args.value(3, QStringLiteral("60")).toInt();
    const int perDay = args.value(4, QStringLiteral("3")).toInt();
    static const QString family = QStringLiteral("王李张刘陈杨赵黄周吴徐孙胡朱高林何郭马罗");
    static const QString given = QStringLiteral("明华芳伟娜静强磊洋艳勇军杰涛超秀英敏丽");
    QRandomGenerator rng(20261208);
    QStringList names;
    if (args.size() > 5)
        names << args.at(5);
    while (names.size() < pupils) {
        QString name = family.at(rng.bounded(family.size()));
        name += given.at(rng.bounded(given.size()));
        if (rng.bounded(2) == 0)
            name += given.at(rng.bounded(given.size()));
        if (!names.contains(name))
            names << name;
    }
    QByteArray bytes = QByteArray(CsvLine::kByteOrderMark) + CsvLine::header();
    const QDate first = QDate(2026, 12, 8).addDays(-days);
    for (int d = 0; d < days; ++d) {
        const QDate day = first.addDays(d);
        if (day.dayOfWeek() > 5)
            continue;
        // Weeks of practice make a pupil quicker: 0.9 s a number at first,
        // about 0.5 s after two months.
        const double practice = 0.9 - 0.4 * d / std::max(1, days);
        for (int p = 0; p < pupils; ++p) {
            const QString host = QStringLiteral("PC-%1").arg(1 + p % 8, 2, 10, QLatin1Char('0'));
            for (int r = 0; r < perDay; ++r) {
                RoundRecord round;
                static const int levels[] = {1, 1, 2, 2, 3, 7, 8, 9, 9};
                round.level = levels[rng.bounded(int(std::size(levels)))];
                round.name = names[p];
                round.started = QDateTime(day, QTime(8 + p % 8, rng.bounded(60), rng.bounded(60)),
                                          Qt::OffsetFromUTC, 8 * 3600);
                const int target = LevelTable::target(round.level);
                const double pace = practice * (0.8 + 0.4 * rng.generateDouble());
                qint32 now = 1500;
                qint64 reached = 0;
                const qint64 wanted = target > 0 ? target : 20 + rng.bounded(200);
                while (reached < wanted) {
                    // Now and then a slip ends the round early.
                    if (rng.bounded(1000) < (target > 0 ? 2 : 6))
                        break;
                    const qint32 finding = qint32(pace * 600 * (0.5 + rng.generateDouble()));
                    now += finding;
                    const qint32 digit = now;
                    now += qint32(pace * 400);
                    round.numbers.push_back({digit, now});
                    ++reached;
                }
                const bool won = target > 0 && reached == target;
                round.ending = won                ? RoundEnding::Success
                               : round.level == 9 ? RoundEnding::Gap
                                                  : RoundEnding::WrongNumber;
                round.durationMs = now / 10 * 10;
                round.endMs = now;
                round.result = won ? QStringLiteral("%1.%2")
                                         .arg(now / 1000)
                                         .arg(now / 10 % 100, 2, 10, QLatin1Char('0'))
                                   : QString::number(reached);
                bytes += CsvLine::round(round, host);
            }
        }
    }
    QFile file(args.at(1));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "tavrino_samplelog: cannot write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
