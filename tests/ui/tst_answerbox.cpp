// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/answerbox.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

// The answer box hands every character key to the rules first and takes
// nothing from anywhere but the keyboard.
class TestAnswerBox : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_box = std::make_unique<AnswerBox>();
        m_seen.clear();
        m_texts.clear();
        m_box->setKeyHandler([this](char16_t &c, const QString &text) {
            m_seen.append(c);
            m_texts.append(text);
            if (c != u'0' && c != 8 && c != 13 && (c < u'1' || c > u'9'))
                c = 0;
        });
        m_box->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_box.get()));
        m_box->setFocus();
    }

    void mainKeysAndKeypadGiveTheSameCodes()
    {
        QTest::keyClick(m_box.get(), Qt::Key_4);
        QTest::keyClick(m_box.get(), Qt::Key_2, Qt::KeypadModifier);
        QTest::keyClick(m_box.get(), Qt::Key_Return);
        QTest::keyClick(m_box.get(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(m_seen, (QList<char16_t>{u'4', u'2', 13, 13}));
        // Each key comes with the text the box held before it.
        QCOMPARE(m_texts, (QStringList{QString(), QStringLiteral("4"), QStringLiteral("42"),
                                       QStringLiteral("42")}));
        QCOMPARE(m_box->text(), QStringLiteral("42"));
    }

    void discardedKeysNeverReachTheBox()
    {
        QTest::keyClicks(m_box.get(), QStringLiteral("1a 2-+"));
        QCOMPARE(m_box->text(), QStringLiteral("12"));
        QTest::keyClick(m_box.get(), Qt::Key_Backspace);
        QCOMPARE(m_box->text(), QStringLiteral("1"));
        QCOMPARE(m_seen.last(), char16_t(8));
    }

    // Keys without a character are not judged and keep their effect.
    void keysWithoutACharacterAreNotJudged()
    {
        QTest::keyClicks(m_box.get(), QStringLiteral("123"));
        m_seen.clear();
        QTest::keyClick(m_box.get(), Qt::Key_Left);
        QTest::keyClick(m_box.get(), Qt::Key_Delete);
        QTest::keyClick(m_box.get(), Qt::Key_F5);
        QTest::keyClick(m_box.get(), Qt::Key_Shift);
        QVERIFY(m_seen.isEmpty());
        QCOMPARE(m_box->text(), QStringLiteral("12"));
    }

    // Pasting would bring text in past the rules: shortcuts, middle click and
    // drops do nothing; the context menu and input methods are off.
    void nothingIsPasted()
    {
        QApplication::clipboard()->setText(QStringLiteral("777"));
        QTest::keyClick(m_box.get(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(m_box.get(), Qt::Key_Insert, Qt::ShiftModifier);
        QTest::mouseClick(m_box.get(), Qt::MiddleButton);
        QCOMPARE(m_box->text(), QString());
        QCOMPARE(m_box->contextMenuPolicy(), Qt::NoContextMenu);
        QVERIFY(!m_box->acceptDrops());
        QVERIFY(!m_box->testAttribute(Qt::WA_InputMethodEnabled));
        QInputMethodEvent im;
        im.setCommitString(QStringLiteral("888"));
        QApplication::sendEvent(m_box.get(), &im);
        QCOMPARE(m_box->text(), QString());
    }

    // Cutting would delete without a Backspace.
    void cutDoesNotEditTheBox()
    {
        QTest::keyClicks(m_box.get(), QStringLiteral("55"));
        m_box->selectAll();
        QTest::keyClick(m_box.get(), Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(m_box.get(), Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(m_box->text(), QStringLiteral("55"));
    }

private:
    std::unique_ptr<AnswerBox> m_box;
    QList<char16_t> m_seen;
    QStringList m_texts;
};

QTEST_MAIN(TestAnswerBox)
#include "tst_answerbox.moc"
