// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws a vector picture into square PNG files at build time, one per size,
// for the icon theme folders of the package and for pictures that would cost
// too much to draw at start-up: render PICTURE.svg OUTPUT_DIR NAME SIZE...
// writes OUTPUT_DIR/SIZExSIZE/apps/NAME.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    // No display is needed to draw into an image.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: tavrino_render PICTURE.svg OUTPUT_DIR NAME SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "tavrino_render: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    for (qsizetype i = 4; i < args.size(); ++i) {
        bool ok = false;
        const int size = args.at(i).toInt(&ok);
        if (!ok || size < 1) {
            std::fprintf(stderr, "tavrino_render: bad size %s\n", qPrintable(args.at(i)));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(args.at(2)).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(dir, args.at(3));
        if (!QDir().mkpath(dir) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "tavrino_render: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
