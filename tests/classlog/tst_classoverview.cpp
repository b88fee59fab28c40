// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classlog/classlist.h"
#include "classlog/classoverview.h"
#include "classlog/logreading.h"

#include <QCollator>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QByteArray kHeader =
    "\xEF\xBB\xBF开始时间,计算机,姓名,级别,结束方式,成绩,正确数字,用时(秒),平常用时(毫秒),停顿\r\n";
// A won level-1 round of 王芳's at 9:30 on 8 December.
const QByteArray kRound =
    "2026-12-08T09:30:05+08:00,PC-01,王芳,1,挑战成功,25.10,50,25.10,480,1\r\n";

QByteArray line(const char *when, const char *name, int level, const char *ending,
                const char *result, int numbers, const char *duration)
{
    return QByteArray(when) + ",PC-02," + name + ',' + QByteArray::number(level) + ',' + ending +
           ',' + result + ',' + QByteArray::number(numbers) + ',' + duration + ",500,0\n";
}

} // namespace

// The class view's reading of a shared log, and the bests it finds.
class TestClassOverview : public QObject {
    Q_OBJECT
private slots:
    // Each kind of line a shared file may hold: read as a round, left out
    // silently, or left out and counted, and why.
    void reader_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("foreign");
        QTest::addColumn<int>("torn");
        QTest::newRow("as the game writes it") << kHeader + kRound << QStringList{"王芳"} << 0 << 0;
        QTest::newRow("no byte-order mark, LF only")
            << kHeader.mid(3).replace("\r\n", "\n") + kRound.chopped(2) + "\n"
            << QStringList{"王芳"} << 0 << 0;
        QTest::newRow("quoted: comma, quote and line break in a name")
            << kHeader + QByteArray(kRound).replace("王芳", "\"王,\"\"小\"\"\r\n芳\"")
            << QStringList{"王,\"小\"\r\n芳"} << 0 << 0;
        QTest::newRow("a formula-looking name keeps its text")
            << kHeader + QByteArray(kRound).replace("王芳", "'=1+2") << QStringList{"=1+2"} << 0
            << 0;
        QTest::newRow("a torn last line waits")
            << kHeader + kRound + kRound.left(30) << QStringList{"王芳"} << 0 << 1;
        QTest::newRow("an earlier version's header")
            << QByteArray("开始时间,计算机,姓名,级别,结束方式,成绩,正确数字,用时(秒),中位用时(毫秒)"
                          ",失误\r\n") +
                   kRound
            << QStringList{"王芳"} << 0 << 0;
        QTest::newRow("blank lines") << kHeader + "\r\n" + kRound + "\n\n"
                                     << QStringList{"王芳"} << 0 << 0;
        QTest::newRow("foreign lines: another table, a bad date, level, ending")
            << "Name;Score\nAnna;12\n" + kHeader + kRound +
                   QByteArray(kRound).replace("2026-12-08", "2026-13-08") +
                   QByteArray(kRound).replace(",1,", ",12,") +
                   QByteArray(kRound).replace("挑战成功", "赢了")
            << QStringList{"王芳"} << 5 << 0;
        QTest::newRow("a file without a header, appended to someone else's")
            << "Name;Score\r\n" + kRound << QStringList{"王芳"} << 1 << 0;
        // A writer that did not hear that its line went in writes it again.
        QTest::newRow("a line written twice is one round")
            << kHeader + kRound +
                   line("2026-12-08T09:31:00+08:00", "李明", 2, "数字错误", "7", 7, "9.10") + kRound
            << QStringList{"王芳", "李明"} << 0 << 0;
        QTest::newRow("a count beyond what the game writes")
            << kHeader + kRound + QByteArray(kRound).replace(",50,", ",4294967296,")
            << QStringList{"王芳"} << 1 << 0;
        QTest::newRow("lines that differ in one figure are two rounds")
            << kHeader + kRound + QByteArray(kRound).replace(",25.10,480", ",25.11,480")
            << QStringList{"王芳", "王芳"} << 0 << 0;
    }
    void reader()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, names);
        QFETCH(int, foreign);
        QFETCH(int, torn);
        const std::unique_ptr<LogReader> log = read(file);
        QVERIFY(log);
        const LogReader &reader = *log;
        QStringList read;
        for (const LoggedRound &round : reader.rounds())
            read << round.name;
        QCOMPARE(read, names);
        QCOMPARE(reader.skipped().foreign, foreign);
        QCOMPARE(reader.skipped().torn, torn);
        if (names.isEmpty())
            return;
        const LoggedRound &round = reader.rounds().front();
        QCOMPARE(round.day, QDate(2026, 12, 8));
        QCOMPARE(round.startedMs,
                 QDateTime(QDate(2026, 12, 8), QTime(1, 30, 5), Qt::UTC).toMSecsSinceEpoch());
        QCOMPARE(round.duration, 2510);
    }

    // A class list as a teacher writes it: numbers or none, a spreadsheet's
    // cells or blanks, a heading, a byte-order mark or GBK, blank lines; and
    // a name the view adds to it as a listed pupil's, in the file's own
    // encoding.
    void classLists_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("pupils");
        const QStringList both{"12 张三", "13 李四"};
        QTest::newRow("numbers and commas") << QByteArray("12,张三\n13,李四\n") << both;
        QTest::newRow("numbers and blanks, a heading, a BOM")
            << QByteArray("\xEF\xBB\xBF学号\t姓名\r\n12 张三\r\n\r\n  13\t李四  \r\n") << both;
        QTest::newRow("GBK, as an older spreadsheet saves it")
            << QByteArray("12,\xd5\xc5\xc8\xfd\r\n13,\xc0\xee\xcb\xc4\r\n") << both;
        QTest::newRow("names alone, quoted, more cells")
            << QByteArray("\"张三\",男\n李四\n") << QStringList{" 张三", " 李四"};
    }
    void classLists()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, pupils);
        const QString path = m_dir.filePath(QStringLiteral("class.txt"));
        write(path, file);
        QVERIFY(!ClassList::addAlias(path, QStringLiteral("张 三"), QStringLiteral("张三")));
        const ClassList list = ClassList::read(path);
        QStringList read;
        for (const ClassList::Pupil &p : list.pupils())
            read << p.number + QLatin1Char(' ') + p.name;
        QCOMPARE(read, pupils);
        QVERIFY(list.pupilOf(QStringLiteral("张 三")) == &list.pupils().front());
        QVERIFY(!list.pupilOf(QStringLiteral("章三")));
    }

    // A file long enough to be read in two halves at once, its first line
    // written again at its end: one round, found across the halves.
    void repeatAcrossALargeFile()
    {
        QByteArray bytes = kHeader + kRound;
        const QDateTime start(QDate(2026, 9, 1), QTime(8, 0), Qt::OffsetFromUTC, 8 * 3600);
        const int lines = 280'000;
        for (int i = 1; i < lines; ++i)
            bytes += line(start.addSecs(i).toString(Qt::ISODate).toLatin1(), "李明", 2, "数字错误",
                          "7", 7, "9.10");
        QVERIFY(bytes.size() > 16 << 20);
        const std::unique_ptr<LogReader> log = read(bytes + kRound);
        QVERIFY(log);
        QCOMPARE(log->rounds().size(), std::size_t(lines));
    }

    // Reading again takes only the new whole lines, the torn one once it is
    // whole; a file replaced by a shorter one is read from its start.
    void readsOnlyWhatWasAppended()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("class.csv"));
        const QByteArray second = QByteArray(kRound).replace("09:30", "09:31");
        const QByteArray third = QByteArray(kRound).replace("09:30", "09:32");
        write(path, kHeader + kRound + second.left(20));
        LogReader reader(path);
        {
            // The first reading on a thread of its own, as a school's year.
            LogReading reading(reader);
            QSignalSpy done(&reading, &LogReading::finished);
            reading.start();
            QVERIFY(done.wait());
            QVERIFY(!done.front().front().value<Failure>());
        }
        QCOMPARE(reader.rounds().size(), std::size_t(1));
        write(path, kHeader + kRound + second + third, true);
        QVERIFY(!reader.read());
        QVERIFY(!reader.startedOver());
        QCOMPARE(reader.rounds().size(), std::size_t(3));
        QCOMPARE(reader.skipped().torn, 0);
        write(path, kHeader + kRound);
        QVERIFY(!reader.read());
        QVERIFY(reader.startedOver());
        QCOMPARE(reader.rounds().size(), std::size_t(1));
        QVERIFY(LogReader(dir.filePath(QStringLiteral("none.csv"))).read());
    }

    // The best of each level as the game counts it, worked out by hand:
    // level 1 the fastest won round (a quicker lost one does not count; of
    // two equal, the first),
    // level 7 the most numbers, level 9 the most numbers and of those the
    // shortest; a name from two computers is one pupil.
    void bestsPerLevel()
    {
        const std::unique_ptr<LogReader> log =
            read(kHeader +
                 line("2026-12-01T09:00:00+08:00", "小红", 1, "挑战成功", "30.00", 50, "30.00") +
                 line("2026-12-02T09:00:00+08:00", "小红", 1, "数字错误", "20", 20, "12.00") +
                 line("2026-12-03T09:00:00+08:00", "小红", 1, "挑战成功", "27.50", 50, "27.50") +
                 line("2026-12-04T09:00:00+08:00", "小红", 1, "挑战成功", "27.50", 50, "27.50") +
                 line("2026-12-03T10:00:00+08:00", "小红", 7, "数字错误", "57", 57, "40.00") +
                 line("2026-12-04T10:00:00+08:00", "小红", 7, "按了退格键", "61", 61, "50.00") +
                 line("2026-12-04T11:00:00+08:00", "小红", 9, "停顿超过2秒", "80", 80, "60.00") +
                 line("2026-12-05T11:00:00+08:00", "小红", 9, "数字错误", "80", 80, "55.10") +
                 line("2026-12-06T11:00:00+08:00", "小红", 9, "数字错误", "79", 79, "40.00") +
                 kRound.left(26) + "PC-09,小红,2,数字错误,3,3,5.00,500,0\r\n");
        QVERIFY(log);
        const LogReader &reader = *log;
        const std::vector<ClassOverview::Pupil> pupils = ClassOverview::pupils(reader.rounds(), {});
        QCOMPARE(pupils.size(), std::size_t(1));
        const ClassOverview::Pupil &p = pupils.front();
        QCOMPARE(p.rounds, 10);
        QCOMPARE(p.hosts, (QStringList{"PC-02", "PC-09"}));
        QCOMPARE(ClassOverview::bestText(*p.best[0]), QStringLiteral("27.50"));
        QCOMPARE(ClassOverview::whenText(*p.best[0]), QStringLiteral("2026-12-03 09:00"));
        QVERIFY(!p.best[1]); // level 2 was never won
        QCOMPARE(ClassOverview::bestText(*p.best[6]), QStringLiteral("61"));
        QCOMPARE(ClassOverview::bestText(*p.best[8]), QStringLiteral("80 · 55.10"));
        // A range of days keeps only its rounds.
        const auto week =
            ClassOverview::pupils(reader.rounds(), {QDate(2026, 12, 1), QDate(2026, 12, 2)});
        QCOMPARE(week.front().rounds, 2);
        QCOMPARE(ClassOverview::bestText(*week.front().best[0]), QStringLiteral("30.00"));
        const auto nine = ClassOverview::roundsOf(reader.rounds(), {QStringLiteral("小红")}, 9, {});
        QCOMPARE(nine.size(), std::size_t(3));
        // Sorted by best, one number more outweighs any duration: 80 in 55.10
        // before 79 in 40.00.
        QVERIFY(ClassOverview::bestSortKey(*nine[1]) < ClassOverview::bestSortKey(*nine[2]));
    }

    // Names in a Chinese class list's order: by pinyin, numbers by value.
    void pupilsInAClassListsOrder()
    {
        // The order is the system's Chinese collation (ICU on Linux,
        // Windows' own); Wine's has no pinyin order.
        QCollator chinese(QLocale(QLocale::Chinese, QLocale::China));
        if (chinese.compare(QStringLiteral("安"), QStringLiteral("何")) > 0)
            QSKIP("this system's Chinese collation has no pinyin order");
        QByteArray file = kHeader;
        for (const char *name : {"周", "学生10", "何", "学生2", "安", "孙"})
            file += QByteArray(kRound).replace("王芳", name);
        const std::unique_ptr<LogReader> reader = read(file);
        QVERIFY(reader);
        QStringList names;
        for (const ClassOverview::Pupil &p : ClassOverview::pupils(reader->rounds(), {}))
            names << p.name;
        QCOMPARE(names, (QStringList{"安", "何", "孙", "学生2", "学生10", "周"}));
    }

    // A file without rounds says why: none yet, or not a class log at all.
    void fileWithoutRounds_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("said");
        QTest::newRow("empty") << QByteArray() << "这个班级记录里还没有成绩";
        QTest::newRow("the header alone") << kHeader << "这个班级记录里还没有成绩";
        QTest::newRow("binary junk")
            << QByteArray("\x89PNG\r\n\x1a\n\0\0\x0dIHDR", 16) << "这个文件不是班级记录";
        QTest::newRow("another table")
            << QByteArray("Name;Score\nAnna;12\n") << "这个文件不是班级记录";
    }
    void fileWithoutRounds()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, said);
        const std::unique_ptr<LogReader> reader = read(file);
        QVERIFY(reader);
        QVERIFY2(ClassOverview::summaryText({}, *reader).startsWith(said),
                 qPrintable(ClassOverview::summaryText({}, *reader)));
        QCOMPARE(ClassOverview::skippedText(*reader), QString());
    }

private:
    // A log holding these bytes, read once; null where it could not be read.
    std::unique_ptr<LogReader> read(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("class.csv"));
        write(path, bytes);
        auto reader = std::make_unique<LogReader>(path);
        return reader->read() ? nullptr : std::move(reader);
    }

    static void write(const QString &path, const QByteArray &bytes, bool append = false)
    {
        QFile f(path);
        QVERIFY(f.open(append ? QIODevice::Append : QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(append ? bytes.mid(QFileInfo(path).size()) : bytes);
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestClassOverview)
#include "tst_classoverview.moc"
