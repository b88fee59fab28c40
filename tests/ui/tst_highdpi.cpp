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

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include <cmath>

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

    // On the laptop's screen (960 x 540 at this ratio) neither window fits
    // at the design's size: each shows whole, every control, font and
    // picture scaled as one, as it shows on the desk.
    void windowsShrinkToFitASmallScreen()
    {
        FakeClock clock;
        RoundHistory history;
        ChallengeRun screens(clock, history);
        StartScreen rules;
        QScreen *laptop = QGuiApplication::screens().at(1);
        for (qint16 level : {0, 1, 9}) {
            std::unique_ptr<QWidget> desk, small;
            for (std::unique_ptr<QWidget> *w : {&desk, &small}) {
                *w = level ? std::unique_ptr<QWidget>(
                                 screens.open(*LevelTable::screen(level), {level, QString()}))
                           : std::make_unique<StartWindow>(rules);
                (*w)->setScreen(w == &small ? laptop : QGuiApplication::primaryScreen());
                (*w)->show();
                QVERIFY(QTest::qWaitForWindowExposed(w->get()));
            }
            QVERIFY(laptop->availableGeometry().contains(small->frameGeometry()));
            QVERIFY(small->frameGeometry().height() >= laptop->availableGeometry().height() - 2);
            const double scale = small->height() / double(desk->height());
            QVERIFY(std::abs(desk->width() * scale - small->width()) < 1);
            for (const QWidget *c :
                 desk->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
                const auto *s = small->findChild<QWidget *>(c->objectName());
                const QRectF want(QPointF(c->pos()) * scale, QSizeF(c->size()) * scale);
                const QRectF got = s->geometry().toRectF();
                const auto near = [](double a, double b) { return std::abs(a - b) < 1.5; };
                QVERIFY2(near(got.left(), want.left()) && near(got.top(), want.top()) &&
                             near(got.right(), want.right()) && near(got.bottom(), want.bottom()),
                         qPrintable(c->objectName()));
                QVERIFY(std::abs(s->font().pixelSize() - c->font().pixelSize() * scale) <= 1);
                if (const auto *picture = qobject_cast<const QLabel *>(s);
                    picture && !picture->pixmap().isNull()) {
                    QCOMPARE(picture->pixmap().devicePixelRatio(), 2.0);
                    QVERIFY(std::abs(picture->pixmap().width() - 600 * scale) <= 2);
                }
            }
        }
    }
};

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
