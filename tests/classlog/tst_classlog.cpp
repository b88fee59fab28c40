// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classlog/classlog.h"
#include "classlog/classlogpath.h"
#include "classlog/csvline.h"
#include "classlog/outbox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <numeric>

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

QByteArray read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

RoundRecord round(const QString &name, const QString &result = QStringLiteral("3"))
{
    RoundRecord r;
    r.level = 2;
    r.name = name;
    r.started = QDateTime(QDate(2026, 12, 8), QTime(9, 30, 5));
    r.ending = RoundEnding::WrongNumber;
    r.result = result;
    r.durationMs = 1507;
    r.numbers = {{300, 500}, {800, 1000}, {1200, 1500}};
    return r;
}

// The data lines of a log: each must end in CRLF, none may be torn.
QList<QByteArray> dataLines(const QByteArray &file)
{
    QList<QByteArray> lines = file.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (!lines.isEmpty())
        lines.removeFirst(); // the header
    return lines;
}

QByteArray line(const RoundRecord &r)
{
    return CsvLine::round(r, QSysInfo::machineHostName());
}

Failure append(const ClassLog &log, const RoundRecord &r)
{
    return log.write({line(r)}).failure;
}

QProcess *writer(const QString &path, int count, const QString &name)
{
    auto *p = new QProcess;
    p->start(QStringLiteral(CLASSLOG_WRITER), {path, QString::number(count), name});
    return p;
}

} // namespace

// The class log as a teacher's spreadsheet and thirty writers meet it.
class TestClassLog : public QObject {
    Q_OBJECT
private slots:
    // RFC 4180 cells; a text cell a spreadsheet would evaluate is kept text.
    void cells_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("cell");
        QTest::newRow("plain") << "小明"
                               << "小明";
        QTest::newRow("comma") << "李,雷"
                               << "\"李,雷\"";
        QTest::newRow("quotes") << "王\"小\""
                                << "\"王\"\"小\"\"\"";
        QTest::newRow("blanks around, kept by the quotes") << " 小明 "
                                                           << "\" 小明 \"";
        QTest::newRow("line break") << "一\n二"
                                    << "\"一\n二\"";
        QTest::newRow("formula") << "=1+1"
                                 << "'=1+1";
        QTest::newRow("plus") << "+86"
                              << "'+86";
        QTest::newRow("minus") << "-2+3"
                               << "'-2+3";
        QTest::newRow("at") << "@SUM(A1)"
                            << "'@SUM(A1)";
        QTest::newRow("tab") << "\t=1"
                             << "'\t=1";
        QTest::newRow("carriage return") << "\r=1"
                                         << "\"'\r=1\"";
        QTest::newRow("formula with comma") << "=HYPERLINK(\"x\",1)"
                                            << "\"'=HYPERLINK(\"\"x\"\",1)\"";
    }
    void cells()
    {
        QFETCH(QString, value);
        QFETCH(QString, cell);
        QCOMPARE(CsvLine::field(value, true), cell);
    }

    void aRoundsLine()
    {
        const QDateTime start(QDate(2026, 12, 8), QTime(9, 30, 5));
        const int offset = start.offsetFromUtc();
        const QString zone = offset == 0
                                 ? QStringLiteral("Z")
                                 : QStringLiteral("%1%2:%3")
                                       .arg(offset < 0 ? '-' : '+')
                                       .arg(qAbs(offset) / 3600, 2, 10, QLatin1Char('0'))
                                       .arg(qAbs(offset) % 3600 / 60, 2, 10, QLatin1Char('0'));
        QCOMPARE(
            QString::fromUtf8(
                CsvLine::round(round(QStringLiteral("李,雷")), QStringLiteral("pc-07"))),
            QStringLiteral("2026-12-08T09:30:05%1,pc-07,\"李,雷\",2,数字错误,3,3,1.50,500,0\r\n")
                .arg(zone));
        // A name a spreadsheet would evaluate stays text.
        QVERIFY(CsvLine::round(round(QStringLiteral("=1+1")), QStringLiteral("pc-07"))
                    .contains(",pc-07,'=1+1,2,"));
    }

    // A new file starts with a byte-order mark and the header, and is made
    // for a class: owner and group write, others read. Later lines only
    // append. A file that is not ours is never cut: lines go after it.
    void newOursAndForeignFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("class.csv"));
        ClassLog log(path);
        QVERIFY(!log.check());
        QVERIFY(!append(log, round(QStringLiteral("甲"))));
        QVERIFY(!append(log, round(QStringLiteral("乙"))));
        const QByteArray file = read(path);
        QVERIFY(file.startsWith(kBom + CsvLine::header()));
        QCOMPARE(file.count(kBom), 1);
        QCOMPARE(dataLines(file).size(), 2);
#ifndef Q_OS_WIN // Windows keeps no owner, group and other modes
        QCOMPARE(QFile::permissions(path) &
                     (QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
                 QFile::WriteGroup | QFile::ReadOther);
#endif

        const QString foreign = dir.filePath(QStringLiteral("theirs.csv"));
        write(foreign, "Name;Score\nAnna;12");
        ClassLog theirs(foreign);
        QVERIFY(!append(theirs, round(QStringLiteral("丙"))));
        const QByteArray after = read(foreign);
        QVERIFY(after.startsWith("Name;Score\nAnna;12\r\n"));
        QVERIFY(!after.contains(kBom));
        QVERIFY(after.endsWith(line(round(QStringLiteral("丙")))));
    }

    // A writer stopped in the middle of a line of ours: the next writer
    // takes the torn piece away, also in a file begun by an earlier version,
    // whose header stays as it was.
    void tornLineOfOursIsTakenAway_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("this version's file") << CsvLine::header();
        QTest::newRow("an earlier version's file")
            << QByteArray("开始时间,计算机,姓名,级别,结束方式,成绩,正确数字,用时(秒),"
                          "中位用时(毫秒),失误\r\n");
    }
    void tornLineOfOursIsTakenAway()
    {
        QFETCH(QByteArray, header);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("class.csv"));
        const QByteArray whole = CsvLine::round(round(QStringLiteral("甲")), QStringLiteral("a"));
        write(path, kBom + header + whole + whole.left(20));
        ClassLog log(path);
        QVERIFY(!append(log, round(QStringLiteral("乙"))));
        QVERIFY(read(path).startsWith(kBom + header + whole));
        const QList<QByteArray> lines = dataLines(read(path));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0] + '\n', whole);
    }

    // Where the log goes: the command line first, then the administrator's
    // setting for the computer (a file on Linux, the registry on Windows);
    // ~/ and environment variables are expanded.
    void configuredPaths()
    {
        QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, settings.path());
        QSettings system(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("tavrino"),
                         QStringLiteral("tavrino"));
        system.remove(QStringLiteral("log"));
        system.sync();
        QCOMPARE(configuredLogPath(QString()), QString());
        qputenv("TAVRINO_ROOM", "12");
        system.setValue(QStringLiteral("log"),
                        QStringLiteral("~/room ${TAVRINO_ROOM}/$TAVRINO_ROOM-%TAVRINO_ROOM%.csv"));
        system.sync();
        QCOMPARE(configuredLogPath(QString()),
                 QDir::homePath() + QStringLiteral("/room 12/12-12.csv"));
        system.remove(QStringLiteral("log"));
        // Rounds wait in the account's own folder unless the administrator
        // names one.
        QCOMPARE(configuredOutboxFolder(),
                 QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
        system.setValue(QStringLiteral("outbox"), QStringLiteral("~/kept/$TAVRINO_ROOM"));
        system.sync();
        QCOMPARE(configuredOutboxFolder(), QDir::homePath() + QStringLiteral("/kept/12"));
        system.remove(QStringLiteral("outbox"));
        QCOMPARE(configuredLogPath(QStringLiteral("~/mine.csv")),
                 QDir::homePath() + QStringLiteral("/mine.csv"));
        QCOMPARE(expandPath(QStringLiteral("/a/$NOT_SET_ANYWHERE/b.csv")),
                 QStringLiteral("/a//b.csv"));
        // Dollar and percent signs that name no variable stay.
        QCOMPARE(expandPath(QStringLiteral("/a/$/b${c/$1")), QStringLiteral("/a/$/b${c/$1"));
        QCOMPARE(expandPath(QStringLiteral("/a/50%/%NOT_SET_ANYWHERE%.csv")),
                 QStringLiteral("/a/50%/%NOT_SET_ANYWHERE%.csv"));
    }

#ifdef TAVRINO_POLICY_DIR
    // The group-policy template writes the value the program reads, and
    // each language file names every text and box the template refers to.
    void policyTemplateWritesWhatTheProgramReads()
    {
        const QString ns =
            QStringLiteral("http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions");
        auto parse = [&](const QString &name, auto &&visit) {
            QFile file(QStringLiteral(TAVRINO_POLICY_DIR "/") + name);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
            QXmlStreamReader xml(&file);
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                QCOMPARE(xml.namespaceUri().toString(), ns);
                visit(xml);
            }
            QVERIFY2(!xml.hasError(), qPrintable(name + QLatin1Char(' ') + xml.errorString()));
        };
        QSet<QString> values, texts, boxes;
        static const QRegularExpression reference(
            QStringLiteral("^\\$\\((string|presentation)\\.(.+)\\)$"));
        parse(QStringLiteral("tavrino.admx"), [&](QXmlStreamReader &xml) {
            const QXmlStreamAttributes attributes = xml.attributes();
            if (xml.name() == QLatin1String("policy"))
                values << attributes.value(QLatin1String("key")).toString();
            if (attributes.hasAttribute(QLatin1String("valueName")))
                values << attributes.value(QLatin1String("valueName")).toString();
            for (const QXmlStreamAttribute &attribute : attributes) {
                const auto match = reference.match(attribute.value());
                if (match.hasMatch())
                    (match.captured(1) == QLatin1String("string") ? texts : boxes)
                        << match.captured(2);
            }
        });
        QCOMPARE(values,
                 (QSet<QString>{QLatin1String(kLogPolicyKey), QLatin1String(kLogValueName),
                                QLatin1String(kOutboxValueName), QLatin1String(kRosterValueName),
                                QLatin1String(kLanguageValueName)}));
        for (const QString &language : {QStringLiteral("zh-CN"), QStringLiteral("en-US")}) {
            QSet<QString> named;
            parse(language + QStringLiteral("/tavrino.adml"), [&](QXmlStreamReader &xml) {
                if (xml.name() == QLatin1String("string") ||
                    xml.name() == QLatin1String("presentation"))
                    named << xml.attributes().value(QLatin1String("id")).toString();
            });
            QVERIFY2(named.contains(texts + boxes), qPrintable(language));
        }
    }
#endif

    // A path that cannot be used is said so, with its reason.
    void unusablePaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "%1/missing/class.csv"
                                        << "文件所在的文件夹不存在";
        QTest::newRow("a folder") << "%1"
                                  << "这是一个文件夹，不是文件";
#ifndef Q_OS_WIN
        // /proc takes no new files, not even from root.
        QTest::newRow("a file system that takes no files") << "/proc/tavrino-class.csv"
                                                           << "无法写入";
#endif
    }
    void unusablePaths()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        ClassLog log(path.contains(QLatin1String("%1")) ? path.arg(dir.path()) : path);
        const QString said = log.check().value_or(QString());
        QVERIFY2(said.startsWith(reason), qPrintable(said));
    }

    // A write that fails (a full disk) goes in whole or not at all; the
    // same lines go in once the disk has room again.
    void fullDiskTakesNothing()
    {
        if (!QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full here");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("class.csv"));
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), path));
        ClassLog log(path);
        const std::vector<QByteArray> lines{line(round(QStringLiteral("甲"))),
                                            line(round(QStringLiteral("乙")))};
        QCOMPARE(log.write(lines).failure, std::optional(QStringLiteral("磁盘已满")));
        // The disk has room again.
        QVERIFY(QFile::remove(path));
        QVERIFY(!log.write(lines).failure);
        const QByteArray file = read(path);
        QVERIFY(file.startsWith(kBom + CsvLine::header()));
        QCOMPARE(dataLines(file).size(), 2);
    }

    // Lines wait on this computer whole: a last line cut short by a power
    // cut is set aside, never handed on, and the outbox keeps the whole
    // ones; with nothing left to wait, it goes.
    void outboxSetsATornLineAside()
    {
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("class.csv"));
        const Outbox outbox(dir.filePath(QStringLiteral("here")), log);
        const std::vector<QByteArray> lines{line(round(QStringLiteral("李,雷"))),
                                            line(round(QStringLiteral("一\r\n二")))};
        QVERIFY(!outbox.store(lines));
        QCOMPARE(outbox.load().lines, lines);
        const QByteArray whole = read(outbox.path());
        const QByteArray torn = line(round(QStringLiteral("丙"))).left(30);
        QFile file(outbox.path());
        QVERIFY(file.open(QIODevice::Append));
        file.write(torn);
        file.close();
        QCOMPARE(outbox.load().lines, lines);
        QCOMPARE(read(outbox.path()), whole);
        QCOMPARE(read(outbox.path() + QStringLiteral(".torn")), torn + '\n');
        QVERIFY(!outbox.store({}));
        QVERIFY(!QFile::exists(outbox.path()));
        QVERIFY(outbox.load().lines.empty());
#ifndef Q_OS_WIN
        // A folder that takes no file keeps nothing, and says so.
        QVERIFY(Outbox(QStringLiteral("/proc/tavrino-outbox"), log).store(lines));
#endif
    }

    // A computer room: thirty copies appending 200 rounds each to one file
    // while another is killed in the middle of its writing. Every line of the
    // living copies is there once, whole, in its copy's order; the killed
    // copy left whole lines only.
    void aRoomOfWritersOneFile()
    {
#ifdef Q_OS_WIN
        const int writers = 4; // each process starts slowly under Wine
#else
        const int writers = 30;
#endif
        const int rounds = 200;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("class.csv"));
        QElapsedTimer timer;
        timer.start();
        std::unique_ptr<QProcess> doomed(writer(path, 1'000'000, QStringLiteral("K")));
        std::vector<std::unique_ptr<QProcess>> room;
        for (int w = 0; w < writers; ++w)
            room.emplace_back(writer(path, rounds, QStringLiteral("W%1").arg(w)));
        QTRY_VERIFY_WITH_TIMEOUT(read(path).count(",K,") > 20, 60'000);
        doomed->kill();
        QVERIFY(doomed->waitForFinished(10'000));
        for (const auto &p : room) {
            QVERIFY(p->state() == QProcess::NotRunning || p->waitForFinished(120'000));
            QCOMPARE(p->exitStatus(), QProcess::NormalExit);
            QCOMPARE(p->exitCode(), 0);
        }
        const qint64 ms = timer.elapsed();
        QMap<QByteArray, QList<int>> results;
        const QList<QByteArray> lines = dataLines(read(path));
        for (const QByteArray &line : lines) {
            QVERIFY2(line.endsWith('\r'), line.constData());
            const QList<QByteArray> cells = line.chopped(1).split(',');
            QCOMPARE(cells.size(), 10);
            results[cells[2]].append(cells[5].toInt());
        }
        QList<int> inOrder(rounds);
        std::iota(inOrder.begin(), inOrder.end(), 1);
        for (int w = 0; w < writers; ++w)
            QCOMPARE(results.value(QStringLiteral("W%1").arg(w).toLatin1()), inOrder);
        qInfo("%d writers and a killed one, %lld lines, %lld ms, 0 lost", writers, lines.size(),
              ms);
    }

    // A writer killed in the middle leaves whole lines only, and its lock
    // does not keep the next writer out: at once when it names the dead
    // process, within the stale time when it was killed while making it.
    void killedWriterLeavesWholeLines()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("class.csv"));
        std::unique_ptr<QProcess> doomed(writer(path, 1'000'000, QStringLiteral("K")));
        QTRY_VERIFY_WITH_TIMEOUT(read(path).count('\n') > 50, 30'000);
        doomed->kill(); // SIGKILL on Unix, TerminateProcess on Windows
        QVERIFY(doomed->waitForFinished(10'000));
        std::unique_ptr<QProcess> next(writer(path, 10, QStringLiteral("N")));
        QVERIFY(next->waitForFinished(60'000));
        QCOMPARE(next->exitCode(), 0);
        const QList<QByteArray> lines = dataLines(read(path));
        int fromNext = 0;
        for (const QByteArray &line : lines) {
            QVERIFY2(line.endsWith('\r') && line.count(',') == 9, line.constData());
            fromNext += line.split(',').at(2) == "N" ? 1 : 0;
        }
        QCOMPARE(fromNext, 10);
    }
};

QTEST_GUILESS_MAIN(TestClassLog)
#include "tst_classlog.moc"
