// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/challengetexts.h"
#include "challenges/endurance/endurancetexts.h"
#include "challenges/leveltable.h"
#include "challenges/openended/openendedtexts.h"
#include "challenges/ranged/rangedtexts.h"
#include "challenges/roundhistory.h"
#include "core/translation.h"
#include "fakeclock.h"
#include "registry.h"
#include "ui/challengerun.h"
#include "ui/challengewindow.h"
#include "ui/designlabel.h"
#include "ui/fonts.h"
#include "ui/startwindow.h"

#include <QFontInfo>
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QTest>
#include <QTextLayout>
#include <QTranslator>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// Each control as the screens were designed: place and size in twips (15 to
// a pixel), font (face H "黑体", S "宋体", A "Arial", K "Arial Black"; points;
// b bold, u underlined), text and background colour (-1: the system's),
// alignment and a single-line border. Written out here, not read from the
// tables that build the windows, so that a wrong row there fails.
struct Designed {
    const char *screen;
    const char *control;
    int left, top, width, height;
    const char *font;
    int text, background;
    char align;
    bool border;
};

const Designed kDesigned[] = {
    {"Form1", "Label7", 1200, 240, 6945, 975, "H48b", 0xFF0000, -1, 'C', false},
    {"Form1", "Label3", 8280, -1200, 2895, 4575, "K200.25b", 0xFF0000, -1, 'L', false},
    {"Form1", "Label8", 11280, 360, 3855, 796, "H36b", 0x0000C0, -1, 'C', true},
    {"Form1", "Label12", 11280, 3240, 3975, 495, "S26.25", 0x0000C0, -1, 'C', false},
    {"Form1", "Label15", 2280, 1440, 1395, 1200, "H60b", -1, -1, 'R', false},
    {"Form1", "Label17", 3795, 1440, 645, 1200, "S60b", -1, -1, 'L', false},
    {"Form1", "Label14", 4560, 1440, 1395, 1200, "H60b", -1, -1, 'R', false},
    {"Form1", "Label16", 6060, 1440, 540, 1200, "S60b", -1, -1, 'L', false},
    {"Form1", "Label13", 6720, 1440, 1395, 1200, "H60b", -1, -1, 'R', false},
    {"Form1", "Label2", 3345, 2640, 2595, 1200, "H60b", -1, -1, 'R', false},
    {"Form1", "Label10", 6060, 2640, 540, 1200, "S60b", -1, -1, 'L', false},
    {"Form1", "Label11", 6720, 2640, 1395, 1200, "H60b", -1, -1, 'R', false},
    {"Form1", "Label5", 11760, 1440, 3135, 615, "S26.25", 0x0000C0, -1, 'L', false},
    {"Form1", "Label6", 11520, 2160, 2655, 855, "S42", 0x0000C0, -1, 'R', true},
    {"Form1", "Label18", 14280, 2280, 855, 735, "S36", 0x0000C0, -1, 'R', false},
    {"Form1", "Label1", 3000, 3840, 8775, 615, "H24b", 0xFF0000, -1, 'C', false},
    {"Form1", "Picture1", 120, 4560, 4575, 4575, "", -1, -1, 'L', false},
    {"Form1", "Text1", 4800, 4560, 6975, 4575, "H219.75b", 0xFF0000, -1, 'R', false},
    {"Form1", "Label4", 720, 5280, 3855, 2565, "H120b", 0x0000FF, -1, 'R', false},
    {"Form1", "Label9(10)", 11760, 6840, 1695, 1695, "H99.75b", 0xFF0000, -1, 'R', false},
    {"Form1", "Command3", 12480, 4680, 1984, 597, "S21.75b", -1, -1, 'L', false},
    {"Form1", "Command1", 12480, 5520, 1984, 597, "S21.75b", -1, -1, 'L', false},
    {"Form1", "Command2", 120, 9360, 1984, 597, "S21.75b", -1, -1, 'L', false},
    {"Form1", "Label19", 3360, 9360, 10215, 735, "H21.75b", 0x0000C0, -1, 'C', false},
    {"Form789", "Label7", 1200, 240, 6945, 975, "H48b", 0xFF0000, -1, 'C', false},
    {"Form789", "Label3", 8280, -1080, 2895, 4575, "K200.25b", 0xFF0000, -1, 'L', false},
    {"Form789", "Label8", 11280, 360, 3855, 796, "H36b", 0x0000C0, -1, 'C', true},
    {"Form789", "Label12", 11280, 3480, 3975, 735, "S26.25", 0x0000C0, -1, 'C', false},
    {"Form789", "Label15", 240, 1440, 2355, 1200, "H60b", -1, -1, 'R', false},
    {"Form789", "Label17", 2715, 1440, 645, 1200, "S60b", -1, -1, 'L', false},
    {"Form789", "Label14", 3480, 1440, 1395, 1200, "H60b", -1, -1, 'R', false},
    {"Form789", "Label16", 4980, 1440, 540, 1200, "S60b", -1, -1, 'L', false},
    {"Form789", "Label13", 5640, 1440, 1395, 1200, "H60b", -1, -1, 'R', false},
    {"Form789", "Label2", 2265, 2760, 2595, 1200, "H60b", -1, -1, 'R', false},
    {"Form789", "Label10", 4980, 2760, 540, 1200, "S60b", -1, -1, 'L', false},
    {"Form789", "Label11", 5640, 2760, 1395, 1200, "H60b", -1, -1, 'R', false},
    {"Form789", "Label5", 11880, 1560, 2535, 615, "S26.25", 0x0000C0, -1, 'L', false},
    {"Form789", "Label6", 11520, 2400, 2775, 975, "S42", 0x0000C0, -1, 'R', true},
    {"Form789", "Label18", 14280, 2520, 855, 735, "S36", 0x0000C0, -1, 'R', false},
    {"Form789", "Label1", 3000, 4080, 8775, 615, "H24b", 0xFF0000, -1, 'C', false},
    {"Form789", "Text1", 4800, 4800, 8055, 4035, "H200.25b", 0xFF0000, -1, 'R', false},
    {"Form789", "Label4", 240, 6000, 4455, 1965, "H99.75b", 0x0000FF, -1, 'R', false},
    {"Form789", "Label9(10)", 13320, 6840, 1695, 1695, "H99.75b", 0xFF0000, -1, 'R', false},
    {"Form789", "Command3", 13080, 4800, 1984, 597, "S21.75b", -1, -1, 'L', false},
    {"Form789", "Command1", 13080, 5760, 1984, 597, "S21.75b", -1, -1, 'L', false},
    {"Form789", "Command2", 240, 8880, 1984, 597, "S21.75b", -1, -1, 'L', false},
    {"Form789", "Label19", 3960, 9000, 9615, 855, "H26.25b", 0x0000C0, -1, 'C', false},
    {"Form9", "Label7", 480, 240, 6945, 975, "H48b", 0xFF0000, -1, 'C', false},
    {"Form9", "Label3", 7200, -960, 2895, 4575, "K200.25b", 0xFF0000, -1, 'L', false},
    {"Form9", "Label8", 10200, 360, 4935, 795, "H36b", 0x0000C0, 0xFFFFFF, 'C', true},
    {"Form9", "Label12", 11280, 3360, 3975, 495, "S26.25", 0x0000C0, -1, 'C', false},
    {"Form9", "Label15", 0, 1440, 915, 1200, "H60b", -1, -1, 'R', false},
    {"Form9", "Label17", 915, 1440, 645, 1200, "S60b", -1, -1, 'L', false},
    {"Form9", "Label14", 1440, 1440, 2715, 1200, "H60b", -1, -1, 'R', false},
    {"Form9", "Label16", 4260, 1440, 540, 1200, "S60b", -1, -1, 'L', false},
    {"Form9", "Label13", 4920, 1440, 1395, 1200, "H60b", -1, -1, 'R', false},
    {"Form9", "Label2", 1545, 2760, 2595, 1200, "H60b", -1, -1, 'R', false},
    {"Form9", "Label10", 4260, 2760, 540, 1200, "S60b", -1, -1, 'L', false},
    {"Form9", "Label11", 4920, 2760, 1395, 1200, "H60b", -1, -1, 'R', false},
    {"Form9", "Label5", 10200, 1560, 1815, 495, "S21.75", 0x0000C0, -1, 'L', false},
    {"Form9", "Label6", 12120, 1320, 2055, 855, "S42", 0x0000C0, 0xFFFFFF, 'C', true},
    {"Form9", "Label18", 14160, 1560, 975, 615, "S21.75", 0x0000C0, -1, 'R', false},
    {"Form9", "Label20", 10200, 2520, 1815, 495, "S21.75", 0x0000C0, -1, 'L', false},
    {"Form9", "Label21", 12120, 2400, 1095, 615, "S24", 0x0000C0, 0xFFFFFF, 'R', true},
    {"Form9", "Label24", 13260, 2437, 240, 540, "S24", 0x0000C0, 0xFFFFFF, 'C', false},
    {"Form9", "Label23", 13530, 2400, 645, 615, "S24", 0x0000C0, 0xFFFFFF, 'C', true},
    {"Form9", "Label22", 14160, 2520, 495, 615, "S21.75", 0x0000C0, -1, 'R', false},
    {"Form9", "Label1", 4800, 4080, 8055, 615, "H24b", 0xFF0000, -1, 'C', false},
    {"Form9", "Text1", 4800, 4800, 8055, 4035, "H200.25b", 0xFF0000, -1, 'R', false},
    {"Form9", "Label4", 240, 6000, 4455, 1965, "H99.75b", 0x0000FF, -1, 'R', false},
    {"Form9", "Label9(10)", 13320, 6840, 1695, 1695, "H99.75b", 0xFF0000, -1, 'R', false},
    {"Form9", "Command3", 13080, 4800, 1984, 597, "S21.75b", -1, -1, 'L', false},
    {"Form9", "Command1", 13080, 5760, 1984, 597, "S21.75b", -1, -1, 'L', false},
    {"Form9", "Command2", 240, 8880, 1984, 597, "S21.75b", -1, -1, 'L', false},
    {"Form9", "Label19", 3000, 9000, 11415, 855, "H24b", 0x0000C0, -1, 'C', false},
    // Our own link to the round's report, in free space under Start.
    {"Form1", "lblReport", 12480, 6240, 1984, 495, "S18u", 0x0000FF, -1, 'C', false},
    {"Form789", "lblReport", 13080, 6480, 1984, 360, "S18u", 0x0000FF, -1, 'C', false},
    {"Form9", "lblReport", 13080, 6480, 1984, 360, "S18u", 0x0000FF, -1, 'C', false},
    {"form0", "lblTitle", 2040, 360, 9885, 1185, "H48b", 0xFF0000, -1, 'C', false},
    {"form0", "Label23", 11520, 840, 2055, 615, "H21.75b", 0xFF0000, -1, 'L', false},
    {"form0", "Label5", 3390, 1680, 7995, 615, "H24b", 0x0000FF, -1, 'C', false},
    {"form0", "Label9", 3000, 2400, 1575, 2175, "A99.75b", 0xFF0000, 0xFFFFFF, 'C', true},
    {"form0", "Label2", 1320, 3120, 1200, 1200, "S26.25", -1, -1, 'L', false},
    {"form0", "Label13", 1320, 4800, 855, 795, "H39.75b", -1, 0x80FF80, 'C', false},
    {"form0", "Label14", 2520, 4800, 855, 795, "H39.75b", -1, 0x80FF80, 'C', false},
    {"form0", "Label15", 3720, 4800, 855, 795, "H39.75b", -1, 0x80FF80, 'C', false},
    {"form0", "Label16", 1320, 5700, 855, 795, "H39.75b", -1, 0x80FF80, 'C', false},
    {"form0", "Label17", 2520, 5700, 855, 795, "H39.75b", -1, 0x80FF80, 'C', false},
    {"form0", "Label18", 3720, 5700, 855, 795, "H39.75b", -1, 0x80FF80, 'C', false},
    {"form0", "Label19", 1320, 6600, 855, 795, "H39.75b", -1, 0x80FF80, 'C', false},
    {"form0", "Label20", 2520, 6600, 855, 795, "H39.75b", -1, 0x80FF80, 'C', false},
    {"form0", "Label21", 3720, 6600, 855, 795, "H39.75b", -1, 0x80FF80, 'C', false},
    {"form0", "picIcon", 5400, 2760, 4560, 4560, "", -1, 0xC0C0C0, 'L', false},
    {"form0", "Label6", 10560, 2760, 3600, 600, "S24", -1, -1, 'L', false},
    {"form0", "Text1", 10560, 3360, 3600, 960, "S42", 0x0000C0, -1, 'C', false},
    {"form0", "Label22", 10200, 4380, 1200, 600, "S24", -1, -1, 'L', false},
    {"form0", "Label7", 11640, 4440, 2235, 600, "S24", 0x0000C0, -1, 'C', false},
    {"form0", "Label8", 10200, 5280, 1200, 600, "S24", -1, -1, 'L', false},
    {"form0", "Label10", 11520, 5280, 3000, 1080, "S24", 0x0000C0, -1, 'C', false},
    {"form0", "Command0", 12120, 5760, 2000, 600, "H18", -1, -1, 'L', false},
    {"form0", "Command1", 12120, 6720, 2000, 600, "H18", -1, -1, 'L', false},
    {"form0", "Label25", 2520, 7560, 10935, 615, "H21.75b", 0x0000C0, -1, 'C', false},
    {"form0", "Line1(1)", 1320, 8400, 12960, 15, "", 0x808080, -1, 'L', false},
    {"form0", "Label11", 2880, 8640, 4005, 405, "S21.75", 0x000000, -1, 'L', false},
    {"form0", "Label12", 2880, 9300, 4005, 405, "S21.75", 0x000000, -1, 'L', false},
    {"form0", "Label3", 7440, 8640, 4995, 495, "S18u", 0x0000FF, -1, 'L', false},
    {"form0", "Label1", 7440, 9360, 4995, 495, "S18u", 0x0000FF, -1, 'L', false},
    {"form0", "Label4", 5040, 9960, 4815, 495, "S15.75", -1, -1, 'C', false},
};

int px(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

// The face a design font resolves to on this system.
enum class FaceClass { CjkSans, CjkSerif, Latin, Any };

FaceClass expectedClass(char face)
{
    switch (face) {
    case 'H':
        return FaceClass::CjkSans;
    case 'S':
        return FaceClass::CjkSerif;
    case 'A':
    case 'K':
        return FaceClass::Latin;
    default:
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

// The families a text is drawn from in a font, one per run of glyphs; a
// glyph the face lacks (drawn as an empty box) is named "missing".
QStringList facesDrawing(const QFont &font, const QString &text)
{
    QTextLayout layout(QString(text).replace(QLatin1Char('\n'), QChar::LineSeparator), font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    QStringList faces;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        faces << (glyphs.contains(0) ? QStringLiteral("missing") : run.rawFont().familyName());
    }
    return faces;
}

// A made-up translation 40 % longer than the design's texts, line by line,
// as translations into longer languages come out.
class LongerTexts : public QTranslator {
public:
    QString translate(const char *, const char *source, const char * = nullptr,
                      int = -1) const override
    {
        QStringList lines = QString::fromUtf8(source).split(QLatin1Char('\n'));
        // Digits and marks (the clocks' "00") are not words to translate.
        if (std::none_of(lines.begin(), lines.end(), [](const QString &line) {
                return std::any_of(line.begin(), line.end(), [](QChar c) { return c.isLetter(); });
            }))
            return {};
        for (QString &line : lines)
            line += QString(int(std::lround(line.size() * 0.4)), QChar(0x957F));
        return lines.join(QLatin1Char('\n'));
    }
    bool isEmpty() const override { return false; }
};

} // namespace

// Every control of every screen stands where it was designed, in its font
// and colours, at a device pixel ratio of 1.
class TestLayouts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Fonts::installSubstitutions();
        m_start = std::make_unique<StartWindow>(m_startRules);
        m_screens = std::make_unique<ChallengeRun>(m_clock, m_history);
        m_windows["form0"] = m_start.get();
        for (const ScreenLevel &s : screenLevels()) {
            m_challenges.push_back(m_screens->open(*s.screen, {qint16(s.level), QString()}));
            m_windows[QLatin1String(s.screen->name())] = m_challenges.back().get();
        }
        m_form1 = static_cast<ChallengeWindow *>(m_windows.at(QStringLiteral("Form1")));
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
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < std::size(kDesigned); ++i) {
            const Designed &d = kDesigned[i];
            QTest::addRow("%s/%s", d.screen, d.control) << int(i);
        }
    }
    void everyControl()
    {
        QFETCH(int, row);
        const Designed &d = kDesigned[row];
        QWidget *w = m_windows.at(QLatin1String(d.screen))->findChild<QWidget *>(d.control);
        QVERIFY(w);
        const QRect designed(px(d.left), px(d.top), std::max(1, px(d.width)),
                             std::max(1, px(d.height)));
        const QRect actual = w->geometry();
        QVERIFY2(std::abs(actual.x() - designed.x()) <= 1 &&
                     std::abs(actual.y() - designed.y()) <= 1 &&
                     std::abs(actual.width() - designed.width()) <= 1 &&
                     std::abs(actual.height() - designed.height()) <= 1,
                 qPrintable(QStringLiteral("at %1,%2 %3x%4, designed %5,%6 %7x%8")
                                .arg(actual.x())
                                .arg(actual.y())
                                .arg(actual.width())
                                .arg(actual.height())
                                .arg(designed.x())
                                .arg(designed.y())
                                .arg(designed.width())
                                .arg(designed.height())));
        const QString font = QLatin1String(d.font);
        if (!font.isEmpty()) {
            static const QRegularExpression fontPattern(
                QStringLiteral("^([HSAK])([\\d.]+)(b?)(u?)$"));
            const QRegularExpressionMatch m = fontPattern.match(font);
            QVERIFY(m.hasMatch());
            const QFont f = w->font();
            QCOMPARE(f.pixelSize(), int(std::lround(m.captured(2).toDouble() * 4 / 3)));
            QCOMPARE(f.bold(), !m.captured(3).isEmpty());
            QCOMPARE(f.underline(), !m.captured(4).isEmpty());
            const QString family = QFontInfo(f).family();
            QVERIFY2(inClass(family, expectedClass(m.captured(1).at(0).toLatin1())),
                     qPrintable(family));
        }
        const QPalette p = w->palette();
        const bool plain = !qobject_cast<QLabel *>(w) && !qobject_cast<QLineEdit *>(w) &&
                           !qobject_cast<QPushButton *>(w);
        if (plain) {
            // A line: drawn in its colour.
            QCOMPARE(p.color(QPalette::Window), QColor(QRgb(d.text)));
            QVERIFY(w->autoFillBackground());
        } else if (d.text >= 0) {
            QCOMPARE(p.color(w->foregroundRole()), QColor(QRgb(d.text)));
        }
        if (d.background >= 0) {
            QCOMPARE(p.color(w->backgroundRole()), QColor(QRgb(d.background)));
            QVERIFY(w->autoFillBackground());
        }
        const Qt::Alignment h = d.align == 'C'   ? Qt::AlignHCenter
                                : d.align == 'R' ? Qt::AlignRight
                                                 : Qt::AlignLeft;
        if (auto *label = qobject_cast<QLabel *>(w); label && label->pixmap().isNull()) {
            QVERIFY(label->autoFillBackground());
            QVERIFY(label->wordWrap());
            QCOMPARE(label->alignment() & Qt::AlignVertical_Mask, Qt::AlignTop);
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, h);
            QCOMPARE(label->frameShape() != QFrame::NoFrame, d.border);
        }
        if (auto *box = qobject_cast<QLineEdit *>(w))
            QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, h);
        QVERIFY(!w->accessibleName().isEmpty());
    }

    // Every control the windows build is one of the designed ones.
    void nothingBeyondTheDesign()
    {
        for (auto &[screen, window] : m_windows) {
            if (std::none_of(std::begin(kDesigned), std::end(kDesigned),
                             [&](const Designed &d) { return screen == QLatin1String(d.screen); }))
                continue; // a screen the design does not draw
            QStringList built;
            for (QWidget *w : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                built << w->objectName();
            QStringList designed;
            for (const Designed &d : kDesigned) {
                if (screen == QLatin1String(d.screen))
                    designed << QLatin1String(d.control);
            }
            // A level the table has beyond the design's nine has its button.
            for (int level = 10;
                 screen == QLatin1String("form0") && level <= LevelTable::lastLevel(); ++level)
                designed << QStringLiteral("levelButton%1").arg(level);
            built.sort();
            designed.sort();
            QCOMPARE(built, designed);
        }
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
        QTest::newRow("form0 enter") << "form0"
                                     << "Command0"
                                     << "进  入";
        QTest::newRow("form0 exit") << "form0"
                                    << "Command1"
                                    << "退  出";
        QTest::newRow("Form9 start") << "Form9"
                                     << "Command1"
                                     << "开 始";
        QTest::newRow("Form789 play again") << "Form789"
                                            << "Command3"
                                            << "再玩一次";
        QTest::newRow("Form1 back") << "Form1"
                                    << "Command2"
                                    << "返 回";
    }
    void designTextsThatStay()
    {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        QFETCH(QString, text);
        QWidget *w = m_windows.at(screen)->findChild<QWidget *>(control);
        if (auto *button = qobject_cast<QPushButton *>(w))
            QCOMPARE(button->text(), text);
        else
            QCOMPARE(qobject_cast<QLabel *>(w)->text(), text);
    }

    void tabOrders_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("form0") << "form0" << QStringList{"Command0", "Text1", "Command1"};
        for (const char *s : {"Form1", "Form789", "Form9"})
            QTest::newRow(s) << s
                             << QStringList{"Command1", "Text1", "Command3", "Command2",
                                            "lblReport"};
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
        QTest::addColumn<int>("scale");
        QTest::addColumn<QPoint>("offset");
        QTest::newRow("twice the design") << QSize(2032, 1460) << 2 << QPoint(0, 0);
        QTest::newRow("wider: bars left and right") << QSize(2400, 1460) << 2 << QPoint(184, 0);
        QTest::newRow("taller: bars above and below") << QSize(1016, 900) << 1 << QPoint(0, 85);
    }
    void challengeScreenScales()
    {
        QFETCH(QSize, size);
        QFETCH(int, scale);
        QFETCH(QPoint, offset);
        ChallengeWindow *w = m_form1;
        w->resize(size);
        // Form1's answer box, mark and Start, and their font sizes in pixels.
        const struct {
            const char *name;
            QRect place;
            int fontPixels;
        } controls[] = {{"Text1", {320, 304, 465, 305}, 293},
                        {"Label9(10)", {784, 456, 113, 113}, 133},
                        {"Command1", {832, 368, 132, 40}, 29}};
        for (const auto &c : controls) {
            const QRect g = w->findChild<QWidget *>(QLatin1String(c.name))->geometry();
            const QRect want(c.place.topLeft() * scale + offset, c.place.size() * scale);
            QVERIFY2(std::abs(g.x() - want.x()) <= 1 && std::abs(g.y() - want.y()) <= 1 &&
                         std::abs(g.width() - want.width()) <= 2 &&
                         std::abs(g.height() - want.height()) <= 2,
                     c.name);
            QCOMPARE(w->findChild<QWidget *>(QLatin1String(c.name))->font().pixelSize(),
                     c.fontPixels * scale);
        }
        w->resize(1016, 730);
        QCOMPARE(w->findChild<QWidget *>(QStringLiteral("Text1"))->geometry(),
                 QRect(320, 304, 465, 305));
    }

    // The report link stands clear of Start at any size of the window.
    void reportLinkKeepsAGapUnderStart()
    {
        for (const ScreenLevel &s : screenLevels()) {
            const char *screen = s.screen->name();
            QWidget *w = m_windows.at(QLatin1String(screen));
            for (const QSize size : {QSize(700, 503), QSize(1016, 730), QSize(2032, 1460)}) {
                w->resize(size);
                const QRect start = w->findChild<QWidget *>(QStringLiteral("Command1"))->geometry();
                const QRect link = w->findChild<QWidget *>(QStringLiteral("lblReport"))->geometry();
                QVERIFY2(link.top() - start.bottom() > 3, screen);
            }
            w->resize(1016, 730);
        }
    }

    // The NumLock note stands where no designed control draws, in any
    // state of a round and at any size of the window.
    void numLockNoteCoversNoControl()
    {
        for (const ScreenLevel &s : screenLevels()) {
            const std::unique_ptr<ChallengeWindow> w =
                m_screens->open(*s.screen, {qint16(s.level)});
            w->show();
            QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Command1")),
                              Qt::LeftButton);
            QTest::keyClick(w->findChild<QWidget *>(QStringLiteral("Text1")), Qt::Key_End,
                            Qt::KeypadModifier);
            auto *note = w->findChild<QLabel *>(QStringLiteral("numLockNote"));
            QVERIFY(note && note->isVisible());
            for (const QSize size : {QSize(700, 503), QSize(1016, 730), QSize(2032, 1460)}) {
                w->resize(size);
                QVERIFY(w->rect().contains(note->geometry()));
                for (const QWidget *c :
                     w->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
                    QVERIFY2(c == note || !c->geometry().intersects(note->geometry()),
                             qPrintable(QLatin1String(s.screen->name()) + QLatin1Char(' ') +
                                        c->objectName()));
                }
            }
        }
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

    // Large texts are drawn from images and places kept between paints: a
    // text shown again after many others, a new size, a new colour and a new
    // width look as in a label that never showed anything else.
    void largeTextsDrawAsFreshLabels()
    {
        QFont font(QStringLiteral("黑体"));
        font.setPixelSize(80);
        font.setBold(true);
        QPalette red;
        red.setColor(QPalette::WindowText, Qt::red);
        const auto draw = [&](const QString &text, const QPalette &palette, int width) {
            DesignLabel fresh(text);
            fresh.setFont(font);
            fresh.setPalette(palette);
            fresh.resize(width, 80);
            return fresh.grab().toImage();
        };
        DesignLabel label;
        label.setFont(font);
        label.resize(186, 80);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        for (int n = 0; n < 300; ++n) {
            label.showText(QString::number(n % 200).rightJustified(2, QLatin1Char('0')));
            label.grab();
        }
        label.showText(QStringLiteral("81"));
        QCOMPARE(label.grab().toImage(), draw(QStringLiteral("81"), QPalette(), 186));
        font.setPixelSize(72);
        label.setFont(font);
        QCOMPARE(label.grab().toImage(), draw(QStringLiteral("81"), QPalette(), 186));
        label.setPalette(red);
        QCOMPARE(label.grab().toImage(), draw(QStringLiteral("81"), red, 186));
        label.showText(QStringLiteral("1 2"));
        label.grab();
        label.resize(60, 80);
        QCOMPARE(label.grab().toImage(), draw(QStringLiteral("1 2"), red, 60));
    }

    // Every text a designed control shows fits it whole, in every language
    // the design is translated into and in a made-up one 40 % longer than
    // the design's: smaller where it must be, never cut off (a control that
    // cannot take it says so).
    void everyTextFitsItsControl_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("longer");
        QTest::newRow("zh_TW") << int(Translation::Language::TraditionalChinese) << false;
        QTest::newRow("en") << int(Translation::Language::English) << false;
        QTest::newRow("40 % longer") << int(Translation::Language::English) << true;
    }
    void everyTextFitsItsControl()
    {
        QFETCH(int, language);
        QFETCH(bool, longer);
        Translation::use(Translation::Language(language));
        LongerTexts longerTexts;
        if (longer)
            QCoreApplication::installTranslator(&longerTexts);
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^Text does not fit")));
        StartScreen startRules;
        StartWindow start(startRules);
        ChallengeRun screens(m_clock, m_history);
        std::vector<std::unique_ptr<ChallengeWindow>> challenges;
        for (const ScreenLevel &s : screenLevels())
            challenges.push_back(screens.open(*s.screen, {qint16(s.level), QString()}));
        auto show = [](QWidget *w, const QString &name, const QString &text) {
            auto *label = w->findChild<DesignLabel *>(name);
            QVERIFY(label);
            label->showText(text);
            label->grab();
        };
        start.show();
        start.grab();
        for (int level = LevelTable::kFirstLevel; level <= LevelTable::lastLevel(); ++level)
            show(&start, QStringLiteral("Label25"), LevelTable::startRuleLine(level));
        const QString last = QStringLiteral("  300");
        for (const auto &w : challenges) {
            w->show();
            w->grab();
            for (int level = LevelTable::kFirstLevel; level <= LevelTable::lastLevel(); ++level)
                show(w.get(), QStringLiteral("Label19"), LevelTable::challengeRuleLine(level));
            for (const Text &message :
                 {RangedTexts::kRangeMessage, RangedTexts::kSuccess, RangedTexts::kRecordBroken,
                  OpenEndedTexts::kRangeAfterBackspace, OpenEndedTexts::kRangeAfterWrong,
                  OpenEndedTexts::kRecordAfterBackspace, OpenEndedTexts::kRecordAfterWrong,
                  EnduranceTexts::kEndBackspace, EnduranceTexts::kEndWrongNumber,
                  EnduranceTexts::kEndNonDigit, EnduranceTexts::kEndGap, ChallengeTexts::kTimeUp})
                show(w.get(), QStringLiteral("Label1"), translated(message) + last);
        }
        QCoreApplication::removeTranslator(&longerTexts);
        Translation::use(Translation::Language::SimplifiedChinese);
    }

    // The design's Chinese texts, the rule lines among them (their own
    // source), are drawn from the faces cut to the program's characters,
    // every character of them (none falls back to a full face); a name with
    // a character outside them still draws, from the full face they were
    // cut from.
    void textsDrawnFromTheCutFaces()
    {
        const QStringList chinese{Fonts::familyName(Layout::Face::Heiti),
                                  Fonts::familyName(Layout::Face::Songti)};
        // Not even the parts of GB 2312 cut for the pupils' names.
        const QStringList cutForTexts{QStringLiteral("Tavrino Heiti"),
                                      QStringLiteral("Tavrino Songti")};
        QStringList faults;
        const auto check = [&](const QWidget *w, const QString &text) {
            if (!chinese.contains(w->font().family()))
                return;
            for (const QString &face : facesDrawing(w->font(), text)) {
                if (!cutForTexts.contains(face, Qt::CaseInsensitive))
                    faults << w->objectName() + QLatin1Char(' ') + face + QLatin1Char(' ') + text;
            }
        };
        for (const auto &[name, w] : m_windows) {
            for (const QLabel *label : w->findChildren<QLabel *>())
                check(label, label->text());
            for (const QPushButton *button : w->findChildren<QPushButton *>())
                check(button, button->text());
            for (int level = LevelTable::kFirstLevel; level <= LevelTable::lastLevel(); ++level) {
                if (const QLabel *rule = w->findChild<QLabel *>(QStringLiteral("Label25")))
                    check(rule, LevelTable::startRuleLine(level));
                if (const QLabel *rule = w->findChild<QLabel *>(QStringLiteral("Label19")))
                    check(rule, LevelTable::challengeRuleLine(level));
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

        const auto *name = m_start->findChild<QLineEdit *>(QStringLiteral("Text1"));
        QVERIFY(name && chinese.contains(name->font().family()));
        // One run from the cut face (李), one from the full one (龑).
        const QStringList faces = facesDrawing(name->font(), QStringLiteral("李龑"));
        const auto cut = std::count_if(faces.begin(), faces.end(), [](const QString &face) {
            return face.startsWith(QLatin1String("Tavrino "), Qt::CaseInsensitive);
        });
        QVERIFY2(faces.size() == 2 && cut == 1 && !faces.contains(QStringLiteral("missing")),
                 qPrintable(faces.join(QLatin1String(", "))));
    }

private:
    FakeClock m_clock;
    RoundHistory m_history;
    StartScreen m_startRules;
    std::unique_ptr<StartWindow> m_start;
    std::unique_ptr<ChallengeRun> m_screens;
    std::vector<std::unique_ptr<ChallengeWindow>> m_challenges;
    ChallengeWindow *m_form1 = nullptr;
    std::map<QString, QWidget *> m_windows;
};

QTEST_MAIN(TestLayouts)
#include "tst_layouts.moc"
