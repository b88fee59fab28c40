// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pictures.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QPixmapCache>

#include <algorithm>
#include <cmath>

namespace Pictures {

namespace {

QString drawnFile(const QString &name, int side)
{
    return QStringLiteral(":/drawn/%1x%1/apps/%2.png").arg(side).arg(name);
}

// The sides a picture was drawn at when the program was built, smallest
// first (see CMakeLists.txt).
const std::vector<int> &drawnSides(const QString &name)
{
    static QHash<QString, std::vector<int>> known;
    auto it = known.find(name);
    if (it != known.end())
        return *it;
    std::vector<int> sides;
    for (const QString &folder : QDir(QStringLiteral(":/drawn")).entryList(QDir::Dirs)) {
        const int side = folder.section(QLatin1Char('x'), 0, 0).toInt();
        if (side > 0 && QFile::exists(drawnFile(name, side)))
            sides.push_back(side);
    }
    std::sort(sides.begin(), sides.end());
    return *known.insert(name, sides);
}

// The drawn pictures are PNG files. Told the format but left to detect it,
// Qt still asks every image format plugin on the system whether it reads
// PNG, loading each (SVG with Qt Svg, JPEG, GIF, ...) before the first window
// shows.
QPixmap readPng(const QString &file)
{
    QImageReader reader(file, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

QPixmap render(const QString &name, QSize logicalSize, qreal devicePixelRatio)
{
    const QString key = QStringLiteral("tavrino:%1:%2x%3@%4")
                            .arg(name)
                            .arg(logicalSize.width())
                            .arg(logicalSize.height())
                            .arg(devicePixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    const QSize device(static_cast<int>(std::ceil(logicalSize.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(logicalSize.height() * devicePixelRatio)));
    // The image drawn at this size where there is one; else the next larger
    // one, made smaller, which stays sharp.
    const std::vector<int> &sides = drawnSides(name);
    if (sides.empty())
        return {};
    const auto fitting = std::lower_bound(sides.begin(), sides.end(), device.width());
    pixmap = readPng(drawnFile(name, fitting != sides.end() ? *fitting : sides.back()));
    if (pixmap.size() != device)
        pixmap = pixmap.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QIcon icon(const QString &name)
{
    QIcon icon;
    for (int side : drawnSides(name)) {
        const QPixmap pixmap = readPng(drawnFile(name, side));
        if (!pixmap.isNull())
            icon.addPixmap(pixmap);
    }
    return icon;
}

QCursor cursor(const QString &name, qreal devicePixelRatio)
{
    return QCursor(render(name, QSize(32, 32), devicePixelRatio), kHandHotSpot.x(),
                   kHandHotSpot.y());
}

} // namespace Pictures
