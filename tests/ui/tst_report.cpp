// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/leveltable.h"
#include "challenges/roundhistory.h"
#include "fakeclock.h"
#include "modal.h"
#include "ui/answerbox.h"
#include "ui/challengerun.h"
#include "ui/challengewindow.h"
#include "ui/fonts.h"
#include "ui/linklabel.h"
#include "ui/report/rhythmchart.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
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
