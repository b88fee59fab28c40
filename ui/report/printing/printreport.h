// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRectF>
#include <QString>

#include <functional>

class QPainter;
class QWidget;

namespace PrintReport {

// Draws a page into page (device pixels) of a device of this resolution.
using DrawPage = std::function<void(QPainter &, const QRectF &page, int resolution)>;

// What became of a print.
struct Result {
    enum class Outcome { Printed, Cancelled, Failed };
    Outcome outcome = Outcome::Cancelled;
    // Printed or failed: the printer's name, or the PDF file printed to.
    QString where;
    bool toFile = false;
    // Failed: why, in words a pupil or a teacher reads.
    QString problem;
};

// Asks for a printer (or a PDF file, suggested under documentName) and
// prints one A4 page.
Result print(QWidget *parent, const QString &documentName, const DrawPage &draw);

} // namespace PrintReport
