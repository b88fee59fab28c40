// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/endurance/endurancemodel.h"
#include "challenges/openended/openendedmodel.h"
#include "challenges/ranged/rangedmodel.h"
#include "modelrig.h"
#include "registry.h"

#include <QHash>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

// Seeded random streams of keys, clicks and clock jumps over the rules of
// all three screens, with the screen's invariants checked after every event.
// A failure names its seed; TAVRINO_FUZZ_SEED=N replays that seed alone.
namespace {

constexpr int kSeeds = 24;
constexpr int kEventsPerSeed = 6000;

QString failure;

#define CHECK(cond, what)                                                                          \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            failure = QStringLiteral(what);                                                        \
            return false;                                                                          \
        }                                                                                          \
    } while (false)

bool matches(const QString &text, const char *pattern)
{
    static QHash<const char *, QRegularExpression> compiled;
    auto it = compiled.find(pattern);
    if (it == compiled.end())
        it = compiled.insert(pattern, QRegularExpression(QRegularExpression::anchoredPattern(
                                          QString::fromUtf8(pattern))));
    return it->match(text).hasMatch();
}

const char16_t kOddKeys[] = {u'a', u'Z', u' ', u'-', u'+', u'.', u',', u'/', u'！', u'１',
                             27,   1,    3,    22,   24,   26,   9,    127,  0x4e00};

template <typename Model> struct Stream {
    Stream(quint32 seed, int level) : rng(seed), rig(level, QStringLiteral("测试")) {}

    QRandomGenerator rng;
    ModelRig<Model> rig;
    int visits = 1;
    // The number that should come next in the round, as the stream sees it
    // from the marks: it types mostly that.
    qint64 next = 0;
    // Some rounds are played carefully (almost only right numbers, no long
    // pauses) so that they reach success and records; the others are chaos.
    bool careful = false;

    bool canStart()
    {
        return rig.board().enabled(Control::Command1) && rig.board()[Control::Command1].visible;
    }
    bool canPlayAgain()
    {
        return rig.board().enabled(Control::Command3) && rig.board()[Control::Command3].visible;
    }

    template <typename Check> bool run(Check check, qint64 &events)
    {
        for (int i = 0; i < kEventsPerSeed; ++i, ++events) {
            if (!step(check)) {
                failure = QStringLiteral("event %1: %2").arg(i).arg(failure);
                return false;
            }
        }
        return true;
    }

    // One event; keys typed outside a round must change nothing.
    template <typename Check> bool step(Check check)
    {
        int roll = rng.bounded(100);
        if (careful && rig.board().enabled(Control::Text1))
            roll = rng.bounded(1000) < 997 ? rng.bounded(30) : rng.bounded(30, 100);
        if (roll < 45) {
            char16_t code;
            QString box;
            if (roll < 30) {
                // Mostly the right next number, so that rounds get far.
                const QString digits = QString::number(next);
                for (qsizetype i = 0; i < digits.size(); ++i) {
                    if (!keyOk(digits[i].unicode(), digits.left(i), check))
                        return false;
                }
                code = kEnter;
                box = digits;
            } else if (roll < 38) {
                code = char16_t(u'0' + rng.bounded(10));
            } else if (roll < 40) {
                // Enter on whatever the box might hold.
                code = kEnter;
                const QString boxes[] = {
                    QString(), QString::number(next - 1), QString::number(next + 1),
                    QLatin1Char('0') + QString::number(next), QString(25, QLatin1Char('9'))};
                box = boxes[rng.bounded(5)];
            } else if (roll < 42) {
                code = kBackspace;
            } else {
                code = kOddKeys[rng.bounded(int(std::size(kOddKeys)))];
            }
            if (!keyOk(code, box, check))
                return false;
            if (code == kEnter && box == QString::number(next) &&
                rig.text(Control::Mark) == QStringLiteral("√"))
                ++next;
            return true;
        }
        if (roll < 85) {
            rig.clock.advance(rng.bounded(1, 25));
        } else if (roll < 89) {
            // Jumps: past a limit, to just before midnight, long pauses.
            const qint64 jumps[] = {2'000, 60'000, 430'000, 86'400'000 - 50};
            rig.clock.advance(jumps[rng.bounded(4)]);
        } else if (roll < 95) {
            if (canStart()) {
                careful = rng.bounded(2) == 0;
                rig.model->start();
                next = 1;
            }
        } else if (roll < 99) {
            if (canPlayAgain())
                rig.model->playAgain();
        } else {
            rig.reopen();
            ++visits;
        }
        if (rig.board().timerEnabled())
            rig.model->tick();
        return check();
    }

    template <typename Check> bool keyOk(char16_t code, const QString &box, Check check)
    {
        const bool outside = !rig.board().enabled(Control::Text1);
        rig.board().takeChanges();
        const char16_t left = rig.key(code, box);
        if (outside) {
            CHECK(left == 0, "a key outside a round reached the box");
            CHECK(rig.board().takeChanges().none(), "a key outside a round changed the screen");
        }
        if (rig.board().timerEnabled() && rng.bounded(3) == 0) {
            rig.clock.advance(rng.bounded(1, careful ? 300 : 400));
            rig.model->tick();
        }
        return check();
    }
};

// Texts and forms every screen may show.
bool commonForms(ChallengeBoard &b)
{
    const QString mark = b[Control::Mark].text;
    CHECK(mark.isEmpty() || mark == QStringLiteral("√") || mark == QStringLiteral("×"),
          "mark shows something other than √, × or nothing");
    CHECK(!b.enabled(Control::Text1) || b.timerEnabled(),
          "the answer box is open while no clock runs");
    CHECK(!b.enabled(Control::Text1) || !b.enabled(Control::Command1),
          "the answer box and Start are open together");
    CHECK(!b.enabled(Control::Text1) ||
              !(b.enabled(Control::Command3) && b[Control::Command3].visible),
          "the answer box is open after the round ended");
    return true;
}

bool timedForms(ChallengeBoard &b)
{
    if (!commonForms(b))
        return false;
    const bool timeUp = b[Control::Label1].text == QStringLiteral("时间到!");
    CHECK(!timeUp || !b.timerEnabled(), "the timer runs after the limit ended");
    CHECK(!timeUp || !b.enabled(Control::Text1), "the box is open after the limit ended");
    CHECK(!timeUp || !b.enabled(Control::Command1), "Start is open after the limit ended");
    for (Control c : {Control::Label2, Control::Label11, Control::Label13, Control::Label14}) {
        CHECK(b[c].text.isEmpty() || matches(b[c].text, "\\d\\d"), "a clock label lost its form");
    }
    CHECK(matches(b[Control::Label15].text, "[567]| \\d|\\d\\d"), "minutes lost their form");
    const QString l4 = b[Control::Label4].text;
    CHECK(l4.isEmpty() || matches(l4, " \\d| \\d\\d|\\d{3}"), "last number lost its form");
    return true;
}

} // namespace

class TestProperties : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsSet("TAVRINO_FUZZ_SEED"))
            m_seeds = {quint32(qEnvironmentVariableIntValue("TAVRINO_FUZZ_SEED"))};
        else
            for (quint32 s = 1; s <= kSeeds; ++s)
                m_seeds.push_back(s);
    }

    void rangedScreen()
    {
        qint64 events = 0;
        for (quint32 seed : m_seeds) {
            const std::vector<int> levels = levelsOf<RangedModel>();
            Stream<RangedModel> s(seed, levels[seed % levels.size()]);
            // Hundredths; the best lasts the whole run, though reopening
            // blanks its label until the next success.
            qint64 best = 0;
            auto check = [&] {
                ChallengeBoard &b = s.rig.board();
                count(b[Control::Label1].text);
                if (!timedForms(b))
                    return false;
                const QString l6 = b[Control::Label6].text;
                CHECK(l6.isEmpty() || matches(l6, "\\d+\\.\\d\\d"),
                      "the best result lost its form");
                if (!l6.isEmpty()) {
                    const qint64 now =
                        l6.left(l6.size() - 3).toLongLong() * 100 + l6.right(2).toInt();
                    CHECK(best == 0 || (now > 0 && now <= best), "the best result got worse");
                    best = now;
                }
                const QString l1 = b[Control::Label1].text;
                CHECK(l1.isEmpty() || l1 == QStringLiteral(" ") ||
                          l1 == QStringLiteral("时间到!") ||
                          l1 == QStringLiteral("挑战成功,你真棒!") ||
                          l1 == QStringLiteral("记录又被刷新!") ||
                          matches(l1, "您正确输入的数字范围是 1 -  \\d+"),
                      "the message line shows an unknown text");
                return true;
            };
            if (!s.run(check, events))
                QFAIL(qPrintable(QStringLiteral("seed %1, %2").arg(seed).arg(failure)));
        }
        qInfo("ranged: %lld events over %zu seeds", events, m_seeds.size());
        requireSeen({"挑战成功,你真棒!", "记录又被刷新!", "时间到!"});
    }

    void openEndedScreen()
    {
        qint64 events = 0;
        for (quint32 seed : m_seeds) {
            const std::vector<int> levels = levelsOf<OpenEndedModel>();
            Stream<OpenEndedModel> s(seed, levels[seed % levels.size()]);
            qint64 best = 0;
            int visit = 1;
            auto check = [&] {
                ChallengeBoard &b = s.rig.board();
                count(b[Control::Label1].text.left(6));
                if (!timedForms(b))
                    return false;
                const QString l6 = b[Control::Label6].text;
                CHECK(l6.isEmpty() || matches(l6, "\\d+"), "the best count lost its form");
                const qint64 now = l6.toLongLong();
                if (visit != s.visits) {
                    visit = s.visits;
                    best = 0;
                    CHECK(l6.isEmpty(), "reopening kept the best count");
                }
                CHECK(now >= best, "the best count got worse");
                best = now;
                const QString l1 = b[Control::Label1].text;
                CHECK(l1.isEmpty() || l1 == QStringLiteral(" ") ||
                          l1 == QStringLiteral("时间到!") ||
                          matches(l1, "本次有效数字范围是 1 -  \\d+") ||
                          matches(l1, "本次有效数字范围是 1-\\d+") ||
                          matches(l1, "记录又被刷新,有效数字范围是 1 -  \\d+") ||
                          matches(l1, "记录又被刷新,有效数字范围是 1-\\d+"),
                      "the message line shows an unknown text");
                return true;
            };
            if (!s.run(check, events))
                QFAIL(qPrintable(QStringLiteral("seed %1, %2").arg(seed).arg(failure)));
        }
        qInfo("open-ended: %lld events over %zu seeds", events, m_seeds.size());
        requireSeen({"本次有效数字", "记录又被刷新", "时间到!"});
    }

    void enduranceScreen()
    {
        qint64 events = 0;
        for (quint32 seed : m_seeds) {
            const std::vector<int> levels = levelsOf<EnduranceModel>();
            Stream<EnduranceModel> s(seed, levels[seed % levels.size()]);
            qint64 best = 0;
            // Whole seconds and hundredths of the best round.
            std::pair<qint64, qint64> bestDuration;
            int visit = 1;
            auto check = [&] {
                ChallengeBoard &b = s.rig.board();
                count(b[Control::Label1].text);
                if (!commonForms(b))
                    return false;
                CHECK(b.timerEnabled() == b.enabled(Control::Text1),
                      "the timer runs exactly while a round runs");
                const QString l6 = b[Control::Label6].text;
                CHECK(l6.isEmpty() || matches(l6, "\\d+"), "the best count lost its form");
                CHECK(l6.isEmpty() == b[Control::Label21].text.isEmpty() &&
                          l6.isEmpty() == b[Control::Label23].text.isEmpty(),
                      "a best count without its duration");
                CHECK(b[Control::Label23].text.isEmpty() ||
                          matches(b[Control::Label23].text, "\\d\\d"),
                      "the best duration lost its form");
                const qint64 now = l6.toLongLong();
                const std::pair<qint64, qint64> d{b[Control::Label21].text.toLongLong(),
                                                  b[Control::Label23].text.toLongLong()};
                if (visit != s.visits) {
                    visit = s.visits;
                    best = 0;
                    bestDuration = {};
                    CHECK(l6.isEmpty(), "reopening kept the best count");
                }
                CHECK(now >= best, "the best count got worse");
                CHECK(now != best || now == 0 || !(bestDuration < d),
                      "the best duration got longer at an equal count");
                best = now;
                bestDuration = d;
                const QString l1 = b[Control::Label1].text;
                CHECK(l1.isEmpty() || l1 == QStringLiteral(" ") ||
                          l1 == QStringLiteral("不能退格，挑战结束！") ||
                          l1 == QStringLiteral("数字输入错误，挑战结束！") ||
                          l1 == QStringLiteral("按了非数字键,挑战结束!刷新记录") ||
                          l1 == QStringLiteral("两次按键时间超过2秒,挑战结束!"),
                      "the message line shows an unknown text");
                CHECK(b[Control::Label2].text.isEmpty() ||
                          matches(b[Control::Label2].text, "\\d{1,2}"),
                      "gap seconds lost their form");
                CHECK(b[Control::Label14].text.isEmpty() ||
                          matches(b[Control::Label14].text, "\\d+"),
                      "duration seconds lost their form");
                for (Control c : {Control::Label11, Control::Label13})
                    CHECK(b[c].text.isEmpty() || matches(b[c].text, "\\d\\d"),
                          "hundredths lost their form");
                const QString l4 = b[Control::Label4].text;
                CHECK(l4.isEmpty() || matches(l4, " \\d{1,3}|\\d{4}"), "last number lost its form");
                return true;
            };
            if (!s.run(check, events))
                QFAIL(qPrintable(QStringLiteral("seed %1, %2").arg(seed).arg(failure)));
        }
        qInfo("endurance: %lld events over %zu seeds", events, m_seeds.size());
        requireSeen({"不能退格，挑战结束！", "数字输入错误，挑战结束！",
                     "按了非数字键,挑战结束!刷新记录", "两次按键时间超过2秒,挑战结束!"});
    }

private:
    void count(const QString &message) { m_seen.insert(message); }
    // The streams must reach every ending, or the invariants prove little.
    void requireSeen(std::initializer_list<const char *> messages)
    {
        if (m_seeds.size() == 1)
            return;
        for (const char *m : messages)
            QVERIFY2(m_seen.contains(QString::fromUtf8(m)), m);
        m_seen.clear();
    }

    std::vector<quint32> m_seeds;
    QSet<QString> m_seen;
};

QTEST_GUILESS_MAIN(TestProperties)
#include "tst_properties.moc"
