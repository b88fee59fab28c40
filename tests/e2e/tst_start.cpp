// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suite.h"
#include "tools.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

#include <sys/stat.h>

using namespace E2e;

namespace {

struct LevelRules {
    const char *startRule;
    const char *challengeRule;
    const char *challengeTitle;
    // The word after the best result, which tells the three challenge windows apart.
    const char *bestUnit;
    const char *limitMinutes;
};

const LevelRules kLevels[9] = {
    {"1级规则: 5分钟 不限次 连续输入数字 1-50 ", "1级规则: 5分钟 不限次 连续输入数字 1-50 ",
     "Tavrino", "秒", "5"},
    {"2级规则: 5分钟 不限次 连续输入数字 1-100 ", "2级规则: 5分钟 不限次 连续输入数字 1-100 ",
     "Tavrino", "秒", "5"},
    {"3级规则: 6分钟 不限次 连续输入数字 1-150 ", "3级规则: 6分钟 不限次 连续输入数字 1-150 ",
     "Tavrino", "秒", "6"},
    {"4级规则: 6分钟 不限次 连续输入数字 1-200 ", "4级规则: 6分钟 不限次 连续输入数字 1-200 ",
     "Tavrino", "秒", "6"},
    {"5级规则: 7分钟 不限次 连续输入数字 1-250 ", "5级规则: 7分钟 不限次 连续输入数字 1-250 ",
     "Tavrino", "秒", "7"},
    {"6级规则: 7分钟 不限次 连续输入数字 1-300 ", "6级规则: 7分钟 不限次 连续输入数字 1-300 ",
     "Tavrino", "秒", "7"},
    {"7级规则: 5分钟 不限位 不能改 ", "7级规则: 5分钟  不限位 不能改", "Tavrino", "位", "5"},
    {"8级规则: 7分钟 不限位 不能改 ", "8级规则: 7分钟  不限位 不能改 ", "Tavrino", "位", "7"},
    {"9级规则: 不限时 不限位 不能改 按键间隔小于2秒",
     "9级规则: 不限时 不限位 不能改 按键间隔小于2秒", "Tavrino  V2.0 2017-11-22 ", "数字", ""},
};

QString u8(const char *s)
{
    return QString::fromUtf8(s);
}

} // namespace

// The start window, leaving it for the challenge windows and back, the way
// out of the program and the one-copy rule, all seen from outside.
class TestStart : public GameSuite {
    Q_OBJECT
private slots:
    void startWindowTitleSizeAndPlace()
    {
        const std::vector<XWindow> windows = m_game->xWindows();
        QCOMPARE(windows.size(), std::size_t(1));
        const XWindow &x = windows.front();
        // What the title bar shows, as the window system holds it.
        QCOMPARE(x.title(), kStartTitle);
        const QRect frame = x.geometry();
        QCOMPARE(frame.size(), QSize(1016, 733));
        const QSize screen = m_desktop.screenSize();
        QVERIFY2(std::abs(frame.left() - (screen.width() - frame.width()) / 2) <= 1,
                 qPrintable(QStringLiteral("left edge at %1").arg(frame.left())));
        QVERIFY2(std::abs(frame.top() - (screen.height() - frame.height()) / 2) <= 1,
                 qPrintable(QStringLiteral("top edge at %1").arg(frame.top())));
        // A fixed frame: the window asks for one size only.
        QCOMPARE(x.minimumSize(), std::optional<QSize>(QSize(1016, 733)));
        QCOMPARE(x.maximumSize(), std::optional<QSize>(QSize(1016, 733)));
    }

    void levelButtonsChooseTheLevel()
    {
        const Accessible chosen = m_startWindow.find(QStringLiteral("所选级别"));
        const Accessible rule = m_startWindow.find(QStringLiteral("级别规则"));
        QCOMPARE(chosen.shownText(), QStringLiteral("1"));
        QCOMPARE(rule.shownText(), u8(kLevels[0].startRule));
        // Out of order, so that every click has to change what shows.
        for (int level : {5, 2, 9, 7, 3, 8, 4, 6, 1}) {
            const Accessible button = m_startWindow.find(QStringLiteral("级别 %1").arg(level));
            QCOMPARE(button.shownText(), QString::number(level));
            E2E_DO(Pupil::click(button));
            E2E_TRY_SHOWS(chosen, QString::number(level));
            QCOMPARE(rule.shownText(), u8(kLevels[level - 1].startRule));
        }
    }

    void enterOpensTheLevelsWindowAndBackReturns_data()
    {
        QTest::addColumn<int>("level");
        for (int level = 1; level <= 9; ++level)
            QTest::addRow("level %d", level) << level;
    }
    void enterOpensTheLevelsWindowAndBackReturns()
    {
        QFETCH(int, level);
        const LevelRules &rules = kLevels[level - 1];
        E2E_DO(Pupil::click(m_startWindow.find(QStringLiteral("姓名"))));
        E2E_DO(Pupil::type(QStringLiteral("李小明")));
        E2E_TRY_SHOWS(m_startWindow.find(QStringLiteral("姓名")), QStringLiteral("李小明"));
        Accessible form;
        E2E_STEP(openLevel(*m_game, level, &form));

        QCOMPARE(form.name(), u8(rules.challengeTitle));
        QCOMPARE(form.find(QStringLiteral("级别")).shownText(), QString::number(level));
        QCOMPARE(form.find(QStringLiteral("姓名")).shownText(), QStringLiteral("李小明"));
        QCOMPARE(form.find(QStringLiteral("规则")).shownText(), u8(rules.challengeRule));
        QCOMPARE(form.find(QStringLiteral("单位")).shownText(), u8(rules.bestUnit));
        QCOMPARE(form.find(QStringLiteral("剩余分钟")).shownText(), u8(rules.limitMinutes));
        // Only the endurance window shows how long its best round lasted.
        QCOMPARE(bool(form.find(QStringLiteral("持续时长标题"))), level == 9);
        QCOMPARE(form.find(QStringLiteral("最好成绩")).shownText(), QString());
        QCOMPARE(form.find(QStringLiteral("判定标记")).shownText(), QString());
        QCOMPARE(form.find(QStringLiteral("下一个数字")).shownText(), QString());
        QVERIFY(!form.find(QStringLiteral("下一个数字")).isEnabled());
        QVERIFY(!form.find(QStringLiteral("再玩一次")).isShowing());
        QVERIFY(form.find(QStringLiteral("开始")).isEnabled());
        QVERIFY(form.find(QStringLiteral("开始")).isFocused());

        QCOMPARE(m_game->xWindows().size(), std::size_t(2));
        const std::optional<XWindow> formX = m_game->xWindowOf(form);
        QVERIFY(formX);
        QCOMPARE(formX->title(), u8(rules.challengeTitle));

        E2E_DO(Pupil::click(form.find(QStringLiteral("返回"))));
        QTRY_VERIFY_WITH_TIMEOUT(!m_game->dialog(), kShowMs);
        QTRY_COMPARE_WITH_TIMEOUT(m_game->xWindows().size(), std::size_t(1), kShowMs);
        // The start window answers again.
        const int other = level == 4 ? 5 : 4;
        E2E_DO(Pupil::click(m_startWindow.find(QStringLiteral("级别 %1").arg(other))));
        E2E_TRY_SHOWS(m_startWindow.find(QStringLiteral("所选级别")), QString::number(other));
    }

    void nameIsCutToFourCharacters_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("confirmWithEnter");
        QTest::newRow("five characters, Enter")
            << QStringLiteral("一二三四五") << QStringLiteral("一二三四") << true;
        QTest::newRow("six digits, straight to enter")
            << QStringLiteral("123456") << QStringLiteral("1234") << false;
    }
    void nameIsCutToFourCharacters()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(bool, confirmWithEnter);
        const Accessible name = m_startWindow.find(QStringLiteral("姓名"));
        QCOMPARE(name.role(), QStringLiteral("text"));
        E2E_DO(Pupil::click(name));
        E2E_DO(Pupil::type(typed));
        E2E_TRY_SHOWS(name, typed);
        if (confirmWithEnter) {
            E2E_DO(Pupil::press(QStringLiteral("Return")));
            E2E_TRY_SHOWS(name, kept);
            // Enter hands the focus on to Quit.
            QTRY_VERIFY_WITH_TIMEOUT(m_startWindow.find(QStringLiteral("退出")).isFocused(),
                                     kShowMs);
        }
        Accessible form;
        E2E_STEP(openLevel(*m_game, 1, &form));
        QCOMPARE(form.find(QStringLiteral("姓名")).shownText(), kept);
        QCOMPARE(name.shownText(), kept);
    }

    void secondEnterAfterTheNameEndsTheProgram()
    {
        E2E_DO(Pupil::click(m_startWindow.find(QStringLiteral("姓名"))));
        E2E_DO(Pupil::type(QStringLiteral("王芳")));
        E2E_DO(Pupil::press(QStringLiteral("Return")));
        QTRY_VERIFY_WITH_TIMEOUT(m_startWindow.find(QStringLiteral("退出")).isFocused(), kShowMs);
        QVERIFY(m_game->isRunning());
        E2E_DO(Pupil::press(QStringLiteral("Return")));
        QVERIFY(m_game->waitForExit(kShowMs));
        QCOMPARE(m_game->process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_game->process().exitCode(), 0);
    }

    void quitButtonEndsTheProgram()
    {
        E2E_DO(Pupil::click(m_startWindow.find(QStringLiteral("退出"))));
        QVERIFY(m_game->waitForExit(kShowMs));
        QCOMPARE(m_game->process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_game->process().exitCode(), 0);
    }

    // A class log in a folder that never answers (here a pipe that nobody
    // reads, whose opening waits for ever): the start window shows all the
    // same, a round is played and left, and quitting ends the program within
    // the time it gives the log, saying where the round waits.
    void hungClassLogHoldsUpNeitherTheGameNorItsEnd()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("班级.csv"));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        QString said;
        E2E_STEP(leaveARoundAndQuit(path, &said));
        QVERIFY2(said.contains(QStringLiteral("有 1 轮成绩还没有写入班级记录")) &&
                     said.contains(QStringLiteral("（文件夹没有响应），已存在这台电脑上的 ") +
                                   outboxFolder()),
                 qPrintable(said));
    }

    // Another copy holds the class log's lock for the whole run: the round
    // waits on this computer when the game ends, and the message says where.
    // The next start puts it into the log once, also when that start is
    // killed between the log's sync and letting go of what waited: the
    // start after that finds the line in the log and does not write it again.
    void roundKeptOnThisComputerGoesInOnce()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("四年级.csv"));
        QProcess holder;
        holder.start(QStringLiteral(CLASSLOG_WRITER),
                     {QStringLiteral("--hold"), path, QStringLiteral("600000")});
        QVERIFY(holder.waitForReadyRead(kShowMs));
        QString said;
        E2E_STEP(leaveARoundAndQuit(path, &said));
        QVERIFY2(
            said.contains(QStringLiteral("（另一个程序正在使用这个文件），已存在这台电脑上的 ") +
                          outboxFolder()),
            qPrintable(said));
        QCOMPARE(roundsIn(path), 0);
        QCOMPARE(waitingFor(path), 1);
        holder.kill();
        QVERIFY(holder.waitForFinished(kShowMs));

        Game killed(m_desktop);
        QProcessEnvironment env = killed.process().processEnvironment();
        env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KILL_AFTER_SYNC));
        env.insert(QStringLiteral("TAVRINO_KILL_AFTER_SYNC_OF"), path);
        env.insert(QStringLiteral("ASAN_OPTIONS"), env.value(QStringLiteral("ASAN_OPTIONS")) +
                                                       QStringLiteral(":verify_asan_link_order=0"));
        killed.process().setProcessEnvironment(env);
        killed.process().setArguments({QStringLiteral("--log"), path});
        E2E_DO(killed.launch());
        QVERIFY(killed.waitForExit(kShowMs));
        QCOMPARE(killed.process().exitStatus(), QProcess::CrashExit);
        QCOMPARE(roundsIn(path), 1);
        QCOMPARE(waitingFor(path), 1);

        m_startWindow = Accessible();
        m_game = std::make_unique<Game>(m_desktop);
        m_game->process().setArguments({QStringLiteral("--log"), path});
        E2E_STEP(startGame(*m_game, &m_startWindow));
        QTRY_COMPARE_WITH_TIMEOUT(waitingFor(path), 0, kShowMs);
        QCOMPARE(roundsIn(path), 1);
    }

    void secondCopyEndsSilently()
    {
        Game second(m_desktop);
        second.process().setProcessChannelMode(QProcess::SeparateChannels);
        E2E_DO(second.launch());
        QVERIFY(second.waitForExit(kShowMs));
        QCOMPARE(second.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.process().exitCode(), 0);
        QCOMPARE(QString::fromUtf8(second.process().readAllStandardOutput()), QString());
        QCOMPARE(QString::fromUtf8(second.process().readAllStandardError()), QString());
        // A teacher who gave it the class log is told it is not used.
        Game withLog(m_desktop);
        withLog.process().setProcessChannelMode(QProcess::SeparateChannels);
        withLog.process().setArguments({QStringLiteral("--log"), QStringLiteral("/tmp/x.csv")});
        E2E_DO(withLog.launch());
        QVERIFY(withLog.waitForExit(kShowMs));
        QCOMPARE(withLog.process().exitCode(), 0);
        QVERIFY(QString::fromUtf8(withLog.process().readAllStandardError())
                    .contains(QStringLiteral("已经有一份游戏在运行")));
        // The first copy goes on alone and still answers.
        QCOMPARE(m_game->xWindows().size(), std::size_t(1));
        E2E_DO(Pupil::click(m_startWindow.find(QStringLiteral("级别 6"))));
        E2E_TRY_SHOWS(m_startWindow.find(QStringLiteral("所选级别")), QStringLiteral("6"));

        // Once the first copy has ended, the next one starts as usual.
        E2E_DO(Pupil::click(m_startWindow.find(QStringLiteral("退出"))));
        QVERIFY(m_game->waitForExit(kShowMs));
        Game third(m_desktop);
        E2E_STEP(startGame(third));
        QTRY_COMPARE_WITH_TIMEOUT(third.xWindows().size(), std::size_t(1), kShowMs);
    }

    // A second start brings the running copy to the front: the challenge
    // window, which the start window had been raised over, is on top again.
    void secondStartBringsTheRunningCopyToTheFront()
    {
        Accessible form;
        E2E_STEP(openLevel(*m_game, 9, &form));
        const std::optional<XWindow> formX = m_game->xWindowOf(form);
        const std::optional<XWindow> startX = m_game->xWindowOf(m_startWindow);
        QVERIFY(formX && startX);
        // Top first, in hexadecimal as xwininfo writes them.
        const auto onTop = [&] {
            QString error;
            const QStringList stack =
                runTool(QStringLiteral("xwininfo"),
                        {QStringLiteral("-root"), QStringLiteral("-children")}, &error)
                    .split(QLatin1Char('\n'));
            for (const QString &line : stack) {
                for (const XWindow &w : {*formX, *startX}) {
                    if (line.trimmed().startsWith(
                            QStringLiteral("0x%1 ").arg(w.id().toULongLong(), 0, 16)))
                        return w.id();
                }
            }
            return error;
        };
        E2E_DO(startX->raise());
        QTRY_COMPARE_WITH_TIMEOUT(onTop(), startX->id(), kShowMs);
        Game second(m_desktop);
        E2E_DO(second.launch());
        QVERIFY(second.waitForExit(kShowMs));
        QCOMPARE(second.process().exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(onTop(), formX->id(), kShowMs);
    }

    // A copy killed outright leaves its lock behind; the next copy sees
    // that no process holds it and starts as usual.
    void copyAfterAKilledOneStarts()
    {
        m_game->process().kill();
        QVERIFY(m_game->waitForExit(kShowMs));
        QCOMPARE(m_game->process().exitStatus(), QProcess::CrashExit);
        Game next(m_desktop);
        Accessible start;
        E2E_STEP(startGame(next, &start));
        QTRY_COMPARE_WITH_TIMEOUT(next.xWindows().size(), std::size_t(1), kShowMs);
        E2E_DO(Pupil::click(start.find(QStringLiteral("级别 8"))));
        E2E_TRY_SHOWS(start.find(QStringLiteral("所选级别")), QStringLiteral("8"));
    }

    // The close box of a challenge window's title bar is Back: the start
    // window answers again with the level and name as they were, and the
    // window opens anew with a fresh board.
    void closingAChallengeWindowFromItsFrameGoesBack()
    {
        E2E_DO(Pupil::click(m_startWindow.find(QStringLiteral("姓名"))));
        E2E_DO(Pupil::type(QStringLiteral("张三")));
        Accessible form;
        E2E_STEP(openLevel(*m_game, 7, &form));
        E2E_STEP(clickStart(form));
        E2E_DO(Pupil::press(QStringLiteral("1 Return 2")));
        E2E_TRY_SHOWS(form.find(QStringLiteral("下一个数字")), QStringLiteral("2"));
        const std::optional<XWindow> formX = m_game->xWindowOf(form);
        QVERIFY(formX);
        E2E_DO(formX->askToClose());
        QTRY_VERIFY_WITH_TIMEOUT(!m_game->dialog(), kShowMs);
        QTRY_COMPARE_WITH_TIMEOUT(m_game->xWindows().size(), std::size_t(1), kShowMs);
        QVERIFY(m_game->isRunning());
        QCOMPARE(m_startWindow.find(QStringLiteral("所选级别")).shownText(), QStringLiteral("7"));
        QCOMPARE(m_startWindow.find(QStringLiteral("姓名")).shownText(), QStringLiteral("张三"));

        E2E_STEP(openLevel(*m_game, 7, &form));
        QCOMPARE(form.find(QStringLiteral("下一个数字")).shownText(), QString());
        QVERIFY(!form.find(QStringLiteral("下一个数字")).isEnabled());
        QCOMPARE(form.find(QStringLiteral("姓名")).shownText(), QStringLiteral("张三"));
        E2E_STEP(clickStart(form));
        E2E_DO(Pupil::enter(1));
        E2E_TRY_SHOWS(form.find(QStringLiteral("判定标记")), QStringLiteral("√"));
    }

    // Closing the start window from its frame ends the program.
    void closingTheStartWindowEndsTheProgram()
    {
        const std::optional<XWindow> startX = m_game->xWindowOf(m_startWindow);
        QVERIFY(startX);
        E2E_DO(startX->askToClose());
        QVERIFY(m_game->waitForExit(kShowMs));
        QCOMPARE(m_game->process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_game->process().exitCode(), 0);
    }

    void startWindowIgnoresInputWhileAChallengeIsOpen()
    {
        QCOMPARE(m_game->xWindows().size(), std::size_t(1));
        const XWindow startX = m_game->xWindows().front();
        Accessible form;
        E2E_STEP(openLevel(*m_game, 1, &form));
        const std::optional<XWindow> formX = m_game->xWindowOf(form);
        QVERIFY(formX);

        // The start window brought to the front takes no click.
        E2E_DO(startX.raise());
        E2E_DO(Pupil::click(m_startWindow.find(QStringLiteral("级别 5"))));
        E2E_DO(formX->raise());
        // Escape does not close a challenge window either.
        E2E_DO(Pupil::click(form.find(QStringLiteral("标题"))));
        E2E_DO(Pupil::press(QStringLiteral("Escape")));
        // Input is handled in order: once Start has taken effect, the click and
        // the key before it have been dealt with.
        E2E_STEP(clickStart(form));
        QVERIFY(m_game->dialog());
        QCOMPARE(m_startWindow.find(QStringLiteral("所选级别")).shownText(), QStringLiteral("1"));
        QCOMPARE(m_startWindow.find(QStringLiteral("级别规则")).shownText(),
                 u8(kLevels[0].startRule));

        // The same click, with the challenge closed, does choose the level.
        E2E_DO(Pupil::click(form.find(QStringLiteral("返回"))));
        QTRY_VERIFY_WITH_TIMEOUT(!m_game->dialog(), kShowMs);
        E2E_DO(Pupil::click(m_startWindow.find(QStringLiteral("级别 5"))));
        E2E_TRY_SHOWS(m_startWindow.find(QStringLiteral("所选级别")), QStringLiteral("5"));
    }

    void challengeWindowSizeAndScaling()
    {
        const XWindow startX = m_game->xWindows().front();
        Accessible form;
        E2E_STEP(openLevel(*m_game, 1, &form));
        const std::optional<XWindow> found = m_game->xWindowOf(form);
        QVERIFY(found);
        const XWindow formX = *found;
        QCOMPARE(formX.title(), QStringLiteral("Tavrino"));
        const QRect frame = formX.geometry();
        QCOMPARE(frame.size(), QSize(1016, 730));
        QVERIFY(QRect(QPoint(0, 0), m_desktop.screenSize()).contains(frame));
        // Over the start window's middle. With no window manager Qt leaves
        // room for the frame it expects one to draw (10 by 40 pixels).
        const QPoint offset = frame.center() - startX.geometry().center();
        QVERIFY2(
            std::abs(offset.x()) <= 12 && std::abs(offset.y()) <= 42,
            qPrintable(QStringLiteral("%1, %2 from the middle").arg(offset.x()).arg(offset.y())));
        // Resizable: the window does not hold its size fixed.
        QVERIFY(formX.maximumSize() != std::optional<QSize>(QSize(1016, 730)));

        const Accessible box = form.find(QStringLiteral("下一个数字"));
        const QRect design = box.extents().translated(-frame.topLeft());
        QVERIFY(!design.isEmpty());

        // One and a half times the size: every control grows with it.
        E2E_DO(formX.resize(QSize(1524, 1095)));
        QTRY_COMPARE_WITH_TIMEOUT(formX.geometry().size(), QSize(1524, 1095), kShowMs);
        // Where the answer box is in the window, within two pixels.
        QString seen;
        auto boxNear = [&](const QRect &expected) {
            const QRect at = box.extents().translated(-formX.geometry().topLeft());
            seen = QStringLiteral("answer box at %1,%2 %3x%4")
                       .arg(at.x())
                       .arg(at.y())
                       .arg(at.width())
                       .arg(at.height());
            const bool near = std::abs(at.left() - expected.left()) <= 2 &&
                              std::abs(at.top() - expected.top()) <= 2 &&
                              std::abs(at.right() - expected.right()) <= 2 &&
                              std::abs(at.bottom() - expected.bottom()) <= 2;
            return near;
        };
        const QRect grown(qRound(design.left() * 1.5), qRound(design.top() * 1.5),
                          qRound(design.width() * 1.5), qRound(design.height() * 1.5));
        QTRY_VERIFY2_WITH_TIMEOUT(boxNear(grown), qPrintable(seen), kShowMs);

        // Wider only: the design keeps its proportions, centred across.
        E2E_DO(formX.resize(QSize(1524, 730)));
        QTRY_COMPARE_WITH_TIMEOUT(formX.geometry().size(), QSize(1524, 730), kShowMs);
        QTRY_VERIFY2_WITH_TIMEOUT(boxNear(design.translated((1524 - 1016) / 2, 0)),
                                  qPrintable(seen), kShowMs);
        // The resized window still plays.
        E2E_STEP(clickStart(form));
        E2E_DO(Pupil::enter(1));
        E2E_TRY_SHOWS(form.find(QStringLiteral("判定标记")), QStringLiteral("√"));
    }

private:
    // A game started on the class log LOG: a round of level 1 is started
    // and left with Back, Quit, and the message the end shows is answered
    // with Enter; what the game said on its standard error.
    void leaveARoundAndQuit(const QString &log, QString *said)
    {
        m_startWindow = Accessible();
        m_game = std::make_unique<Game>(m_desktop);
        m_game->process().setProcessChannelMode(QProcess::SeparateChannels);
        m_game->process().setArguments({QStringLiteral("--log"), log});
        E2E_STEP(startGame(*m_game, &m_startWindow));
        Accessible form;
        E2E_STEP(openLevel(*m_game, 1, &form));
        E2E_STEP(clickStart(form));
        E2E_DO(Pupil::click(form.find(QStringLiteral("返回"))));
        QTRY_VERIFY_WITH_TIMEOUT(!m_game->dialog(), kShowMs);
        E2E_DO(Pupil::click(m_startWindow.find(QStringLiteral("退出"))));
        const auto message = [this] {
            for (const Accessible &w : m_game->windows()) {
                if (w.role() == QLatin1String("alert"))
                    return true;
            }
            return false;
        };
        QTRY_VERIFY2_WITH_TIMEOUT(message(), qPrintable(m_game->describe()), kShowMs);
        E2E_DO(Pupil::press(QStringLiteral("Return")));
        QVERIFY(m_game->waitForExit(kShowMs));
        QCOMPARE(m_game->process().exitCode(), 0);
        *said = QString::fromUtf8(m_game->process().readAllStandardError());
    }
    // Where the game keeps rounds that wait for the class log.
    QString outboxFolder() const { return m_desktop.dataDir() + QStringLiteral("/tavrino"); }
    // How many rounds wait there for this log: the lines after the one that
    // names the log.
    int waitingFor(const QString &log) const
    {
        const QDir folder(outboxFolder());
        for (const QString &name : folder.entryList({QStringLiteral("outbox-*.csv")})) {
            QFile file(folder.filePath(name));
            if (file.open(QIODevice::ReadOnly) && file.readLine() == log.toUtf8() + '\n')
                return int(file.readAll().count("\r\n"));
        }
        return 0;
    }
    static int roundsIn(const QString &log)
    {
        QFile file(log);
        if (!file.open(QIODevice::ReadOnly))
            return 0;
        return std::max(0, int(file.readAll().count("\r\n")) - 1); // less the header
    }
};

QTEST_GUILESS_MAIN(TestStart)
#include "tst_start.moc"
