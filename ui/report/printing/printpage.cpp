// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing the round report, in a module of its own: Qt Print Support is
// loaded with it when a report is first printed, so that the game's start
// and its memory never carry it.
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

// Asks for a printer (or a PDF file) and prints the page on one sheet,
// landscape, scaled to fit. False when the pupil cancelled.
extern "C" Q_DECL_EXPORT bool tavrinoPrintPage(QWidget *page, QWidget *dialogParent,
                                               const QString &documentName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(documentName);
    QPrintDialog dialog(&printer, dialogParent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QPainter painter(&printer);
    const QRectF sheet = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = std::min(sheet.width() / page->width(), sheet.height() / page->height());
    painter.scale(scale, scale);
    page->render(&painter);
    return true;
}
