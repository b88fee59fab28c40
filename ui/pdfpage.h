// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/report/printing/printreport.h"

#include <QPageLayout>

class QIODevice;

// Writes A4 pages drawn by draw as a PDF whose text stays text (and reads
// as the ideographs it shows, see restoreIdeographs), whole into device.
// draw may start new pages on its painter's device.
bool writePdfPages(QIODevice &device, const QString &title, QPageLayout::Orientation orientation,
                   double marginMm, const PrintReport::DrawPage &draw);
