// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modal.h"
#include "ui/classview/classwindow.h"
#include "ui/classview/lessonboard.h"
#include "ui/fonts.h"
#include "ui/progress/progressplot.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray round(const char *name, int level, const char *ending, const char *seconds, int numbers)
{
    return QByteArray("2026-12-08T09:30:05+08:00,PC-01,") + name + ',' + QByteArray::number(level) +
           ',' + ending + ',' +
           (numbers == 50 ? QByteArray(seconds) : QByteArray::number(numbers)) + ',' +
           QByteArray::number(numbers) + ',' + seconds + ",480,0\r\n";
}

// Level-1 successes of one pupil, each the best of its day: "day HH:mm",
// the day counted from 2026-12-01.
std::vector<LoggedRound> successes(const QStringList &when)
{
    std::vector<LoggedRound> rounds;
    for (const QString &w : when) {
        LoggedRound r;
        r.day = QDate(2026, 12, 1).addDays(w.section(' ', 0, 0).toInt());
        const QTime t = QTime::fromString(w.section(' ', 1, 1), QStringLiteral("HH:mm"));
        r.minuteOfDay = qint16(t.hour() * 60 + t.minute());
        r.startedMs = QDateTime(r.day, t).toMSecsSinceEpoch();
        r.level = 1;
        r.ending = RoundEnding::Success;
        r.numbers = 50;
        r.duration = 3000;
        rounds.push_back(r);
    }
    return rounds;
}

QStringList column(QTableView *table, int c)
{
    QStringList shown;
    for (int r = 0; r < table->model()->rowCount(); ++r)
        shown << table->model()->index(r, c).data().toString();
    return shown;
}

} // namespace

// A teacher opens a small class log: sorts by a level's best, searches,
// selects a pupil, exports the table, and takes in rounds appended since.
class TestClassWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Fonts::installSubstitutions();
        QStandardPaths::setTestModeEnabled(true);
    }

    // Every round stands inside the plot, in the stretch of its own day
    // (found from the drawn picture: the grid spans the plot, the day's best
    // is a filled dot).
    void roundsStandOnTheirOwnDay_data()
    {
        QTest::addColumn<QStringList>("rounds");
        QTest::addColumn<int>("days");
        QTest::addColumn<QList<int>>("dayOfEach");
        QTest::newRow("one day, in the evening") << QStringList{"0 19:55"} << 1 << QList<int>{0};
        QTest::newRow("a week") << QStringList{"0 08:00", "1 14:42", "6 11:00", "6 15:54"} << 7
                                << QList<int>{0, 1, 6};
        QTest::newRow("across midnight")
            << QStringList{"0 23:59", "1 00:01"} << 2 << QList<int>{0, 1};
    }
    void roundsStandOnTheirOwnDay()
    {
        QFETCH(QStringList, rounds);
        QFETCH(int, days);
        QFETCH(QList<int>, dayOfEach);
        const std::vector<LoggedRound> logged = successes(rounds);
        std::vector<const LoggedRound *> shown;
        for (const LoggedRound &r : logged)
            shown.push_back(&r);
        ProgressPlot plot(shown, 1);
        QImage image(600, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        plot.layout(QRectF(image.rect()), QFont());
        QPainter painter(&image);
        plot.draw(painter, Qt::black);
        painter.end();
        // The plot's left, right and top from the grid's lines (rows mostly
        // of the grid's colour), then the columns that hold the filled dots
        // below the plot's top.
        const QRgb grid = qRgb(0xE0, 0xE0, 0xE0), best = qRgb(0x00, 0x00, 0xC0);
        int left = image.width(), right = -1, top = image.height();
        for (int y = 0; y < image.height(); ++y) {
            QList<int> xs;
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) == grid)
                    xs << x;
            }
            if (xs.size() > image.width() / 3) {
                left = std::min(left, xs.front());
                right = std::max(right, xs.back());
                top = std::min(top, y);
            }
        }
        QVERIFY(right > left);
        QList<int> found;
        int runStart = -1;
        for (int x = 0; x <= image.width(); ++x) {
            bool dot = false;
            for (int y = top; x < image.width() && y < image.height() && !dot; ++y)
                dot = image.pixel(x, y) == best;
            if (dot && runStart < 0)
                runStart = x;
            if (!dot && runStart >= 0) {
                const double centre = (runStart + x - 1) / 2.0;
                QVERIFY2(centre > left && centre < right, qPrintable(QString::number(centre)));
                found << int((centre - left) / ((right - left) / double(days)));
                runStart = -1;
            }
        }
        QCOMPARE(found, dayOfEach);
    }

    // By keyboard alone: Tab goes from control to control (out of a table
    // at once) and reaches the level selector; Ctrl+Down in the table sorts
    // by the current column (the names), last first.
    void everyControlByKeyboard()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("班.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(round("甲", 1, "挑战成功", "31.00", 50) +
                   round("乙", 7, "数字错误", "9.00", 40));
        file.close();
        ClassWindow w(path);
        QVERIFY(!w.refresh());
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto *table = w.findChild<QTableView *>(QStringLiteral("pupils"));
        w.findChild<QLineEdit *>()->setFocus();
        QStringList reached;
        for (int tab = 0; tab < 12 && !reached.contains(QStringLiteral("级")); ++tab) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget()->accessibleName();
            if (QApplication::focusWidget() == table) {
                QTest::keyClick(table, Qt::Key_Down, Qt::ControlModifier);
                QCOMPARE(column(table, 0), (QStringList{"乙", "甲"}));
            }
        }
        QVERIFY2(reached.contains(QStringLiteral("级")), qPrintable(reached.join(' ')));
        QCOMPARE(reached.count(QStringLiteral("班级记录")), 1);
    }

    // With a class list: its pupils in its order, one without a round
    // marked, a name not on it set apart; counted as a listed pupil's, it
    // adds a line to the list, and the log stays as it was.
    void classListOrderAndGaps()
    {
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("班.csv"));
        const QString roster = dir.filePath(QStringLiteral("名单.txt"));
        const QByteArray rounds =
            round("张三", 1, "挑战成功", "31.00", 50) + round("张 三", 7, "数字错误", "9.00", 40);
        for (const auto &[path, bytes] :
             {std::pair(log, rounds), std::pair(roster, QByteArray("13,李四\n12,张三\n"))}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        ClassWindow w(log, roster);
        QVERIFY(!w.refresh());
        w.show();
        auto *table = w.findChild<QTableView *>(QStringLiteral("pupils"));
        QCOMPARE(column(table, 0), (QStringList{"13 李四", "12 张三", "张 三（不在名单上）"}));
        QCOMPARE(column(table, 3).front(), QStringLiteral("还没有成绩"));
        // A listed pupil without rounds has no level to show.
        table->setCurrentIndex(table->model()->index(0, 0));
        const QList<QLabel *> labels = w.findChildren<QLabel *>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [](const QLabel *l) {
            return l->text() == QStringLiteral("李四 还没有成绩");
        }));

        table->setCurrentIndex(table->model()->index(2, 0));
        whenShown<QInputDialog>([](QInputDialog *who) {
            who->setTextValue(QStringLiteral("12 张三"));
            who->accept();
        });
        whenShown<QMessageBox>([](QMessageBox *sure) { sure->button(QMessageBox::Yes)->click(); });
        for (QPushButton *b : w.findChildren<QPushButton *>()) {
            if (b->text() == QStringLiteral("算作名单上的学生…"))
                QTest::mouseClick(b, Qt::LeftButton);
        }
        QCOMPARE(column(table, 0), (QStringList{"13 李四", "12 张三"}));
        QCOMPARE(column(table, 2), (QStringList{"0", "2"}));
        QFile list(roster), logged(log);
        QVERIFY(list.open(QIODevice::ReadOnly) && logged.open(QIODevice::ReadOnly));
        QVERIFY(list.readAll().endsWith("张 三=张三\r\n"));
        QCOMPARE(logged.readAll(), rounds);
        // A round the game appends reaches the table without a click.
        logged.close();
        QVERIFY(logged.open(QIODevice::Append));
        logged.write(round("李四", 7, "数字错误", "9.00", 40));
        logged.close();
        QTRY_COMPARE_WITH_TIMEOUT(column(table, 2), (QStringList{"1", "2"}), 6000);
        // So does one in a file put in the log's place (a copy saved over
        // it), and one appended to that new file.
        QSaveFile replaced(log);
        QVERIFY(replaced.open(QIODevice::WriteOnly));
        replaced.write(rounds + round("李四", 7, "数字错误", "9.00", 40) +
                       round("李四", 8, "数字错误", "9.00", 41));
        QVERIFY(replaced.commit());
        QTRY_COMPARE_WITH_TIMEOUT(column(table, 2), (QStringList{"2", "2"}), 6000);
        QVERIFY(logged.open(QIODevice::Append));
        logged.write(round("张三", 8, "数字错误", "9.00", 42));
        logged.close();
        QTRY_COMPARE_WITH_TIMEOUT(column(table, 2), (QStringList{"2", "3"}), 6000);
    }

    // The lesson board: a tile a computer, in their numbers' order, with its
    // latest round of today under the list's name; a round delivered late
    // does not hide a later one, other days do not count, a computer
    // without a round for ten minutes is idle, and a reading that starts
    // over starts the board over.
    void lessonBoardTiles()
    {
        const QDateTime now = QDateTime::currentDateTime();
        if (now.time() < QTime(0, 15))
            QSKIP("the rounds of this test would fall on yesterday");
        LoggedRounds rounds;
        const auto add = [&](int minutesAgo, const char *host, const char *name, int level) {
            const QDateTime start = now.addSecs(-60 * minutesAgo - 10);
            rounds.push_back(*LogReader::roundOf(
                start.toOffsetFromUtc(start.offsetFromUtc()).toString(Qt::ISODate).toUtf8() + ',' +
                host + ',' + name + ',' + QByteArray::number(level) +
                ",数字错误,7,7,9.10,500,0\r\n"));
        };
        add(5, "PC-2", "张 三", 1);
        add(1, "PC-10", "李四", 7);
        add(3, "PC-10", "李四", 9);
        add(12, "PC-3", "王五", 2);
        add(24 * 60 + 5, "PC-4", "赵六", 1);
        LessonBoard board;
        board.resize(900, 300);
        board.show();
        board.takeRounds(rounds, true, ClassList::parse(QByteArray("12,张三\n张 三=张三\n")));
        QStringList order;
        std::map<std::pair<int, int>, QString> placed;
        QHash<QString, QString> text;
        for (const QLabel *tile : board.findChildren<QLabel *>()) {
            if (tile->accessibleName().isEmpty())
                continue;
            placed[{tile->y(), tile->x()}] = tile->accessibleName();
            text[tile->accessibleName()] = tile->text();
        }
        for (const auto &[at, host] : placed)
            order << host;
        QCOMPARE(order, (QStringList{"PC-2", "PC-3", "PC-10"}));
        QVERIFY(text["PC-2"].contains(QStringLiteral("张三")));
        QVERIFY(text["PC-10"].contains(QStringLiteral("7级")));
        QVERIFY(!text["PC-2"].contains(QStringLiteral("空闲")));
        QVERIFY(text["PC-3"].contains(QStringLiteral("空闲")));
        board.takeRounds({}, true, {});
        QTRY_VERIFY(board.findChildren<QLabel *>().size() == 1);
    }

    void openSortSelectExportRefresh()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("四年级.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBF开始时间,计算机,姓名,级别,结束方式,成绩,正确数字,用时(秒),平常用时("
                   "毫秒),停顿\r\n" +
                   round("李雷", 1, "挑战成功", "31.00", 50) +
                   round("'=韩梅梅", 1, "挑战成功", "28.40", 50) +
                   round("王芳", 1, "数字错误", "12.00", 20) +
                   round("王芳", 9, "停顿超过2秒", "40.00", 66));
        file.close();
        ClassWindow w(path);
        QVERIFY(!w.refresh());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.objectName(), QStringLiteral("FormClass"));
        QCOMPARE(w.windowTitle(), QStringLiteral("班级记录"));
        auto *table = w.findChild<QTableView *>(QStringLiteral("pupils"));
        QCOMPARE(table->model()->rowCount(), 3);

        // By level 1's best, fastest first; a pupil without one last.
        table->sortByColumn(4, Qt::AscendingOrder);
        QCOMPARE(column(table, 0), (QStringList{"=韩梅梅", "李雷", "王芳"}));
        QCOMPARE(column(table, 4), (QStringList{"28.40", "31.00", ""}));

        auto *search = w.findChild<QLineEdit *>();
        QTest::keyClicks(search, QStringLiteral("li"));
        QCOMPARE(table->model()->rowCount(), 0);
        search->clear();

        // A pupil's rounds of the level he played.
        table->setCurrentIndex(table->model()->index(2, 0));
        QStringList labels;
        for (QLabel *label : w.findChildren<QLabel *>())
            labels << label->text();
        QVERIFY2(labels.contains(QStringLiteral("王芳 的 1级 进步情况")),
                 qPrintable(labels.join('\n')));
        QCOMPARE(w.findChild<QTableWidget *>()->rowCount(), 1);

        // A button that saves, answered in the file dialog with path.
        auto save = [&w](const QString &button, const QString &path) {
            whenShown<QFileDialog>([&](QFileDialog *files) {
                files->selectFile(path);
                static_cast<QDialog *>(files)->accept();
            });
            for (QPushButton *b : w.findChildren<QPushButton *>()) {
                if (b->text() == button)
                    QTest::mouseClick(b, Qt::LeftButton);
            }
        };
        // Exported as shown, with the log's own safe cells.
        const QString exported = dir.filePath(QStringLiteral("表格.csv"));
        save(QStringLiteral("导出CSV"), exported);
        QFile csv(exported);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csv.readAll().split('\n');
        // Numbers a spreadsheet computes with: the units in the heads,
        // level 9's count and duration in two columns.
        QVERIFY(lines[0].startsWith("\xEF\xBB\xBF姓名,计算机,轮数,最近一次,1级(秒),2级(秒)"));
        QVERIFY(lines[0].contains(",8级(个),9级(个),9级用时(秒)"));
        QVERIFY2(lines[1].startsWith("'=韩梅梅,PC-01,1,2026-12-08 09:30,28.40,"),
                 lines[1].constData());
        QVERIFY2(lines[3].startsWith("王芳,PC-01,2,2026-12-08 09:30,,") &&
                     lines[3].contains(",66,40.00"),
                 lines[3].constData());

        // The PDF says what it shows, and its text stays text.
        const QString pdf = dir.filePath(QStringLiteral("表格.pdf"));
        save(QStringLiteral("保存PDF"), pdf);
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString pdfText = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY2(pdfText.contains(QStringLiteral("四年级.csv")) &&
                     pdfText.contains(QStringLiteral("显示 3 名学生")) &&
                     pdfText.contains(QStringLiteral("韩梅梅")),
                 qPrintable(pdfText));

        // A round the game appends is read by itself.
        QVERIFY(file.open(QIODevice::Append));
        file.write(round("李雷", 1, "挑战成功", "25.00", 50));
        file.close();
        QTRY_COMPARE(column(table, 4), (QStringList{"25.00", "28.40", ""}));
    }
};

QTEST_MAIN(TestClassWindow)
#include "tst_classwindow.moc"
