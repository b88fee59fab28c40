// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/roundhistory.h"
#include "fakeclock.h"
#include "modal.h"
#include "ui/answerbox.h"
#include "ui/challengescreens.h"
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

// Runs body on the next modal window once it shows, then closes it if body
// left it open.
template <typename Window> void whenShown(std::function<void(Window *)> body)
{
    QTimer::singleShot(0, [body] {
        auto *w = qobject_cast<Window *>(QApplication::activeModalWidget());
        QVERIFY(w);
        body(w);
        if (w->isVisible())
            w->reject();
    });
}

QString text(QWidget *w, const char *name)
{
    return child<QLabel>(w, name)->text();
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

} // namespace

// A short level-9 round played in its window; its report opened from the
// link, saved as a picture (also where it cannot be saved), copied as text
// and closed, leaving the screen as it was.
class TestReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Fonts::installSubstitutions();
        // The file dialog keeps no folder of an earlier run: its settings
        // are the test's own, and wiped.
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                          .filePath(QStringLiteral("QtProject.conf")));
    }

    void reportOfARoundPlayedInTheWindow()
    {
        FakeClock clock;
        RoundHistory history;
        ChallengeScreens screens(clock, history);
        const std::unique_ptr<ChallengeWindow> w =
            screens.open(ChallengeScreen::Endurance, {9, QStringLiteral("小明"), QString()});
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto *link = child<LinkLabel>(w.get(), "lblReport");
        QVERIFY(!link->isVisible());
        clickButton(w.get(), "Command1");
        QVERIFY(!link->isVisible());
        auto *box = child<AnswerBox>(w.get(), "Text1");
        for (int n = 1; n <= 3; ++n) {
            clock.advance(400);
            w->tick();
            QTest::keyClicks(box, QString::number(n));
            clock.advance(100);
            QTest::keyClick(box, Qt::Key_Return);
        }
        clock.advance(300);
        QTest::keyClicks(box, QStringLiteral("7"));
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(link->isVisible());
        const QStringList before{text(w.get(), "Label1"), text(w.get(), "Label6"),
                                 text(w.get(), "Label9(10)"), box->text()};

        QTemporaryDir dir;
        const QString saved = dir.filePath(QStringLiteral("round.png"));
        bool opened = false;
        whenShown<QDialog>([&](QDialog *report) {
            opened = true;
            QCOMPARE(report->objectName(), QStringLiteral("FormReport"));
            QCOMPARE(report->windowTitle(), QStringLiteral("本轮分析"));
            QStringList shown;
            for (QLabel *label : report->findChildren<QLabel *>())
                shown << label->text();
            const QString all = shown.join(QLatin1Char('\n'));
            QVERIFY2(all.contains(QStringLiteral("小明 · 9级 · 2026-12-08")), qPrintable(all));
            // The duration the screen showed last, as its best duration took it.
            QCOMPARE(text(w.get(), "Label21") + QLatin1Char('.') + text(w.get(), "Label23"),
                     QStringLiteral("1.40"));
            QVERIFY2(all.contains(QStringLiteral("数字错误 · 成绩 3 个数字，持续 1.40 秒")),
                     qPrintable(all));
            // In a pupil's words: the second and third number, not the
            // first, give the typical time.
            QVERIFY2(all.contains(QStringLiteral("平常每个数字\n0.50 秒（找 0.40 + 打 0.10）")),
                     qPrintable(all));
            QVERIFY(!all.contains(QStringLiteral("中位")) && !all.contains(QStringLiteral("失误")));
            // The chart points out the first number, timed from Start, and
            // the stretch that ended the round after the last number.
            auto pointedAt = [report](Qt::Key key) {
                QTest::keyClick(report->findChild<RhythmChart *>(), key);
                QStringList texts;
                for (QLabel *label : report->findChildren<QLabel *>())
                    texts << label->text();
                return texts.join(QLatin1Char('\n'));
            };
            QVERIFY(pointedAt(Qt::Key_Home).contains(QStringLiteral("第 1 个数字：共 0.50 秒")));
            QVERIFY(
                pointedAt(Qt::Key_End)
                    .contains(QStringLiteral("结束（数字错误）：最后一个正确数字之后 0.30 秒")));

            // Saved where the pupil chooses: a PNG at the screen's density.
            whenShown<QFileDialog>([&](QFileDialog *files) {
                files->selectFile(saved);
                static_cast<QDialog *>(files)->accept();
            });
            press(report, QStringLiteral("保存图片"));
            const QImage image(saved);
            QVERIFY(!image.isNull());
            QVERIFY(image.width() > 400 && image.height() > 300);

            // A place where it cannot be written: said so, with the reason
            // in words the pupil reads.
            const QString unwritable = dir.filePath(QStringLiteral("没有/report.png"));
            whenShown<QFileDialog>([&](QFileDialog *files) {
                files->selectFile(unwritable);
                static_cast<QDialog *>(files)->accept();
            });
            QString warning;
            QTimer::singleShot(100, [&] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    warning = box->text();
                    box->accept();
                }
            });
            press(report, QStringLiteral("保存图片"));
            QVERIFY2(warning.contains(unwritable), qPrintable(warning));
            QVERIFY2(warning.contains(QStringLiteral("原因：文件所在的文件夹不存在")),
                     qPrintable(warning));

            // As a PDF whose text stays text.
            const QString pdf = dir.filePath(QStringLiteral("round.pdf"));
            whenShown<QFileDialog>([&](QFileDialog *files) {
                files->selectFile(pdf);
                static_cast<QDialog *>(files)->accept();
            });
            press(report, QStringLiteral("保存PDF"));
            QProcess pdftotext;
            pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
            QVERIFY(pdftotext.waitForFinished(30000));
            const QString pdfText = QString::fromUtf8(pdftotext.readAllStandardOutput());
            QVERIFY2(pdfText.contains(QStringLiteral("小明")) &&
                         pdfText.contains(QStringLiteral("平常每个数字")),
                     qPrintable(pdfText));
            QVERIFY(all.contains(QStringLiteral("把鼠标移到柱子")));
            QVERIFY(!pdfText.contains(QStringLiteral("把鼠标移到柱子")));

            // Printing loads its module and asks for a printer.
            bool asked = false;
            whenShown<QDialog>(
                [&](QDialog *printDialog) { asked = printDialog->inherits("QPrintDialog"); });
            press(report, QStringLiteral("打印"));
            QVERIFY(asked);

            press(report, QStringLiteral("复制"));
            const QString copied = QApplication::clipboard()->text();
            QVERIFY2(copied.contains(QStringLiteral("小明")), qPrintable(copied));
            QVERIFY2(copied.contains(QStringLiteral("正确数字：3")), qPrintable(copied));
            // Then every number's times, as columns for a spreadsheet.
            QVERIFY2(copied.endsWith(QStringLiteral("数字\t找数字(秒)\t打数字(秒)\t共(秒)\n"
                                                    "1\t0.40\t0.10\t0.50\n2\t0.40\t0.10\t0.50\n"
                                                    "3\t0.40\t0.10\t0.50\n")),
                     qPrintable(copied));

            QTest::keyClick(report, Qt::Key_Escape);
            QVERIFY(!report->isVisible());
            // Nothing of the file dialog stays in the user's settings.
            QVERIFY(!QFile::exists(
                QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                    .filePath(QStringLiteral("QtProject.conf"))));
        });
        QTest::mouseClick(link, Qt::LeftButton);
        QVERIFY(opened);
        QCOMPARE((QStringList{text(w.get(), "Label1"), text(w.get(), "Label6"),
                              text(w.get(), "Label9(10)"), box->text()}),
                 before);
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
