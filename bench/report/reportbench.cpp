// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the round report takes: opening it for rounds of 1 to 40,000
// numbers (from constructing the window to its first paint on the X server's
// screen), and drawing the rhythm chart alone. Rounds are made up with a
// pupil's rhythm from a fixed seed. Prints one line a figure:
//   open numbers=N runs=R median_ms=M max_ms=X
//   chart numbers=N runs=R median_ms=M max_ms=X
//   pdf numbers=N bytes=B  (the size of the report saved as a PDF)
// With --progress, how long the report of a round of NAME's at LEVEL takes
// to fill its part 我的进步 from the class log LOG, from constructing the
// window to the part's line shown, and the peak memory of the process:
//   reportbench --progress LOG NAME LEVEL
//   progress runs=R median_ms=M max_ms=X vmhwm_kb=K
#include "challenges/report/reporttexts.h"
#include "challenges/roundhistory.h"
#include "classlog/classlist.h"
#include "core/text.h"
#include "ui/fonts.h"
#include "ui/labelaccessible.h"
#include "ui/report/reportpage.h"
#include "ui/report/reportwindow.h"
#include "ui/report/rhythmchart.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>

namespace {

RoundRecord madeUpRound(int numbers)
{
    QRandomGenerator rng(20261208);
    RoundRecord round;
    round.level = 9;
    round.name = QStringLiteral("测试");
    round.started = QDateTime(QDate(2026, 12, 8), QTime(9, 0));
    round.ending = RoundEnding::Gap;
    qint32 now = 0;
    for (int n = 1; n <= numbers; ++n) {
        now += 150 + int(rng.bounded(250)) + (rng.bounded(200) == 0 ? 1200 : 0);
        const qint32 firstDigit = now;
        now += 60 * int(QString::number(n).size()) + int(rng.bounded(80));
        round.numbers.push_back({firstDigit, now});
    }
    round.result = QString::number(numbers);
    round.durationMs = now + 2000;
    round.endMs = now + 2000;
    return round;
}

// Waits until the widget has been painted once.
class Painted : public QObject {
public:
    explicit Painted(QWidget *w) { w->installEventFilter(this); }
    bool seen = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            seen = true;
        return false;
    }
};

void print(const char *what, int numbers, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%s numbers=%d runs=%zu median_ms=%.1f max_ms=%.1f\n", what, numbers, ms.size(),
                ms[ms.size() / 2], ms.back());
    std::fflush(stdout);
}

// The process's peak resident memory, in kB.
long peakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return -1;
}

int progress(const QString &log, const QString &name, int level)
{
    RoundHistory history;
    RoundRecord made = madeUpRound(20);
    made.name = name;
    made.level = level;
    made.started = QDateTime::currentDateTime();
    const RoundRecord &round = history.add(made);
    const ClassRecords records{{log}, {}};
    std::vector<double> filled;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        ReportWindow report(history, round, &records);
        report.show();
        auto *line = report.findChild<QWidget *>(QStringLiteral("progressPart"))
                         ->findChild<ReadableLabel *>();
        while (line->text() == translated(ReportTexts::kProgressReading))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        filled.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(filled.begin(), filled.end());
    std::printf("progress runs=%zu median_ms=%.1f max_ms=%.1f vmhwm_kb=%ld\n", filled.size(),
                filled[filled.size() / 2], filled.back(), peakKb());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Fonts::installSubstitutions();
    LabelAccessibility::install();
    if (argc == 5 && QByteArray(argv[1]) == "--progress")
        return progress(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                        QByteArray(argv[4]).toInt());
    constexpr int kRuns = 7;
    for (int numbers : {1, 10, 100, 1000, 10'000, 40'000}) {
        RoundHistory history;
        const RoundRecord &round = history.add(madeUpRound(numbers));
        std::vector<double> open, chart;
        for (int run = 0; run < kRuns; ++run) {
            QElapsedTimer timer;
            timer.start();
            ReportWindow report(history, round);
            RhythmChart *rhythm = report.findChild<RhythmChart *>();
            Painted painted(rhythm);
            report.show();
            while (!painted.seen)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            QCoreApplication::processEvents();
            open.push_back(double(timer.nsecsElapsed()) / 1e6);

            timer.restart();
            rhythm->setRhythm(RoundReport::rhythmOf(round));
            rhythm->grab();
            chart.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        print("open", numbers, open);
        print("chart", numbers, chart);
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        ReportPage::writePdf(pdf, round);
        std::printf("pdf numbers=%d bytes=%lld\n", numbers, qlonglong(pdf.size()));
    }
    return 0;
}
