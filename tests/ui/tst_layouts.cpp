#include "app/startscreen.h"
#include "app/startwindow.h"
#include "challenges/endurance/endurancemodel.h"
#include "challenges/openended/openendedmodel.h"
#include "challenges/ranged/rangedmodel.h"
#include "fakeclock.h"
#include "ui/challengewindow.h"
#include "ui/fonts.h"
#include "ui/layouts.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <map>

using Layouts::ControlSpec;
using Layouts::ScreenLayout;

Q_DECLARE_METATYPE(Layouts::ControlSpec)

namespace {

int px(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

// The face a design font resolves to on this system.
enum class FaceClass { CjkSans, CjkSerif, Latin, Any };

FaceClass expectedClass(Layouts::Face face)
{
    switch (face) {
    case Layouts::Face::Heiti:
        return FaceClass::CjkSans;
    case Layouts::Face::Songti:
        return FaceClass::CjkSerif;
    case Layouts::Face::Arial:
    case Layouts::Face::ArialBlack:
        return FaceClass::Latin;
    case Layouts::Face::Default:
        break;
    }
    return FaceClass::Any;
}

bool inClass(const QString &family, FaceClass c)
{
    const bool cjk =
        family.contains(QLatin1String("CJK")) || family.contains(QLatin1String("Sim")) ||
        family.contains(QLatin1String("Hei")) || family.contains(QLatin1String("Song"));
    switch (c) {
    case FaceClass::CjkSans:
        return cjk && !family.contains(QLatin1String("Serif")) &&
               !family.contains(QLatin1String("Sun"));
    case FaceClass::CjkSerif:
        return cjk &&
               (family.contains(QLatin1String("Serif")) || family.contains(QLatin1String("Sun")) ||
                family.contains(QLatin1String("Song")));
    case FaceClass::Latin:
        return !cjk;
    case FaceClass::Any:
        break;
    }
    return true;
}

} // namespace

// Every control of every screen stands where the layout tables put it, in
// their font and colours, at a device pixel ratio of 1.
class TestLayouts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Fonts::installSubstitutions();
        m_start = std::make_unique<StartWindow>(m_clock);
        m_pupil.load();
        m_pupil.chooseLevel(1);
        m_pupil.startChallenge();
        m_ranged = std::make_unique<RangedModel>(m_clock, m_pupil);
        m_openEnded = std::make_unique<OpenEndedModel>(m_clock, m_pupil);
        m_endurance = std::make_unique<EnduranceModel>(m_clock, m_pupil);
        m_windows["form0"] = m_start.get();
        m_form1 = std::make_unique<ChallengeWindow>(
            *m_ranged, Layouts::challengeLayout(Layouts::ChallengeForm::Form1));
        m_form789 = std::make_unique<ChallengeWindow>(
            *m_openEnded, Layouts::challengeLayout(Layouts::ChallengeForm::Form789));
        m_form9 = std::make_unique<ChallengeWindow>(
            *m_endurance, Layouts::challengeLayout(Layouts::ChallengeForm::Form9));
        m_windows["Form1"] = m_form1.get();
        m_windows["Form789"] = m_form789.get();
        m_windows["Form9"] = m_form9.get();
        for (auto &[name, w] : m_windows)
            w->show();
    }

    void clientAreas_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QSize>("size");
        QTest::newRow("form0") << "form0" << QSize(1016, 733);
        QTest::newRow("Form1") << "Form1" << QSize(1016, 730);
        QTest::newRow("Form789") << "Form789" << QSize(1016, 730);
        QTest::newRow("Form9") << "Form9" << QSize(1016, 730);
    }
    void clientAreas()
    {
        QFETCH(QString, screen);
        QFETCH(QSize, size);
        QWidget *w = m_windows.at(screen);
        QCOMPARE(w->size(), size);
        QCOMPARE(w->objectName(), screen);
    }

    void everyControl_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<ControlSpec>("item");
        for (const ScreenLayout *layout :
             {&Layouts::startLayout(), &Layouts::challengeLayout(Layouts::ChallengeForm::Form1),
              &Layouts::challengeLayout(Layouts::ChallengeForm::Form789),
              &Layouts::challengeLayout(Layouts::ChallengeForm::Form9)}) {
            for (const ControlSpec &c : layout->controls) {
                const QString row = layout->name + QLatin1Char('/') + c.name;
                QTest::newRow(qPrintable(row)) << layout->name << c;
            }
        }
    }
    void everyControl()
    {
        QFETCH(QString, screen);
        QFETCH(ControlSpec, item);
        QWidget *window = m_windows.at(screen);
        QWidget *w = window->findChild<QWidget *>(item.name);
        QVERIFY(w);
        const QRect expected(px(item.left), px(item.top), std::max(1, px(item.width)),
                             std::max(1, px(item.height)));
        const QRect actual = w->geometry();
        QVERIFY2(std::abs(actual.x() - expected.x()) <= 1 &&
                     std::abs(actual.y() - expected.y()) <= 1 &&
                     std::abs(actual.width() - expected.width()) <= 1 &&
                     std::abs(actual.height() - expected.height()) <= 1,
                 qPrintable(QStringLiteral("at %1,%2 %3x%4, designed %5,%6 %7x%8")
                                .arg(actual.x())
                                .arg(actual.y())
                                .arg(actual.width())
                                .arg(actual.height())
                                .arg(expected.x())
                                .arg(expected.y())
                                .arg(expected.width())
                                .arg(expected.height())));
        if (item.font.points > 0) {
            const QFont f = w->font();
            QCOMPARE(f.pixelSize(), int(std::lround(item.font.points * 4 / 3)));
            QCOMPARE(f.bold(), item.font.weight >= 700);
            QCOMPARE(f.underline(), item.font.underline);
            const QString family = QFontInfo(f).family();
            QVERIFY2(inClass(family, expectedClass(item.font.face)), qPrintable(family));
        }
        const QPalette p = w->palette();
        if (item.text && item.kind != Layouts::Kind::Line)
            QCOMPARE(p.color(w->foregroundRole()), *item.text);
        if (item.background) {
            QCOMPARE(p.color(w->backgroundRole()), *item.background);
            QVERIFY(w->autoFillBackground());
        }
        if (auto *label = qobject_cast<QLabel *>(w); label && item.kind == Layouts::Kind::Label) {
            QVERIFY(label->autoFillBackground());
            QVERIFY(label->wordWrap());
            QCOMPARE(label->alignment() & Qt::AlignVertical_Mask, Qt::AlignTop);
            const Qt::Alignment h = label->alignment() & Qt::AlignHorizontal_Mask;
            QCOMPARE(h, item.align == Layouts::Align::Center  ? Qt::AlignHCenter
                        : item.align == Layouts::Align::Right ? Qt::AlignRight
                                                              : Qt::AlignLeft);
            QCOMPARE(label->frameShape() != QFrame::NoFrame, item.border);
        }
        if (auto *button = qobject_cast<QPushButton *>(w))
            QCOMPARE(button->text(), item.designText);
        // On the challenge screens Play again and the picture are hidden by
        // the rules at load, not by the layout.
        if (screen == QLatin1String("form0"))
            QCOMPARE(w->isHidden(), item.hidden);
        QVERIFY(!w->accessibleName().isEmpty());
    }

    // Texts that no rule replaces are what the pupil sees.
    void designTextsThatStay_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("form0 edition") << "form0"
                                       << "Label23"
                                       << "(第二版)";
        QTest::newRow("form0 prompt") << "form0"
                                      << "Label2"
                                      << "选择级别 ";
        QTest::newRow("form0 date") << "form0"
                                    << "Label4"
                                    << "2017-10-21";
        QTest::newRow("form0 name prompt") << "form0"
                                           << "Label6"
                                           << "姓名";
        QTest::newRow("Form1 heading") << "Form1"
                                       << "Label5"
                                       << "最好成绩";
        QTest::newRow("Form1 unit") << "Form1"
                                    << "Label18"
                                    << "秒";
        QTest::newRow("Form789 unit") << "Form789"
                                      << "Label18"
                                      << "位";
        QTest::newRow("Form9 unit") << "Form9"
                                    << "Label18"
                                    << "数字";
        QTest::newRow("Form9 duration heading") << "Form9"
                                                << "Label20"
                                                << "持续时长";
        QTest::newRow("Form9 duration unit") << "Form9"
                                             << "Label22"
                                             << "秒";
        QTest::newRow("Form9 duration until a tick") << "Form9"
                                                     << "Label14"
                                                     << "0999";
        QTest::newRow("Form9 gap until a tick") << "Form9"
                                                << "Label2"
                                                << "0";
        QTest::newRow("Form1 colon") << "Form1"
                                     << "Label17"
                                     << ":";
        QTest::newRow("Form1 point") << "Form1"
                                     << "Label16"
                                     << ".";
        QTest::newRow("Form1 seconds until a tick") << "Form1"
                                                    << "Label14"
                                                    << "00";
    }
    void designTextsThatStay()
    {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        QFETCH(QString, text);
        QCOMPARE(m_windows.at(screen)->findChild<QLabel *>(control)->text(), text);
    }

    void tabOrders_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("form0") << "form0" << QStringList{"Command0", "Text1", "Command1"};
        for (const char *s : {"Form1", "Form789", "Form9"})
            QTest::newRow(s) << s << QStringList{"Command1", "Text1", "Command3", "Command2"};
    }
    void tabOrders()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, order);
        QWidget *window = m_windows.at(screen);
        QStringList chain;
        for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus)
                chain << w->objectName();
        }
        QCOMPARE(chain, order);
    }

    // Enlarged, a challenge screen scales its whole design and keeps its
    // proportions, letterboxed where the aspect differs.
    void challengeScreenScales_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QPoint>("offset");
        QTest::newRow("twice the design") << QSize(2032, 1460) << 2.0 << QPoint(0, 0);
        QTest::newRow("wider: bars left and right") << QSize(2400, 1460) << 2.0 << QPoint(184, 0);
        QTest::newRow("taller: bars above and below") << QSize(1016, 900) << 1.0 << QPoint(0, 85);
    }
    void challengeScreenScales()
    {
        QFETCH(QSize, size);
        QFETCH(double, scale);
        QFETCH(QPoint, offset);
        ChallengeWindow *w = m_form1.get();
        w->resize(size);
        QCOMPARE(w->designScale(), scale);
        const ScreenLayout &layout = Layouts::challengeLayout(Layouts::ChallengeForm::Form1);
        for (const char *name : {"Text1", "Label9(10)", "Label13", "Command1"}) {
            const ControlSpec *item = layout.find(QLatin1String(name));
            QWidget *c = w->findChild<QWidget *>(QLatin1String(name));
            const QRect g = c->geometry();
            QVERIFY2(std::abs(g.x() - (offset.x() + px(item->left) * scale)) <= 1, name);
            QVERIFY2(std::abs(g.y() - (offset.y() + px(item->top) * scale)) <= 1, name);
            QVERIFY2(std::abs(g.width() - px(item->width) * scale) <= 2, name);
            QVERIFY2(std::abs(g.height() - px(item->height) * scale) <= 2, name);
            QCOMPARE(c->font().pixelSize(), int(std::lround(item->font.points * 4 / 3 * scale)));
        }
        w->resize(1016, 730);
        QCOMPARE(w->designScale(), 1.0);
        QCOMPARE(w->findChild<QWidget *>(QStringLiteral("Text1"))->geometry(),
                 QRect(320, 304, 465, 305));
    }

    void startScreenHasAFixedFrame()
    {
        QWidget *w = m_start.get();
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!(w->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(m_form1->windowFlags() & Qt::WindowMaximizeButtonHint);
    }

    void pointersOverLevelButtonsAndLinks()
    {
        for (const char *name : {"Label13", "Label17", "Label21", "Label1", "Label3"}) {
            QWidget *w = m_start->findChild<QWidget *>(QLatin1String(name));
            QCOMPARE(w->cursor().shape(), Qt::BitmapCursor);
            QCOMPARE(w->cursor().hotSpot(), QPoint(12, 1));
        }
        QCOMPARE(m_start->findChild<QWidget *>(QStringLiteral("Label9"))->cursor().shape(),
                 Qt::ArrowCursor);
    }

private:
    FakeClock m_clock;
    StartScreen m_pupil;
    std::unique_ptr<StartWindow> m_start;
    std::unique_ptr<RangedModel> m_ranged;
    std::unique_ptr<OpenEndedModel> m_openEnded;
    std::unique_ptr<EnduranceModel> m_endurance;
    std::unique_ptr<ChallengeWindow> m_form1, m_form789, m_form9;
    std::map<QString, QWidget *> m_windows;
};

QTEST_MAIN(TestLayouts)
#include "tst_layouts.moc"
