// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program.h"
#include "fakeclock.h"
#include "modal.h"
#include "start/startscreen.h"
#include "ui/fonts.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>

#include <dlfcn.h>

namespace {

// A slow shared folder: each sync to its disk takes this long. The class
// log syncs every write; nothing else of the program does.
std::atomic<unsigned long> g_syncDelayMs{0};

QStringList dataLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    return lines.mid(1, lines.size() - 2);
}

} // namespace

extern "C" int fsync(int fd)
{
    QThread::msleep(g_syncDelayMs.load());
    static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    return real(fd);
}

class TestStartWindow : public QObject {
    Q_OBJECT
public slots:
    // Where the desktop would hand a web address to the browser.
    void openUrl(const QUrl &url) { m_opened.append(url); }

private slots:
    void initTestCase()
    {
        Fonts::installSubstitutions();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    void init()
    {
        m_program = std::make_unique<Program>(m_clock);
        m_opened.clear();
        m_program->showStartWindow();
        m_window = topLevel("form0");
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void cleanup() { m_program.reset(); }

    void opensWithLevelOneAndTheDesignNames()
    {
        QCOMPARE(m_window->objectName(), QStringLiteral("form0"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Tavrino  V2.0 2017-11-22 "));
        QCOMPARE(label("Label9")->text(), QStringLiteral("1"));
        QCOMPARE(label("Label25")->text(),
                 QStringLiteral("1级规则: 5分钟 不限次 连续输入数字 1-50 "));
        QCOMPARE(name()->text(), QString());
        QVERIFY(!label("Label22")->isVisible());
        QVERIFY(!label("Label8")->isVisible());
        QVERIFY(!name()->hasFocus());
        for (const char *n : {"Command0", "Command1", "Text1", "Label13", "Label21", "picIcon",
                              "lblTitle", "Line1(1)", "Label1", "Label3"})
            QVERIFY2(m_window->findChild<QWidget *>(QLatin1String(n)), n);
    }

    void clickingALevelButtonChoosesIt()
    {
        QTest::mouseClick(label("Label19"), Qt::LeftButton); // level 7
        QCOMPARE(label("Label9")->text(), QStringLiteral("7"));
        QCOMPARE(label("Label25")->text(), QStringLiteral("7级规则: 5分钟 不限位 不能改 "));
        QTest::mouseClick(label("Label15"), Qt::LeftButton); // level 3
        QCOMPARE(label("Label9")->text(), QStringLiteral("3"));
        // A digit key does the same, from the main keys or the keypad,
        // unless the focus is in the name box, where digits are the name's.
        auto *start = child<QPushButton>(m_window, "Command0");
        QTest::keyClick(start, Qt::Key_8, Qt::KeypadModifier);
        QCOMPARE(label("Label25")->text(), QStringLiteral("8级规则: 7分钟 不限位 不能改 "));
        QTest::keyClick(start, Qt::Key_0);
        QCOMPARE(label("Label9")->text(), QStringLiteral("8"));
        name()->setFocus();
        QTest::keyClick(name(), Qt::Key_2);
        QCOMPARE(label("Label9")->text(), QStringLiteral("8"));
        QCOMPARE(name()->text(), QStringLiteral("2"));
    }

    // Enter keeps the first four characters and moves the focus to the exit
    // button; a second Enter there ends the program.
    void enterCutsTheNameAndFocusesExit()
    {
        name()->setFocus();
        QTest::keyClicks(name(), QStringLiteral("12345"));
        QTest::keyClick(name(), Qt::Key_Return);
        QCOMPARE(name()->text(), QStringLiteral("1234"));
        QVERIFY(child<QPushButton>(m_window, "Command1")->hasFocus());
        QTest::keyClick(child<QPushButton>(m_window, "Command1"), Qt::Key_Return);
        QVERIFY(!m_window->isVisible());
    }

    // A pasted name is taken as it is, like a typed one, and cut on Enter.
    void pastedNameIsTaken()
    {
        name()->setFocus();
        name()->insert(QStringLiteral("王小明同学好"));
        QCOMPARE(name()->text(), QStringLiteral("王小明同学好"));
        QTest::keyClick(name(), Qt::Key_Return);
        QCOMPARE(name()->text(), QStringLiteral("王小明同"));
    }

    // With a class list the name box offers its names, found by the class
    // number too; the pick fills the box and is not the name box's Enter.
    void classListOffersNames()
    {
        QTemporaryDir dir;
        QFile list(dir.filePath(QStringLiteral("class.csv")));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(QByteArray("\xEF\xBB\xBF") +
                   QStringLiteral("学号,姓名\n11,李四\n12,张三\n").toUtf8());
        list.close();
        m_program = std::make_unique<Program>(m_clock, QString(), QString(), list.fileName());
        m_program->showStartWindow();
        m_window = topLevel("form0");
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        // The list is read on a file thread: the offer comes once it is.
        QCompleter *names = nullptr;
        QTRY_VERIFY((names = m_window->findChild<QCompleter *>()));
        name()->setFocus();
        QTest::keyClicks(name(), QStringLiteral("12"));
        QTRY_VERIFY(names->popup()->isVisible());
        QCOMPARE(names->completionCount(), 1);
        QCOMPARE(names->currentCompletion(), QStringLiteral("12"));
        QTest::keyClick(names->popup(), Qt::Key_Down);
        QTest::keyClick(names->popup(), Qt::Key_Return);
        QCOMPARE(name()->text(), QStringLiteral("张三"));
        QVERIFY(name()->hasFocus());
        // An Enter while names are offered and none is chosen is the
        // screen's own.
        name()->clear();
        QTest::keyClicks(name(), QStringLiteral("1"));
        QTRY_VERIFY(names->popup()->isVisible());
        QTest::keyClick(names->popup(), Qt::Key_Return);
        QVERIFY(!names->popup()->isVisible());
        QCOMPARE(name()->text(), QStringLiteral("1"));
        QVERIFY(child<QPushButton>(m_window, "Command1")->hasFocus());
    }

    void startOpensTheLevelsScreenModally_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("caption");
        QTest::newRow("level 1") << "Label13"
                                 << "Form1"
                                 << "Tavrino";
        QTest::newRow("level 6") << "Label18"
                                 << "Form1"
                                 << "Tavrino";
        QTest::newRow("level 7") << "Label19"
                                 << "Form789"
                                 << "Tavrino";
        QTest::newRow("level 8") << "Label20"
                                 << "Form789"
                                 << "Tavrino";
        QTest::newRow("level 9") << "Label21"
                                 << "Form9"
                                 << "Tavrino  V2.0 2017-11-22 ";
    }
    void startOpensTheLevelsScreenModally()
    {
        QFETCH(QString, button);
        QFETCH(QString, screen);
        QFETCH(QString, caption);
        QTest::mouseClick(label(button.toLatin1().constData()), Qt::LeftButton);
        name()->setText(QStringLiteral("王小明同学好"));
        const QString level = label("Label9")->text();
        bool ran = false;
        whenModalOpens(
            [&](ChallengeWindow *w) {
                QCOMPARE(w->objectName(), screen);
                QVERIFY(w->isModal());
                QCOMPARE(w->windowTitle(), caption);
                QCOMPARE(child<QLabel>(w, "Label3")->text(), level);
                QCOMPARE(child<QLabel>(w, "Label8")->text(), QStringLiteral("王小明同"));
                QVERIFY(w->findChild<QTimer *>(QStringLiteral("Timer1")));
                clickButton(w, "Command2");
                QVERIFY(!w->isVisible());
            },
            &ran);
        clickButton(m_window, "Command0");
        QVERIFY(ran);
        // Back returns with the level and the name as they were.
        QCOMPARE(label("Label9")->text(), level);
        QCOMPARE(name()->text(), QStringLiteral("王小明同"));
        QVERIFY(m_window->isVisible());
    }

    // A challenge window opens centred on the screen that holds the start
    // window, not over the start window wherever it was moved.
    void challengeOpensCentredOnTheScreen()
    {
        m_window->move(0, 0);
        QPoint centre;
        whenModalOpens([&](ChallengeWindow *w) {
            centre = w->geometry().center();
            clickButton(w, "Command2");
        });
        clickButton(m_window, "Command0");
        QCOMPARE(centre, m_window->screen()->availableGeometry().center());
    }

    // The links open their pages through the desktop, never through a
    // command line built from text.
    void linksOpenTheirPages()
    {
        QTest::mouseClick(label("Label1"), Qt::LeftButton);
        QTest::mouseClick(label("Label3"), Qt::LeftButton);
        QCOMPARE(m_opened.size(), 2);
        QCOMPARE(m_opened[0], StartScreen::linkTarget(StartControl::Label1));
        QCOMPARE(m_opened[1], StartScreen::linkTarget(StartControl::Label3));
        QCOMPARE(label("Label1")->text(), StartScreen::linkTarget(StartControl::Label1).host());
    }

    // The Chinese faces resolve to CJK faces (the cut Tavrino Heiti and
    // Songti, the Noto CJK faces, SimHei, SimSun), not to empty boxes.
    void chineseTextsShowInACjkFace()
    {
        for (const char *n : {"Label5", "Label25", "Label11"}) {
            const QFontInfo info(label(n)->font());
            QVERIFY2(info.family().contains(QStringLiteral("CJK")) ||
                         info.family().contains(QStringLiteral("Hei")) ||
                         info.family().contains(QStringLiteral("Song")) ||
                         info.family().contains(QStringLiteral("Sim")),
                     qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(n), info.family())));
            QVERIFY(QFontMetrics(label(n)->font()).inFont(QChar(u'级')));
        }
    }

    // While a round's line cannot go in, a note in the corner says why and
    // where the round waits; the line goes in by itself, once, when the
    // file is free or the folder answers, without another round.
    void roundWaitsWhileTheLogCannotTakeIt_data()
    {
        QTest::addColumn<bool>("held");
        QTest::addColumn<QString>("outbox");
        QTest::addColumn<QString>("note");
        QTest::newRow("another program holds the log")
            << true << QString()
            << "另一个程序正在使用班级记录，有 1 轮成绩先存在这台电脑上，文件空出来后会自动写入。";
        QTest::newRow("a file operation does not come back")
            << false << QString()
            << "班级记录所在的文件夹没有响应，有 1 轮成绩先存在这台电脑上，游戏照常进行。";
        QTest::newRow("held, and this computer's folder takes no file")
            << true << "/proc/tavrino-outbox"
            << "另一个程序正在使用班级记录，有 1 轮成绩先留在内存里，文件空出来后会自动写入。";
    }
    void roundWaitsWhileTheLogCannotTakeIt()
    {
        QFETCH(bool, held);
        QFETCH(QString, outbox);
        QFETCH(QString, note);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("class.csv"));
        // Held for longer than a write waits for the lock.
        QProcess holder;
        if (held) {
            holder.start(QStringLiteral(CLASSLOG_WRITER),
                         {QStringLiteral("--hold"), path, QStringLiteral("8000")});
            QVERIFY(holder.waitForReadyRead(10'000));
        }
        restartWithLog(path, outbox);
        g_syncDelayMs = held ? 0 : 8000;
        playRoundsToAWrongNumber(1);
        auto shown = [] {
            QWidget *w = topLevel("FormNote");
            return w && w->isVisible() ? w->findChild<QLabel *>()->text() : QString();
        };
        QTRY_COMPARE_WITH_TIMEOUT(shown(), note, 10'000);
        QTRY_COMPARE_WITH_TIMEOUT(dataLines(path).size(), 1, kClassLogRetryMs + 10'000);
        g_syncDelayMs = 0;
        QTRY_COMPARE(shown(), QString());
        QTest::qWait(200);
        QCOMPARE(dataLines(path).size(), 1);
    }

    // On a slow share, where every write takes 2 s to reach the disk, ten
    // rounds end one after another: the window's event loop never stalls,
    // and the ten lines go in, in the order the rounds ended.
    void tenRoundsOnASlowShare()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("class.csv"));
        g_syncDelayMs = 2000;
        restartWithLog(path);
        // A stall is a gap in a 5 ms timer's beat; any gap above this one
        // is counted (a busy test machine with sanitizers alone may pause
        // the loop for some tens of milliseconds).
        constexpr qint64 kStallMs = 200;
        QElapsedTimer beat;
        beat.start();
        qint64 last = 0;
        int stalls = 0;
        QTimer probe;
        connect(&probe, &QTimer::timeout, this, [&] {
            stalls += beat.elapsed() - last > kStallMs ? 1 : 0;
            last = beat.elapsed();
        });
        probe.start(5);
        playRoundsToAWrongNumber(10);
        probe.stop();
        g_syncDelayMs = 0;
        QCOMPARE(stalls, 0);
        QStringList shown;
        for (int k = 0; k < 10; ++k)
            shown.append(QString::number(k));
        auto accepted = [&] {
            QStringList cells;
            for (const QString &line : dataLines(path))
                cells.append(line.section(QLatin1Char(','), 6, 6));
            return cells;
        };
        QTRY_COMPARE_WITH_TIMEOUT(accepted(), shown, 30'000);
    }

private:
    void restartWithLog(const QString &path, const QString &outbox = QString())
    {
        m_program =
            std::make_unique<Program>(m_clock, path, outbox.isEmpty() ? m_outbox.path() : outbox);
        m_program->showStartWindow();
        m_window = topLevel("form0");
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    // Level 1: round k takes k - 1 numbers, then a wrong one; Play again by a
    // click, at once. The end of each round is on the screen as its key
    // comes back, and the event loop runs between the pupil's actions.
    void playRoundsToAWrongNumber(int rounds)
    {
        bool ran = false;
        whenModalOpens(
            [&](ChallengeWindow *w) {
                auto *box = child<QLineEdit>(w, "Text1");
                for (int k = 1; k <= rounds; ++k) {
                    clickButton(w, k == 1 ? "Command1" : "Command3");
                    if (k > 1)
                        clickButton(w, "Command1");
                    for (int n = 1; n <= k; ++n) {
                        QTest::keyClicks(box, QString::number(n < k ? n : k + 1));
                        QTest::keyClick(box, Qt::Key_Return);
                        QTest::qWait(10);
                    }
                    QCOMPARE(child<QLabel>(w, "Label9(10)")->text(), QStringLiteral("×"));
                }
                clickButton(w, "Command2");
            },
            &ran);
        clickButton(m_window, "Command0");
        QVERIFY(ran);
    }

    QLabel *label(const char *n) { return child<QLabel>(m_window, n); }
    QLineEdit *name() { return child<QLineEdit>(m_window, "Text1"); }

    FakeClock m_clock;
    QTemporaryDir m_outbox;
    std::unique_ptr<Program> m_program;
    QWidget *m_window = nullptr;
    QList<QUrl> m_opened;
};

QTEST_MAIN(TestStartWindow)
#include "tst_startwindow.moc"
