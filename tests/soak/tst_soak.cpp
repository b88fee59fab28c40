// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/endurance/endurancemodel.h"
#include "challenges/leveltable.h"
#include "challenges/ranged/rangedmodel.h"
#include "challenges/roundhistory.h"
#include "fakeclock.h"
#include "modal.h"
#include "modelrig.h"
#include "registry.h"
#include "ui/challengerun.h"
#include "ui/challengewindow.h"
#include "ui/fonts.h"

#include <QPushButton>
#include <QTest>

#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#define TAVRINO_UNDER_ASAN 1
#else
#define TAVRINO_UNDER_ASAN 0
#endif

namespace {
std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}
} // namespace

// Long rounds and many openings: results stay right and memory stays flat.
class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fonts::installSubstitutions(); }

    void enduranceRoundOfFortyThousandNumbers()
    {
        ModelRig<EnduranceModel> rig(9);
        rig.model->start();
        rig.typeNumbers(1, 40'000, 350);
        QCOMPARE(rig.text(Control::Label4), QStringLiteral("0000"));
        QCOMPARE(rig.text(Control::Mark), QStringLiteral("√"));
        rig.key(kBackspace);
        QCOMPARE(rig.text(Control::Label6), QStringLiteral("40000"));
        QCOMPARE(rig.text(Control::Label21), QStringLiteral("14000"));
        QCOMPARE(rig.text(Control::Label23), QStringLiteral("00"));
    }

    void rangedRoundAtEveryLevel_data()
    {
        QTest::addColumn<int>("level");
        for (int level : levelsOf<RangedModel>())
            QTest::newRow(qPrintable(QStringLiteral("level %1").arg(level))) << level;
    }
    void rangedRoundAtEveryLevel()
    {
        QFETCH(int, level);
        ModelRig<RangedModel> rig(level);
        rig.model->start();
        // 1.2 s a number, or quicker where the limit asks: level 6 takes
        // 360 s of its 420.
        const int target = LevelTable::target(level);
        const int pace =
            std::min(1200, LevelTable::limitMilliseconds(level) * 85 / 100 / target / 10 * 10);
        rig.typeNumbers(1, target, pace);
        QCOMPARE(rig.text(Control::Label1), QStringLiteral("挑战成功,你真棒!"));
        QCOMPARE(rig.text(Control::Label6), QString::number(target * pace / 1000.0, 'f', 2));
        QVERIFY(rig.board().timerEnabled());
    }

    void everyScreenOpenedAndClosedAThousandTimes_data()
    {
        QTest::addColumn<int>("level");
        for (const ScreenLevel &s : screenLevels())
            QTest::newRow(s.screen->name()) << s.level;
    }
    void everyScreenOpenedAndClosedAThousandTimes()
    {
        QFETCH(int, level);
        FakeClock clock;
        RoundHistory history;
        ChallengeRun screens(clock, history);
        auto visit = [&] {
            const std::unique_ptr<ChallengeWindow> w =
                screens.open(*LevelTable::screen(level), {qint16(level), QStringLiteral("测试")});
            w->show();
            QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Command1")),
                              Qt::LeftButton);
            clock.advance(50);
            tick(w.get());
            w->close();
            // As the program's event loop does between visits.
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        for (int i = 0; i < 100; ++i)
            visit();
        const std::size_t before = heapInUse();
        for (int i = 0; i < 900; ++i)
            visit();
        const std::size_t after = heapInUse();
        qInfo("heap in use after 100 visits: %zu bytes, after 1000: %zu bytes", before, after);
        // Each visit's round (started, then left by Back) is kept for the
        // report: one record of no numbers each. Beyond that nothing grows.
        // Under AddressSanitizer the heap is its own; LeakSanitizer checks at exit.
        QCOMPARE(history.rounds().size(), std::size_t(1000));
        if (!TAVRINO_UNDER_ASAN)
            QVERIFY2(after < before + 128 * 1024 + 900 * sizeof(RoundRecord),
                     "memory grows with every visit");
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
