// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing the round report. On Linux it is a module of its own, loaded
// when a report is first printed, so that Qt Print Support costs the game's
// start and its memory nothing; a program linked whole (Windows) has it
// inside.
#include "ui/report/pdftext.h"
#include "ui/report/printing/printreport.h"

#include <QFile>
#include <QSaveFile>

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT bool tavrinoPrint(QWidget *dialogParent, const QString &documentName,
                                           const PrintReport::DrawPage &draw)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(documentName);
    QPrintDialog dialog(&printer, dialogParent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter's origin is the corner of the printable area.
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    draw(painter, QRectF(QPointF(0, 0), page.size()), printer.resolution());
    if (!painter.end())
        return false;
    // Printed to a PDF file: its text as searchable as a saved PDF's.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        QFile printed(printer.outputFileName());
        if (!printed.open(QIODevice::ReadOnly))
            return false;
        QByteArray bytes = printed.readAll();
        printed.close();
        restoreIdeographs(bytes);
        QSaveFile file(printer.outputFileName());
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
               file.commit();
    }
    return true;
}
