// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRectF>
#include <QSizeF>

class QIODevice;
class QPainter;
struct ReportProgress;
struct RoundRecord;

// The round report as a page: the heading, the rhythm chart and the
// figures, and where a class log is on the pupil's progress, drawn with a
// painter so that on a PDF page or a printer the text stays text. Units are
// pixels at 96 per inch; nothing of the screen's pointing and hints is on it.
namespace ReportPage {

// The saved picture's size.
inline constexpr QSizeF kPictureSize{1000, 720};

void draw(QPainter &p, const QRectF &area, const RoundRecord &round,
          const ReportProgress *progress = nullptr);

// Draws the page onto a device of this resolution (dots per inch), into
// pageRect of the device, scaled so that the 96-per-inch page fills it.
void drawScaled(QPainter &p, const QRectF &pageRect, int resolution, const RoundRecord &round,
                const ReportProgress *progress = nullptr);

// The page as a PNG picture at a device pixel ratio, and as a one-page A4
// PDF; false when the device took it not.
bool writePicture(QIODevice &device, const RoundRecord &round, qreal devicePixelRatio,
                  const ReportProgress *progress = nullptr);
bool writePdf(QIODevice &device, const RoundRecord &round,
              const ReportProgress *progress = nullptr);

} // namespace ReportPage
