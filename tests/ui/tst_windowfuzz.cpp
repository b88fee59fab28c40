#include "app/startscreen.h"
#include "challenges/endurance/endurancemodel.h"
#include "challenges/openended/openendedmodel.h"
#include "challenges/ranged/rangedmodel.h"
#include "fakeclock.h"
#include "ui/answerbox.h"
#include "ui/challengewindow.h"
#include "ui/fonts.h"
#include "ui/layouts.h"

#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

// Random real key events (both digit groups, both Enter keys, keys without a
// character, Tab, modifiers, paste shortcuts) and clicks on whatever button is
// open, sent to the real challenge windows, with ticks on a hand-driven clock.
// After every event the widgets must show what the rules hold and nothing but
// digits may ever stand in the answer box. TAVRINO_FUZZ_SEED replays a seed.
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
        QTest::newRow("Form1, level 2") << 2;
        QTest::newRow("Form789, level 8") << 8;
        QTest::newRow("Form9") << 9;
    }
    void screens()
    {
        QFETCH(int, level);
        qint64 events = 0;
        for (quint32 seed : m_seeds) {
            FakeClock clock;
            StartScreen pupil;
            pupil.load();
            pupil.chooseLevel(level);
            pupil.startChallenge();
            std::unique_ptr<ChallengeModel> model;
            Layouts::ChallengeForm form = Layouts::ChallengeForm::Form9;
            if (level <= 6) {
                model = std::make_unique<RangedModel>(clock, pupil);
                form = Layouts::ChallengeForm::Form1;
            } else if (level <= 8) {
                model = std::make_unique<OpenEndedModel>(clock, pupil);
                form = Layouts::ChallengeForm::Form789;
            } else {
                model = std::make_unique<EnduranceModel>(clock, pupil);
            }
            QRandomGenerator rng(seed);
            auto window = std::make_unique<ChallengeWindow>(*model, Layouts::challengeLayout(form));
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            for (int i = 0; i < 1500; ++i, ++events) {
                ChallengeWindow *w = window.get();
                auto *box = w->findChild<AnswerBox *>(QStringLiteral("Text1"));
                const int roll = rng.bounded(100);
                if (roll < 40) {
                    // The next number, from either digit group.
                    const bool keypad = rng.bounded(2) == 0;
                    for (QChar c : QString::number(std::max<qint64>(model->expected(), 1)))
                        QTest::keyClick(box, Qt::Key(Qt::Key_0 + (c.unicode() - u'0')),
                                        keypad ? Qt::KeypadModifier : Qt::NoModifier);
                    QTest::keyClick(box, keypad ? Qt::Key_Enter : Qt::Key_Return,
                                    keypad ? Qt::KeypadModifier : Qt::NoModifier);
                } else if (roll < 60) {
                    const KeyChoice &k = kKeys[rng.bounded(int(std::size(kKeys)))];
                    QTest::keyClick(box, k.key, k.mods);
                } else if (roll < 85) {
                    clock.advance(rng.bounded(1, 600));
                    if (w->timer()->isActive())
                        w->tick();
                } else if (roll < 98) {
                    for (const char *name : {"Command1", "Command3"}) {
                        auto *b = w->findChild<QPushButton *>(QLatin1String(name));
                        if (b->isVisible() && b->isEnabled() && rng.bounded(2) == 0) {
                            QTest::mouseClick(b, Qt::LeftButton);
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
                    QVERIFY(!w->timer()->isActive());
                    window =
                        std::make_unique<ChallengeWindow>(*model, Layouts::challengeLayout(form));
                    window->show();
                    continue;
                }
                const QString where = QStringLiteral("seed %1, event %2").arg(seed).arg(i);
                const ChallengeBoard &board = model->board();
                QVERIFY2(onlyDigits(box->text()),
                         qPrintable(where + QStringLiteral(": ") + box->text()));
                QVERIFY2(box->isEnabled() == board.enabled(Control::Text1), qPrintable(where));
                QVERIFY2(w->timer()->isActive() == board.timerEnabled(), qPrintable(where));
                QVERIFY2(!box->isEnabled() || w->timer()->isActive(), qPrintable(where));
                const QString mark = w->findChild<QLabel *>(QStringLiteral("Label9(10)"))->text();
                QVERIFY2(mark.isEmpty() || mark == QStringLiteral("√") ||
                             mark == QStringLiteral("×"),
                         qPrintable(where));
                for (Control c : {Control::Label1, Control::Label4, Control::Label6}) {
                    if (board[c].textWritten)
                        QVERIFY2(w->findChild<QLabel *>(QLatin1String(controlName(c)))->text() ==
                                     board.text(c),
                                 qPrintable(where));
                }
            }
        }
        qInfo("%lld window events over %zu seeds", events, m_seeds.size());
    }

private:
    std::vector<quint32> m_seeds;
};

QTEST_MAIN(TestWindowFuzz)
#include "tst_windowfuzz.moc"
