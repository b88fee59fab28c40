// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/leveltable.h"
#include "challenges/roundhistory.h"
#include "fakeclock.h"
#include "modal.h"
#include "registry.h"
#include "ui/answerbox.h"
#include "ui/challengerun.h"
#include "ui/challengewindow.h"
#include "ui/fonts.h"

#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

// Random real key events (both digit groups, both Enter keys, keys without a
// character, Tab, modifiers, paste shortcuts) and clicks on whatever button is
// open, sent to the real challenge windows, with ticks on a hand-driven clock.
// After every event the window must hold the screens' invariants: nothing but
// digits in the answer box, the box open only while the clock runs and Start
// and Play again are closed, a wrong number left standing in the box, the
// mark one of its three forms. TAVRINO_FUZZ_SEED replays a seed.
namespace {

struct KeyChoice {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    char ascii;
};

const KeyChoice kKeys[] = {
    {Qt::Key_Return, Qt::NoModifier, 0},    {Qt::Key_Enter, Qt::KeypadModifier, 0},
    {Qt::Key_Backspace, Qt::NoModifier, 0}, {Qt::Key_Delete, Qt::NoModifier, 0},
    {Qt::Key_Left, Qt::NoModifier, 0},      {Qt::Key_Home, Qt::NoModifier, 0},
    {Qt::Key_F1, Qt::NoModifier, 0},        {Qt::Key_Tab, Qt::NoModifier, 0},
    {Qt::Key_Escape, Qt::NoModifier, 0},    {Qt::Key_Space, Qt::NoModifier, ' '},
    {Qt::Key_A, Qt::NoModifier, 'a'},       {Qt::Key_Minus, Qt::NoModifier, '-'},
    {Qt::Key_V, Qt::ControlModifier, 0},    {Qt::Key_Insert, Qt::ShiftModifier, 0},
    {Qt::Key_X, Qt::ControlModifier, 0},    {Qt::Key_Z, Qt::ControlModifier, 0},
    {Qt::Key_A, Qt::ControlModifier, 0},    {Qt::Key_Period, Qt::KeypadModifier, '.'},
};

bool onlyDigits(const QString &s)
{
    for (QChar c : s) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

class TestWindowFuzz : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Fonts::installSubstitutions();
        if (qEnvironmentVariableIsSet("TAVRINO_FUZZ_SEED"))
            m_seeds = {quint32(qEnvironmentVariableIntValue("TAVRINO_FUZZ_SEED"))};
        else
            m_seeds = {11, 12, 13, 14, 15, 16};
    }

    void screens_data()
    {
        QTest::addColumn<int>("level");
        for (const ScreenLevel &s : screenLevels())
            QTest::newRow(qPrintable(
                QStringLiteral("%1, level %2").arg(QLatin1String(s.screen->name())).arg(s.level)))
                << s.level;
    }
    void screens()
    {
        QFETCH(int, level);
        qint64 events = 0;
        for (quint32 seed : m_seeds) {
            FakeClock clock;
            RoundHistory history;
            ChallengeRun screens(clock, history);
            const StartValues values{qint16(level), QStringLiteral("测试")};
            QRandomGenerator rng(seed);
            std::unique_ptr<ChallengeWindow> window =
                screens.open(*LevelTable::screen(level), values);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            // The next number of the round, as the pupil sees it from the marks.
            qint64 next = 1;
            for (int i = 0; i < 1500; ++i, ++events) {
                ChallengeWindow *w = window.get();
                auto *box = w->findChild<AnswerBox *>(QStringLiteral("Text1"));
                auto *timer = w->findChild<QTimer *>(QStringLiteral("Timer1"));
                auto *mark = w->findChild<QLabel *>(QStringLiteral("Label9(10)"));
                auto *start = w->findChild<QPushButton *>(QStringLiteral("Command1"));
                auto *again = w->findChild<QPushButton *>(QStringLiteral("Command3"));
                const QString where = QStringLiteral("seed %1, event %2").arg(seed).arg(i);
                const int roll = rng.bounded(100);
                if (roll < 40) {
                    // The next number, from either digit group.
                    const bool keypad = rng.bounded(2) == 0;
                    const QString digits = QString::number(next);
                    const bool open = box->isEnabled();
                    for (QChar c : digits)
                        QTest::keyClick(box, Qt::Key(Qt::Key_0 + (c.unicode() - u'0')),
                                        keypad ? Qt::KeypadModifier : Qt::NoModifier);
                    QTest::keyClick(box, keypad ? Qt::Key_Enter : Qt::Key_Return,
                                    keypad ? Qt::KeypadModifier : Qt::NoModifier);
                    if (mark->text() == QStringLiteral("√"))
                        ++next;
                    else if (open && mark->text() == QStringLiteral("×"))
                        QVERIFY2(box->text().endsWith(digits),
                                 qPrintable(where + QStringLiteral(": the wrong number went")));
                } else if (roll < 60) {
                    const KeyChoice &k = kKeys[rng.bounded(int(std::size(kKeys)))];
                    QTest::keyClick(box, k.key, k.mods);
                } else if (roll < 85) {
                    clock.advance(rng.bounded(1, 600));
                    if (timer->isActive())
                        tick(w);
                } else if (roll < 98) {
                    for (QPushButton *b : {start, again}) {
                        if (b->isVisible() && b->isEnabled() && rng.bounded(2) == 0) {
                            QTest::mouseClick(b, Qt::LeftButton);
                            if (b == start)
                                next = 1;
                            break;
                        }
                    }
                } else {
                    // Back, or closed by the window manager, then opened again.
                    if (rng.bounded(2) == 0)
                        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Command2")),
                                          Qt::LeftButton);
                    else
                        w->close();
                    QVERIFY(!timer->isActive());
                    window = screens.open(*LevelTable::screen(level), values);
                    window->show();
                    continue;
                }
                QVERIFY2(onlyDigits(box->text()),
                         qPrintable(where + QStringLiteral(": ") + box->text()));
                QVERIFY2(!box->isEnabled() || timer->isActive(), qPrintable(where));
                QVERIFY2(!box->isEnabled() || !start->isEnabled(), qPrintable(where));
                QVERIFY2(!box->isEnabled() || !(again->isVisible() && again->isEnabled()),
                         qPrintable(where));
                QVERIFY2(mark->text().isEmpty() || mark->text() == QStringLiteral("√") ||
                             mark->text() == QStringLiteral("×"),
                         qPrintable(where));
            }
        }
        qInfo("%lld window events over %zu seeds", events, m_seeds.size());
    }

private:
    std::vector<quint32> m_seeds;
};

QTEST_MAIN(TestWindowFuzz)
#include "tst_windowfuzz.moc"
