// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pdfpage.h"

#include "ui/report/pdftext.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

bool writePdfPages(QIODevice &device, const QString &title, QPageLayout::Orientation orientation,
                   double marginMm, const PrintReport::DrawPage &draw)
{
    constexpr int kResolution = 300;
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&written);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Tavrino"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(orientation);
        pdf.setPageMargins(QMarginsF(marginMm, marginMm, marginMm, marginMm),
                           QPageLayout::Millimeter);
        pdf.setResolution(kResolution);
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        draw(painter, QRectF(QPointF(0, 0), pdf.pageLayout().paintRectPixels(kResolution).size()),
             kResolution);
        if (!painter.end())
            return false;
    }
    QByteArray bytes = written.buffer();
    restoreIdeographs(bytes);
    return device.write(bytes) == bytes.size();
}
