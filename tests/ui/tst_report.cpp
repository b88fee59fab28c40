// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/leveltable.h"
#include "challenges/roundhistory.h"
#include "classlog/classlist.h"
#include "classlog/csvline.h"
#include "core/translation.h"
#include "fakeclock.h"
#include "modal.h"
#include "ui/answerbox.h"
#include "ui/challengerun.h"
#include "ui/challengewindow.h"
#include "ui/fonts.h"
#include "ui/linklabel.h"
#include "ui/report/reportwindow.h"
#include "ui/report/rhythmchart.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString text(QWidget *w, const char *name)
{
    return child<QLabel>(w, name)->text();
}

QString allTexts(QWidget *w)
{
    QStringList shown;
    for (QLabel *label : w->findChildren<QLabel *>())
        shown << label->text();
    return shown.join(QLatin1Char('\n'));
}

// A button by the text it shows, as a screen reader names it.
void press(QWidget *window, const QString &caption)
{
    for (QPushButton *b : window->findChildren<QPushButton *>()) {
        if (b->text() == caption) {
            QTest::mouseClick(b, Qt::LeftButton);
            return;
        }
    }
    QFAIL(qPrintable(caption));
}

// Saves through the file dialog under path.
// Returns the folder the dialog opened in.
QString saveAs(QWidget *report, const QString &button, const QString &path)
{
    QString opened;
    whenShown<QFileDialog>([path, &opened](QFileDialog *files) {
        opened = files->directory().absolutePath();
        files->selectFile(path);
        static_cast<QDialog *>(files)->accept();
    });
    press(report, button);
    return opened;
}

} // namespace

// The report of a short level-9 round played in its window: opened from the
// link, read, saved as a picture and a PDF (also where it cannot be saved),
// printed, copied, and closed, leaving the screen as it was.
class TestReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Fonts::installSubstitutions();
        // The file dialog's settings are the test's own, and wiped.
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(settingsFile());
    }

    // Three numbers in 0.40 s of finding and 0.10 s of typing each, then a
    // wrong one 0.30 s after the last Enter.
    void init()
    {
        m_clock = std::make_unique<FakeClock>();
        m_history = std::make_unique<RoundHistory>();
        m_run = std::make_unique<ChallengeRun>(*m_clock, *m_history);
        m_window = m_run->open(*LevelTable::screen(9), {9, QStringLiteral("马小明")});
        ChallengeWindow *w = m_window.get();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QVERIFY(!link()->isVisible());
        clickButton(w, "Command1");
        auto *box = child<AnswerBox>(w, "Text1");
        for (int n = 1; n <= 3; ++n) {
            m_clock->advance(400);
            tick(w);
            QTest::keyClicks(box, QString::number(n));
            m_clock->advance(100);
            QTest::keyClick(box, Qt::Key_Return);
        }
        m_clock->advance(300);
        QTest::keyClicks(box, QStringLiteral("7"));
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(link()->isVisible());
    }
    void cleanup()
    {
        m_window.reset();
        m_run.reset();
    }

    // In the pupil's language: the screen's message at the round's end, the
    // report's title and how the round ended.
    void inEachLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("zh_TW") << int(Translation::Language::TraditionalChinese)
                               << QStringList{"數字輸入錯誤，挑戰結束！", "本輪分析",
                                              "數字錯誤 · "};
        QTest::newRow("en") << int(Translation::Language::English)
                            << QStringList{"Wrong number! Round over!", "Round report",
                                           "Wrong number · "};
    }
    void inEachLanguage()
    {
        QFETCH(int, language);
        QFETCH(QStringList, expected);
        Translation::use(Translation::Language(language));
        cleanup();
        init();
        QCOMPARE(text(m_window.get(), "Label1"), expected[0]);
        inReport([&](QDialog *report) {
            QCOMPARE(report->windowTitle(), expected[1]);
            QVERIFY2(allTexts(report).contains(expected[2]), qPrintable(allTexts(report)));
            report->close();
        });
        Translation::use(Translation::Language::SimplifiedChinese);
    }

    // Who played, how it ended and the result as the screen showed it; the
    // figures in a pupil's words; the chart points out the first number
    // (timed from Start) and the stretch that ended the round.
    void reportOfARoundPlayedInTheWindow()
    {
        const QStringList before{text(m_window.get(), "Label1"), text(m_window.get(), "Label6"),
                                 text(m_window.get(), "Label9(10)")};
        inReport([&](QDialog *report) {
            QCOMPARE(report->objectName(), QStringLiteral("FormReport"));
            QCOMPARE(report->windowTitle(), QStringLiteral("本轮分析"));
            const QString all = allTexts(report);
            QVERIFY2(all.contains(QStringLiteral("马小明 · 9级 · 2026-12-08")), qPrintable(all));
            // The duration the screen showed last, as its best duration took it.
            QCOMPARE(text(m_window.get(), "Label21") + QLatin1Char('.') +
                         text(m_window.get(), "Label23"),
                     QStringLiteral("1.40"));
            QVERIFY2(all.contains(QStringLiteral("数字错误 · 成绩 3 个数字，持续 1.40 秒")),
                     qPrintable(all));
            QVERIFY2(all.contains(QStringLiteral("平常每个数字\n0.50 秒（找 0.40 + 打 0.10）")),
                     qPrintable(all));
            QVERIFY(!all.contains(QStringLiteral("中位")) && !all.contains(QStringLiteral("失误")));
            auto pointedAt = [report](Qt::Key key) {
                QTest::keyClick(report->findChild<RhythmChart *>(), key);
                return allTexts(report);
            };
            QVERIFY(pointedAt(Qt::Key_Home).contains(QStringLiteral("第 1 个数字：共 0.50 秒")));
            QVERIFY(
                pointedAt(Qt::Key_End)
                    .contains(QStringLiteral("结束（数字错误）：最后一个正确数字之后 0.30 秒")));
            QTest::keyClick(report, Qt::Key_Escape);
            QVERIFY(!report->isVisible());
        });
        QCOMPARE((QStringList{text(m_window.get(), "Label1"), text(m_window.get(), "Label6"),
                              text(m_window.get(), "Label9(10)")}),
                 before);
        // The focus is back on Play again, not on the link, where the next
        // Enter would open the report again.
        QCOMPARE(m_window->focusWidget(), child<QWidget>(m_window.get(), "Command3"));
    }

    // Saved where the pupil chooses: a picture at the screen's density, a
    // PDF whose text stays text, neither with the screen's hint; where it
    // cannot be written, the reason in words the pupil reads.
    void savedAsPictureAndPdf()
    {
        QTemporaryDir dir;
        inReport([&](QDialog *report) {
            const QString picture = dir.filePath(QStringLiteral("round.png"));
            saveAs(report, QStringLiteral("保存图片"), picture);
            const QImage image(picture);
            QVERIFY(image.width() > 400 && image.height() > 300);
            QVERIFY(allTexts(report).contains(QStringLiteral("已保存：")));

            const QString unwritable = dir.filePath(QStringLiteral("没有/report.png"));
            QString warning;
            whenShown<QMessageBox>([&](QMessageBox *box) { warning = box->text(); });
            saveAs(report, QStringLiteral("保存图片"), unwritable);
            QVERIFY2(warning.contains(unwritable), qPrintable(warning));
            QVERIFY2(warning.contains(QStringLiteral("原因：文件所在的文件夹不存在")),
                     qPrintable(warning));

            // In the folder of the last save, not of the failed one.
            const QString pdf = dir.filePath(QStringLiteral("round.pdf"));
            QCOMPARE(saveAs(report, QStringLiteral("保存PDF"), pdf),
                     QDir(dir.path()).absolutePath());
            QProcess pdftotext;
            pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
            QVERIFY(pdftotext.waitForFinished(30000));
            const QString pdfText = QString::fromUtf8(pdftotext.readAllStandardOutput());
            QVERIFY2(pdfText.contains(QStringLiteral("马小明")) &&
                         pdfText.contains(QStringLiteral("平常每个数字")),
                     qPrintable(pdfText));
            QVERIFY(!pdfText.contains(QStringLiteral("把鼠标移到柱子")));
        });
        // Nothing of the file dialog stays in the user's settings.
        QVERIFY(!QFile::exists(settingsFile()));
    }

    // Printing loads its module and asks for a printer; copying gives the
    // figures, then every number's times as columns for a spreadsheet.
    void printedAndCopied()
    {
        inReport([&](QDialog *report) {
            bool asked = false;
            whenShown<QDialog>(
                [&](QDialog *printDialog) { asked = printDialog->inherits("QPrintDialog"); });
            press(report, QStringLiteral("打印"));
            QVERIFY(asked);

            press(report, QStringLiteral("复制"));
            const QString copied = QApplication::clipboard()->text();
            QVERIFY2(copied.contains(QStringLiteral("马小明")), qPrintable(copied));
            QVERIFY2(copied.contains(QStringLiteral("正确数字：3")), qPrintable(copied));
            QVERIFY2(copied.endsWith(QStringLiteral("数字\t找数字(秒)\t打数字(秒)\t共(秒)\n"
                                                    "1\t0.40\t0.10\t0.50\n2\t0.40\t0.10\t0.50\n"
                                                    "3\t0.40\t0.10\t0.50\n")),
                     qPrintable(copied));
            QVERIFY(allTexts(report).contains(QStringLiteral("已复制")));
        });
    }

    // The pupil's progress at the level, from the class log and this run's
    // rounds (those on their way to the file counted once), in his words;
    // in the report's copy and its PDF too.
    void progressInThePupilsWords_data()
    {
        QTest::addColumn<QByteArray>("earlier"); // the log's lines before this run
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<int>>("run"); // hundredths of a won race, or numbers
        QTest::addColumn<int>("logged");     // of this run's rounds, those in the file
        QTest::addColumn<QString>("said");
        QTest::addColumn<QByteArray>("list"); // the class list
        auto line = [](const char *day, int level, const char *ending, const char *result,
                       int numbers, const char *duration) {
            return QByteArray(day) + "T09:00:00+08:00,PC-09,马小明," + QByteArray::number(level) +
                   ',' + ending + ',' + result + ',' + QByteArray::number(numbers) + ',' +
                   duration + ",500,0\r\n";
        };
        const QByteArray twoRaces = line("2026-12-01", 3, "挑战成功", "80.00", 150, "80.00") +
                                    line("2026-12-05", 3, "挑战成功", "95.00", 150, "95.00") +
                                    line("2026-12-06", 4, "挑战成功", "70.00", 200, "70.00");
        QTest::newRow("a first round")
            << twoRaces << 5 << QList<int>{12000} << 0 << "这是你第一次玩 5 级。" << QByteArray();
        QTest::newRow("better than last time")
            << twoRaces << 3 << QList<int>{9000} << 1
            << "这是你第 3 次玩 3 级。最好成绩 80.00 秒（12 月 1 日）。这一轮比上一次快 5.00 秒。"
            << QByteArray();
        QTest::newRow("a new best")
            << twoRaces << 3 << QList<int>{7550} << 0
            << "这是你第 3 次玩 3 级。记录又被刷新!这一轮比上一次快 19.50 秒。" << QByteArray();
        QTest::newRow("levels 7-9 in numbers")
            << line("2026-12-01", 8, "数字错误", "57", 57, "60.00") +
                   line("2026-12-05", 8, "数字错误", "40", 40, "41.00")
            << 8 << QList<int>{52} << 0
            << "这是你第 3 次玩 8 级。最好成绩 57 个数字（12 月 1 日）。这一轮比上一次多 12 "
               "个数字。"
            << QByteArray();
        QTest::newRow("this run's rounds, one not in the file yet")
            << twoRaces << 3 << QList<int>{9000, 9600} << 1
            << "这是你第 4 次玩 3 级。最好成绩 80.00 秒（12 月 1 日）。这一轮比上一次慢 6.00 秒。"
            << QByteArray();
        QTest::newRow("a log that cannot be read")
            << QByteArray("missing") << 3 << QList<int>{9000} << 0
            << "现在读不到班级记录，看不到以前的成绩。" << QByteArray();
        // Rounds logged under a name the class list counts as his.
        QTest::newRow("a name the class list counts as his")
            << QByteArray(twoRaces).replace("马小明", "马 小明") << 3 << QList<int>{9000} << 1
            << "这是你第 3 次玩 3 级。最好成绩 80.00 秒（12 月 1 日）。这一轮比上一次快 5.00 秒。"
            << QByteArray("7,马小明\n马 小明=马小明\n");
    }
    void progressInThePupilsWords()
    {
        QFETCH(QByteArray, earlier);
        QFETCH(int, level);
        QFETCH(QList<int>, run);
        QFETCH(int, logged);
        QFETCH(QString, said);
        QFETCH(QByteArray, list);
        QTemporaryDir dir;
        const QString log = dir.filePath(earlier == "missing" ? "missing/log.csv" : "log.csv");
        RoundHistory history;
        QByteArray file = CsvLine::header() + earlier;
        const bool race = level <= 6;
        for (int i = 0; i < run.size(); ++i) {
            RoundRecord r;
            r.level = level;
            r.name = QStringLiteral("马小明");
            r.started = QDateTime::currentDateTime().addSecs(60 * (i - run.size()));
            r.ending = race ? RoundEnding::Success : RoundEnding::WrongNumber;
            r.durationMs = race ? run[i] * 10 : 60'000;
            r.result = race ? QString::number(run[i] / 100.0, 'f', 2) : QString::number(run[i]);
            r.numbers.assign(std::size_t(race ? 50 * level : run[i]), {100, 200});
            const RoundRecord &added = history.add(r);
            if (i < logged)
                file += CsvLine::round(added, QSysInfo::machineHostName());
        }
        QFile out(log);
        if (out.open(QIODevice::WriteOnly))
            out.write(file);
        out.close();
        const ClassRecords records{{log}, ClassList::parse(list)};
        ReportWindow report(history, history.rounds().back(), &records);
        report.show();
        auto *part = report.findChild<QWidget *>(QStringLiteral("progressPart"));
        QVERIFY(part);
        const auto shown = [part] {
            for (QLabel *label : part->findChildren<QLabel *>()) {
                if (label->accessibleName() == QStringLiteral("我的进步"))
                    return label->text();
            }
            return QString();
        };
        QTRY_COMPARE(shown(), said);
        press(&report, QStringLiteral("复制"));
        QCOMPARE(QApplication::clipboard()->text().contains(said), QFile::exists(log));
        const QString pdf = dir.filePath(QStringLiteral("round.pdf"));
        saveAs(&report, QStringLiteral("保存PDF"), pdf);
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(30000));
        // Where the text wraps, the PDF's text has no space.
        const auto bare = [](QString t) {
            return t.remove(QLatin1Char('\n')).remove(QLatin1Char(' '));
        };
        const QString inPdf = bare(QString::fromUtf8(pdftotext.readAllStandardOutput()));
        QVERIFY2(inPdf.contains(bare(said)) == QFile::exists(log), qPrintable(inPdf));
    }

private:
    LinkLabel *link() { return child<LinkLabel>(m_window.get(), "lblReport"); }

    static QString settingsFile()
    {
        return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
            .filePath(QStringLiteral("QtProject.conf"));
    }

    // Opens the report from the link and runs body in it.
    void inReport(std::function<void(QDialog *)> body)
    {
        bool opened = false;
        whenShown<QDialog>([&](QDialog *report) {
            opened = true;
            body(report);
        });
        QTest::mouseClick(link(), Qt::LeftButton);
        QVERIFY(opened);
    }

    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<RoundHistory> m_history;
    std::unique_ptr<ChallengeRun> m_run;
    std::unique_ptr<ChallengeWindow> m_window;
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
