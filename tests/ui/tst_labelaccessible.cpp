// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program.h"
#include "fakeclock.h"
#include "modal.h"
#include "ui/designlabel.h"
#include "ui/fonts.h"
#include "ui/labelaccessible.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

class TestLabelAccessible : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Fonts::installSubstitutions();
        LabelAccessibility::install();
        // The second call must not stack a second factory.
        LabelAccessibility::install();
    }

    void init()
    {
        m_program = std::make_unique<Program>(m_clock);
        m_program->showStartWindow();
        m_window = topLevel("form0");
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void cleanup() { m_program.reset(); }

    // Every text label keeps its Chinese name and reads out what it shows;
    // pictures have no text to read.
    void everyLabelReadsItsNameAndText()
    {
        const auto labels = m_window->findChildren<QLabel *>();
        int textLabels = 0;
        for (QLabel *label : labels) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label);
            QVERIFY(iface);
            const QByteArray what = label->objectName().toUtf8();
            if (!qobject_cast<DesignLabel *>(label)) {
                QVERIFY2(!iface->textInterface(), what);
                continue;
            }
            ++textLabels;
            QAccessibleTextInterface *text = iface->textInterface();
            QVERIFY2(text, what);
            QCOMPARE(iface->role(), QAccessible::StaticText);
            QCOMPARE(iface->text(QAccessible::Name), label->accessibleName());
            QVERIFY2(!label->accessibleName().isEmpty(), what);
            QCOMPARE(text->characterCount(), int(label->text().size()));
            QCOMPARE(text->text(0, text->characterCount()), label->text());
        }
        QVERIFY(textLabels >= 20);
    }

    // Offsets from outside the program are not trusted: out of range, they
    // are cut to the text.
    void textOffsetsAreCutToTheText()
    {
        QLabel *rule = label("Label25");
        QAccessibleTextInterface *text =
            QAccessible::queryAccessibleInterface(rule)->textInterface();
        QCOMPARE(text->text(-10, 100000), rule->text());
        QCOMPARE(text->text(0, 1), QStringLiteral("1"));
        QCOMPARE(text->text(5, 2), QString());
        QCOMPARE(text->text(100000, 100001), QString());
    }

    // The interface reads the label as it is now, not as it was first asked.
    void changesAreRead()
    {
        QAccessibleTextInterface *level =
            QAccessible::queryAccessibleInterface(label("Label9"))->textInterface();
        QCOMPARE(level->text(0, level->characterCount()), QStringLiteral("1"));
        QTest::mouseClick(label("Label19"), Qt::LeftButton); // level 7
        QCOMPARE(level->text(0, level->characterCount()), QStringLiteral("7"));
    }

    // On a challenge screen the message is read as it changes while a pupil
    // plays.
    void challengeMessagesAreRead()
    {
        bool ran = false;
        whenModalOpens(
            [&](ChallengeWindow *w) {
                clickButton(w, "Command1");
                auto *box = child<QLineEdit>(w, "Text1");
                QTRY_VERIFY(box->hasFocus());
                QTest::keyClick(box, Qt::Key_2);
                QTest::keyClick(box, Qt::Key_Return);
                QLabel *message = child<QLabel>(w, "Label1");
                QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(message);
                QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("消息"));
                QAccessibleTextInterface *text = iface->textInterface();
                QVERIFY(!message->text().isEmpty());
                QCOMPARE(text->text(0, text->characterCount()), message->text());
            },
            &ran);
        clickButton(m_window, "Command0");
        QVERIFY(ran);
    }

private:
    QLabel *label(const char *name) { return child<QLabel>(m_window, name); }

    FakeClock m_clock;
    std::unique_ptr<Program> m_program;
    QWidget *m_window = nullptr;
};

QTEST_MAIN(TestLabelAccessible)
#include "tst_labelaccessible.moc"
