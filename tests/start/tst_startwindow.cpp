// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program.h"
#include "fakeclock.h"
#include "modal.h"
#include "start/startscreen.h"
#include "ui/fonts.h"

#include <QDesktopServices>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

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

    // The Chinese faces resolve to CJK faces, not to empty boxes.
    void chineseTextsShowInACjkFace()
    {
        for (const char *n : {"Label5", "Label25", "Label11"}) {
            const QFontInfo info(label(n)->font());
            QVERIFY2(info.family().contains(QStringLiteral("CJK")) ||
                         info.family().contains(QStringLiteral("Hei")) ||
                         info.family().contains(QStringLiteral("Sim")),
                     qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(n), info.family())));
            QVERIFY(QFontMetrics(label(n)->font()).inFont(QChar(u'级')));
        }
    }

private:
    QLabel *label(const char *n) { return child<QLabel>(m_window, n); }
    QLineEdit *name() { return child<QLineEdit>(m_window, "Text1"); }

    FakeClock m_clock;
    std::unique_ptr<Program> m_program;
    QWidget *m_window = nullptr;
    QList<QUrl> m_opened;
};

QTEST_MAIN(TestStartWindow)
#include "tst_startwindow.moc"
