// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fonts.h"
#include "core/text.h"
#include "core/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

#include <cmath>

#ifdef TAVRINO_CUT_FACES
#include <fontconfig/fontconfig.h>
#endif

namespace Fonts {

namespace {

const char kHeiti[] = "黑体";
const char kSongti[] = "宋体";
const char kCutHeiti[] = "Tavrino Heiti";
const char kCutSongti[] = "Tavrino Songti";

// The faces cut from a design face: the characters of the program's texts,
// then the rest of GB 2312, for the pupils' names, in parts.
QStringList cutFaces(const char *family)
{
    QStringList faces{utf8(family)};
#ifdef TAVRINO_NAME_PARTS
    for (int part = 1; part <= TAVRINO_NAME_PARTS; ++part)
        faces << utf8(family) + QStringLiteral(" GB%1").arg(part);
#endif
    return faces;
}

// Hands a folder of faces to the system's font configuration, from which the
// program's font database is made: its faces are then read page by page as
// they are drawn, as the system's own are (a face added to the database
// from a file is read whole).
bool addFontFolder(const QString &folder)
{
#ifdef TAVRINO_CUT_FACES
    const QByteArray path = QFile::encodeName(folder);
    return FcConfigAppFontAddDir(nullptr, reinterpret_cast<const FcChar8 *>(path.constData()));
#else
    Q_UNUSED(folder);
    return false;
#endif
}

// The design's Chinese faces cut to the characters of the program's texts,
// ASCII and GB 2312: beside the program in the build tree, in the program's
// share folder where it is installed.
bool addCutFaces()
{
    const QDir programs(QCoreApplication::applicationDirPath());
    for (const QString &folder : {programs.filePath(QStringLiteral("fonts")),
                                  programs.filePath(QStringLiteral("../share/tavrino/fonts"))}) {
        if (QFile::exists(folder + QStringLiteral("/TavrinoHeiti-Regular.otf")))
            return addFontFolder(folder);
    }
    return false;
}

} // namespace

void installSubstitutions()
{
    // A Traditional Chinese interface is drawn in the Traditional faces of
    // the same kinds: Microsoft JhengHei (微軟正黑體) and PMingLiU (新細明體)
    // where Windows has them, the Traditional Noto faces on Linux; only then
    // the faces below, so that no character takes a Simplified shape where
    // a Traditional face has it.
    if (Translation::current() == Translation::Language::TraditionalChinese) {
        QFont::insertSubstitutions(
            utf8(kHeiti), {QStringLiteral("Microsoft JhengHei"), QStringLiteral("Noto Sans CJK TC"),
                           QStringLiteral("Source Han Sans TC"), QStringLiteral("PingFang TC")});
        QFont::insertSubstitutions(utf8(kSongti),
                                   {QStringLiteral("PMingLiU"), QStringLiteral("MingLiU"),
                                    QStringLiteral("Noto Serif CJK TC"),
                                    QStringLiteral("Source Han Serif TC"),
                                    QStringLiteral("AR PL UMing TW"), QStringLiteral("Songti TC")});
    }
    // The Windows faces the design names first, then Windows' own Chinese
    // face where they are missing, then the free faces of Linux, the cut ones
    // before the full ones they were cut from, which draw what the cut ones
    // lack; the Latin faces after them cover systems without CJK fonts,
    // where the Chinese texts then fall back per character to any face that
    // has them.
    const bool cut = addCutFaces();
    QStringList heiti{QStringLiteral("SimHei"), QStringLiteral("Microsoft YaHei")};
    QStringList songti{QStringLiteral("SimSun"), QStringLiteral("NSimSun")};
    if (cut) {
        heiti << cutFaces(kCutHeiti);
        songti << cutFaces(kCutSongti);
    }
    heiti << QStringList{QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                         QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Droid Sans Fallback"),
                         QStringLiteral("PingFang SC")};
    songti << QStringList{
        QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Source Han Serif SC"),
        QStringLiteral("AR PL UMing CN"),    QStringLiteral("Microsoft YaHei"),
        QStringLiteral("Noto Sans CJK SC"),  QStringLiteral("WenQuanYi Zen Hei"),
        QStringLiteral("Songti SC")};
    QFont::insertSubstitutions(utf8(kHeiti), heiti);
    QFont::insertSubstitutions(utf8(kSongti), songti);
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial Black"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Noto Sans")});
}

QString familyName(Layout::Face face)
{
    switch (face) {
    case Layout::Face::Heiti:
        return utf8(kHeiti);
    case Layout::Face::Songti:
        return utf8(kSongti);
    case Layout::Face::Arial:
        return QStringLiteral("Arial");
    case Layout::Face::ArialBlack:
        return QStringLiteral("Arial Black");
    case Layout::Face::Default:
        break;
    }
    return {};
}

QFont makeFont(const Layout::Font &item, double scale)
{
    QFont font;
    if (item.face != Layout::Face::Default)
        font.setFamily(familyName(item.face));
    if (item.points > 0) {
        const double px = Layout::pointsToPixels(item.points) * scale;
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(px))));
    }
    font.setWeight(static_cast<QFont::Weight>(item.weight));
    font.setUnderline(item.underline);
    // The Chinese faces are hinted for screen sizes; keep glyph outlines exact
    // when the screens are scaled.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

int smallestFittingSize(const QFont &font)
{
    const int size = font.pixelSize();
    if (size <= 0)
        return size;
    return std::min(size, std::max(10, int(std::ceil(size * 0.6))));
}

bool fitsTranslations()
{
    return Translation::current() != Translation::Language::SimplifiedChinese;
}

DesignMetrics designMetrics(const QFont &font)
{
    const QString family = font.family();
    if (family == familyName(Layout::Face::ArialBlack))
        return {1.100, 1.410};
    if (family == familyName(Layout::Face::Arial))
        return {0.905, 1.117};
    if (family == familyName(Layout::Face::Heiti) || family == familyName(Layout::Face::Songti))
        return {0.859, 1.0};
    // Any other face: its own metrics.
    const QFontMetricsF fm(font);
    const double em = font.pixelSize() > 0 ? font.pixelSize() : fm.height();
    return {fm.ascent() / em, fm.height() / em};
}

} // namespace Fonts
