// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing the round report. On Linux it is a module of its own, loaded
// when a report is first printed, so that Qt Print Support costs the game's
// start and its memory nothing; a program linked whole (Windows) has it
// inside.
#include "core/fileproblem.h"
#include "core/text.h"
#include "ui/report/pdftext.h"
#include "ui/report/printing/printreport.h"
#include "ui/report/printing/printtexts.h"

#include <QFile>
#include <QSaveFile>

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT void tavrinoPrint(QWidget *dialogParent, const QString &documentName,
                                           const PrintReport::DrawPage &draw,
                                           PrintReport::Result *result)
{
    using Outcome = PrintReport::Result::Outcome;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(documentName);
    QPrintDialog dialog(&printer, dialogParent);
    if (dialog.exec() != QDialog::Accepted) {
        result->outcome = Outcome::Cancelled;
        return;
    }
    result->toFile =
        printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    result->where = result->toFile ? printer.outputFileName() : printer.printerName();
    const auto failed = [result](const QString &problem) {
        result->outcome = Outcome::Failed;
        result->problem = problem;
    };
    // A PDF file is opened when painting begins and written when it ends.
    QPainter painter;
    if (!painter.begin(&printer))
        return failed(result->toFile ? writeProblem(result->where)
                                     : translated(PrintTexts::kNotStarted));
    // The painter's origin is the corner of the printable area.
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    draw(painter, QRectF(QPointF(0, 0), page.size()), printer.resolution());
    if (!painter.end())
        return failed(result->toFile ? writeProblem(result->where)
                                     : translated(PrintTexts::kNotFinished));
    // Printed to a PDF file: its text as searchable as a saved PDF's.
    if (result->toFile) {
        QFile printed(result->where);
        if (!printed.open(QIODevice::ReadOnly))
            return failed(readProblem(result->where));
        QByteArray bytes = printed.readAll();
        printed.close();
        restoreIdeographs(bytes);
        QSaveFile file(result->where);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            return failed(writeProblem(result->where, file.error()));
    }
    result->outcome = Outcome::Printed;
}
