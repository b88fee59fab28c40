// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws a vector picture into square PNG files at build time, so that the
// program carries its pictures as images at the sizes it shows them and
// needs no SVG renderer when it runs (Qt Svg is not built for Windows):
//
//   render PICTURE.svg OUTPUT_DIR NAME SIZE...
//       writes OUTPUT_DIR/SIZExSIZE/apps/NAME.png for each size;
//   render --ico PICTURE.svg OUTPUT.ico SIZE...
//       writes one Windows icon file holding every size.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>

namespace {

QImage draw(QSvgRenderer &renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image;
}

void put16(QByteArray &out, quint16 v)
{
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char *>(&le), 2);
}

void put32(QByteArray &out, quint32 v)
{
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char *>(&le), 4);
}

// An ICO file whose images are PNG data, as Windows has read them since Vista.
QByteArray iconFile(const QList<QImage> &images)
{
    QList<QByteArray> pngs;
    for (const QImage &image : images) {
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        image.save(&png, "PNG");
        pngs << png.data();
    }
    QByteArray out;
    put16(out, 0);
    put16(out, 1);
    put16(out, quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int side = images[i].width();
        out.append(char(side >= 256 ? 0 : side));
        out.append(char(side >= 256 ? 0 : side));
        out.append(char(0));
        out.append(char(0));
        put16(out, 1);
        put16(out, 32);
        put32(out, quint32(pngs[i].size()));
        put32(out, offset);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray &png : pngs)
        out += png;
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    // No display is needed to draw into an image.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = QGuiApplication::arguments();
    const bool ico = args.size() > 1 && args.at(1) == QLatin1String("--ico");
    if (ico)
        args.removeAt(1);
    if (args.size() < (ico ? 4 : 5)) {
        std::fprintf(stderr, "usage: tavrino_render PICTURE.svg OUTPUT_DIR NAME SIZE...\n"
                             "       tavrino_render --ico PICTURE.svg OUTPUT.ico SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "tavrino_render: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    QList<QImage> images;
    for (qsizetype i = ico ? 3 : 4; i < args.size(); ++i) {
        bool ok = false;
        const int size = args.at(i).toInt(&ok);
        if (!ok || size < 1 || (ico && size > 256)) {
            std::fprintf(stderr, "tavrino_render: bad size %s\n", qPrintable(args.at(i)));
            return 2;
        }
        const QImage image = draw(renderer, size);
        if (ico) {
            images << image;
            continue;
        }
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(args.at(2)).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(dir, args.at(3));
        if (!QDir().mkpath(dir) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "tavrino_render: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    if (ico) {
        QFile file(args.at(2));
        const QByteArray bytes = iconFile(images);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "tavrino_render: cannot write %s\n", qPrintable(args.at(2)));
            return 1;
        }
    }
    return 0;
}
