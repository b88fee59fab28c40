// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the class view takes to answer a teacher on a large class log:
// searching a name, limiting the days and sorting by a level, each timed
// from the action to the view painted again (offscreen). Prints one line a
// figure, the median and the slowest of RUNS runs:
//   search runs=R median_ms=M max_ms=X
//   range runs=R median_ms=M max_ms=X
//   sort runs=R median_ms=M max_ms=X
// and, with the lesson board shown, from a round appended to FILE (a line of
// today, as the game writes it) to its computer's tile showing it:
//   board runs=R median_ms=M max_ms=X
//   classbench FILE [RUNS]
#include "classlog/csvline.h"
#include "ui/classview/classwindow.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Times each run from the action until done (at once when there is no
// done), the window's events handled meanwhile.
void timed(const char *what, int runs, const std::function<void(int)> &action,
           const std::function<bool(int)> &done = {})
{
    std::vector<double> ms;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        action(run);
        QApplication::processEvents();
        while (done && !done(run)) {
            if (timer.elapsed() > 10'000) {
                std::fprintf(stderr, "classbench: %s run %d never showed\n", what, run);
                return;
            }
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%s runs=%d median_ms=%.1f max_ms=%.1f\n", what, runs, ms[ms.size() / 2],
                ms.back());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const int runs = argc > 2 ? std::max(1, QByteArray(argv[2]).toInt()) : 5;
    Fonts::installSubstitutions();
    ClassWindow window(QString::fromLocal8Bit(argv[1]));
    if (window.refresh())
        return 1;
    window.show();
    QApplication::processEvents();
    auto *search = window.findChild<QLineEdit *>();
    auto *table = window.findChild<QTableView *>(QStringLiteral("pupils"));
    QComboBox *range = nullptr;
    for (auto *box : window.findChildren<QComboBox *>()) {
        if (box->count() == 4)
            range = box;
    }
    if (!search || !table || !range)
        return 1;
    // A name's first character, then none again.
    timed("search", runs,
          [&](int run) { search->setText(run % 2 == 0 ? QStringLiteral("王") : QString()); });
    search->clear();
    // This week, this month, all days, in turn: every round read again.
    timed("range", runs, [&](int run) { range->setCurrentIndex((run + 1) % 3); });
    // Level 1's best, then level 9's, up and down.
    timed("sort", runs, [&](int run) {
        table->sortByColumn(run % 2 == 0 ? 4 : 12,
                            run % 4 < 2 ? Qt::AscendingOrder : Qt::DescendingOrder);
    });
    // A pupil on a computer of its own ends a round now, one a run.
    auto *pages = window.findChild<QTabWidget *>();
    auto *board = window.findChild<QWidget *>(QStringLiteral("lessonBoard"));
    if (!pages || !board)
        return 1;
    pages->setCurrentWidget(board);
    QApplication::processEvents();
    const QString name = QStringLiteral("李白");
    const auto host = [](int run) { return QStringLiteral("BENCH-%1").arg(run); };
    timed(
        "board", runs,
        [&](int run) {
            RoundRecord round;
            round.level = 1;
            round.name = name;
            round.ending = RoundEnding::Success;
            round.durationMs = round.endMs = 31'250;
            round.result = QStringLiteral("31.25");
            for (qint32 n = 1; n <= 50; ++n)
                round.numbers.push_back({n * 625 - 300, n * 625});
            round.started = QDateTime::currentDateTime().addMSecs(-round.durationMs);
            QFile log(QString::fromLocal8Bit(argv[1]));
            if (!log.open(QIODevice::Append) || log.write(CsvLine::round(round, host(run))) < 0)
                std::fprintf(stderr, "classbench: cannot append to %s\n", argv[1]);
        },
        [&](int run) {
            for (const QLabel *tile : board->findChildren<QLabel *>()) {
                if (tile->accessibleName() == host(run) && tile->text().contains(name))
                    return true;
            }
            return false;
        });
    return 0;
}
