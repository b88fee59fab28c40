// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pictures.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <cmath>

namespace Pictures {

QString resourcePath(Picture picture)
{
    switch (picture) {
    case Picture::Success:
        return QStringLiteral(":/pictures/success.svg");
    case Picture::Badge:
        return QStringLiteral(":/pictures/badge.svg");
    case Picture::StartIcon:
        return QStringLiteral(":/pictures/icon-start.svg");
    case Picture::ChallengeIcon:
        return QStringLiteral(":/pictures/icon-challenge.svg");
    case Picture::LevelHand:
        return QStringLiteral(":/pictures/hand-pointer.svg");
    case Picture::LinkHand:
        break;
    }
    return QStringLiteral(":/pictures/link-hand.svg");
}

QPixmap render(Picture picture, QSize logicalSize, qreal devicePixelRatio)
{
    // Drawing a vector picture costs far more than looking it up; every
    // opening of a screen asks for the same few sizes again.
    const QString key = QStringLiteral("tavrino:%1:%2x%3@%4")
                            .arg(int(picture))
                            .arg(logicalSize.width())
                            .arg(logicalSize.height())
                            .arg(devicePixelRatio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;
    const QSize device(static_cast<int>(std::ceil(logicalSize.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(logicalSize.height() * devicePixelRatio)));
    // Some pictures were drawn at build time for the usual sizes.
    const QString drawn = QStringLiteral(":/drawn/%1x%2/apps/%3.png")
                              .arg(device.width())
                              .arg(device.height())
                              .arg(QFileInfo(resourcePath(picture)).baseName());
    if (QFile::exists(drawn)) {
        QPixmap pixmap(drawn);
        pixmap.setDevicePixelRatio(devicePixelRatio);
        QPixmapCache::insert(key, pixmap);
        return pixmap;
    }
    QPixmap pixmap(device);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resourcePath(picture));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(device)));
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QIcon icon(Picture picture)
{
    // Qt's SVG icon engine draws each size when it is first asked for.
    return QIcon(resourcePath(picture));
}

QCursor cursor(Picture picture, qreal devicePixelRatio)
{
    return QCursor(render(picture, QSize(32, 32), devicePixelRatio), kHandHotSpot.x(),
                   kHandHotSpot.y());
}

} // namespace Pictures
