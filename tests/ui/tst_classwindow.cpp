// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modal.h"
#include "ui/classview/classwindow.h"
#include "ui/fonts.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
        QCOMPARE(column(table, 4), (QStringList{"28.40 秒", "31.00 秒", ""}));

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

        // Exported as shown, with the log's own safe cells.
        const QString exported = dir.filePath(QStringLiteral("表格.csv"));
        whenShown<QFileDialog>([&](QFileDialog *files) {
            files->selectFile(exported);
            static_cast<QDialog *>(files)->accept();
        });
        for (QPushButton *b : w.findChildren<QPushButton *>()) {
            if (b->text() == QStringLiteral("导出CSV"))
                QTest::mouseClick(b, Qt::LeftButton);
        }
        QFile csv(exported);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csv.readAll().split('\n');
        QVERIFY(lines[0].startsWith("\xEF\xBB\xBF姓名,计算机,轮数,最近一次,1级"));
        QVERIFY2(lines[1].startsWith("'=韩梅梅,PC-01,1,"), lines[1].constData());

        // A round the game appends is offered, and read on Refresh.
        QVERIFY(file.open(QIODevice::Append));
        file.write(round("李雷", 1, "挑战成功", "25.00", 50));
        file.close();
        QPushButton *refresh = nullptr;
        for (QPushButton *b : w.findChildren<QPushButton *>()) {
            if (b->text() == QStringLiteral("刷新"))
                refresh = b;
        }
        QTRY_VERIFY(refresh->isVisible());
        QTest::mouseClick(refresh, Qt::LeftButton);
        QCOMPARE(column(table, 4), (QStringList{"25.00 秒", "28.40 秒", ""}));
    }
};

QTEST_MAIN(TestClassWindow)
#include "tst_classwindow.moc"
