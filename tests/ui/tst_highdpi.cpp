// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/leveltable.h"
#include "challenges/roundhistory.h"
#include "fakeclock.h"
#include "ui/challengerun.h"
#include "ui/challengewindow.h"
#include "ui/fonts.h"
#include "ui/startwindow.h"

#include <QLabel>
#include <QTest>

// Run with a device pixel ratio of 2: the screens keep the design's logical
// geometry and draw text and pictures at the full pixel density.
class TestHighDpi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fonts::installSubstitutions(); }

    void picturesAndTextAreSharpAtTwiceThePixels()
    {
        FakeClock clock;
        RoundHistory history;
        ChallengeRun screens(clock, history);
        const std::unique_ptr<ChallengeWindow> window =
            screens.open(*LevelTable::screen(1), {1, QString()});
        ChallengeWindow &w = *window;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.devicePixelRatioF(), 2.0);
        QCOMPARE(w.size(), QSize(1016, 730));
        QCOMPARE(w.findChild<QWidget *>(QStringLiteral("Text1"))->geometry(),
                 QRect(320, 304, 465, 305));
        const QPixmap picture = w.findChild<QLabel *>(QStringLiteral("Picture1"))->pixmap();
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(picture.size(), QSize(600, 600));
        const QPixmap shot = w.grab();
        QCOMPARE(shot.size(), QSize(2032, 1460));
    }

    void startScreenBadgeIsDrawnForTheDensity()
    {
        StartScreen rules;
        StartWindow w(rules);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPixmap badge = w.findChild<QLabel *>(QStringLiteral("picIcon"))->pixmap();
        QCOMPARE(badge.devicePixelRatio(), 2.0);
        QCOMPARE(badge.size(), QSize(600, 600));
        QCOMPARE(w.size(), QSize(1016, 733));
    }
};

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
