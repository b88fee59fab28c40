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

// Asks for a printer (or a PDF file, suggested under documentName) and
// prints one A4 page. False when the pupil cancelled or printing is not
// available; problem then says why when it is the latter.
bool print(QWidget *parent, const QString &documentName, const DrawPage &draw, QString *problem);

} // namespace PrintReport
