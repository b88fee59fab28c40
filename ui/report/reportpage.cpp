// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/report/reportpage.h"

#include "challenges/report/reporttexts.h"
#include "challenges/report/roundreport.h"
#include "core/text.h"
#include "ui/fonts.h"
#include "ui/palette.h"
#include "ui/pdfpage.h"
#include "ui/progress/progressplot.h"
#include "ui/report/progresspart.h"
#include "ui/report/rhythmplot.h"

#include <QFontMetricsF>
#include <QImageWriter>
#include <QPainter>

namespace ReportPage {

namespace {

QFont font(Layout::Face face, double points, bool bold = false)
{
    return Fonts::makeFont({face, points, bold ? 700 : 400, false});
}

// Text wrapped at width from top; returns the height it took.
double paragraph(QPainter &p, const QString &text, const QFont &f, const QRectF &box)
{
    p.setFont(f);
    const QRectF used = p.boundingRect(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    return used.height();
}

} // namespace

void draw(QPainter &p, const QRectF &area, const RoundRecord &round, const ReportProgress *progress)
{
    p.save();
    p.setPen(kPageText);
    double top = area.top();
    top += paragraph(p, RoundReport::heading(round), font(Layout::Face::Heiti, 18, true),
                     QRectF(area.left(), top, area.width(), area.height())) +
           12;

    const RoundFigures figures = figuresOf(round.numbers);
    const std::vector<RoundReport::FigureLine> lines = RoundReport::figureLines(figures);
    const QFont label = font(Layout::Face::Songti, 13);
    const QFont value = font(Layout::Face::Songti, 13, true);
    const QFontMetricsF fm(value);
    const double row = fm.height() * 1.35;
    // The pupil's progress at the foot: its line, its chart beside the line.
    const QFont progressFont = font(Layout::Face::Songti, 12);
    const double progressHeight = progress ? 150 + 16 : 0;
    // The chart takes what the figures leave, up to three fifths of the width.
    const double figuresHeight = row * double(lines.size() + (figures.enoughToAnalyse() ? 0 : 1));
    const double chartHeight = std::clamp(area.bottom() - top - figuresHeight - progressHeight - 16,
                                          160.0, area.width() * 0.6);
    RhythmPlot plot(RoundReport::rhythmOf(round));
    plot.layout(QRectF(area.left(), top, area.width(), chartHeight),
                font(Layout::Face::Songti, 11));
    plot.draw(p, kPageText);
    top += chartHeight + 16;

    double labelWidth = 0;
    for (const RoundReport::FigureLine &line : lines)
        labelWidth = std::max(labelWidth, QFontMetricsF(label).horizontalAdvance(line.label));
    labelWidth += 24;
    for (const RoundReport::FigureLine &line : lines) {
        p.setFont(label);
        p.drawText(QRectF(area.left(), top, labelWidth, row), Qt::AlignLeft | Qt::AlignVCenter,
                   line.label);
        p.setFont(value);
        p.drawText(QRectF(area.left() + labelWidth, top, area.width() - labelWidth, row),
                   Qt::AlignLeft | Qt::AlignVCenter, line.value);
        top += row;
    }
    if (!figures.enoughToAnalyse()) {
        p.setFont(label);
        p.drawText(QRectF(area.left(), top, area.width(), row), Qt::AlignLeft | Qt::AlignVCenter,
                   translated(ReportTexts::kTooFew));
        top += row;
    }
    if (progress) {
        top += 16;
        const double textWidth = area.width() * 0.4;
        const double titleHeight = paragraph(p, translated(ReportTexts::kProgressTitle),
                                             font(Layout::Face::Heiti, 13, true),
                                             QRectF(area.left(), top, textWidth, 150));
        paragraph(p, progress->line, progressFont,
                  QRectF(area.left(), top + titleHeight + 4, textWidth, 150 - titleHeight));
        ProgressPlot chart(progress->rounds, progress->level, progress->shown);
        chart.layout(QRectF(area.left() + textWidth + 16, top, area.width() - textWidth - 16, 150),
                     font(Layout::Face::Songti, 9));
        chart.draw(p, kPageText);
    }
    p.restore();
}

void drawScaled(QPainter &p, const QRectF &pageRect, int resolution, const RoundRecord &round,
                const ReportProgress *progress)
{
    const double scale = resolution / 96.0;
    p.save();
    p.translate(pageRect.topLeft());
    p.scale(scale, scale);
    draw(p, QRectF(QPointF(0, 0), pageRect.size() / scale), round, progress);
    p.restore();
}

bool writePicture(QIODevice &device, const RoundRecord &round, qreal devicePixelRatio,
                  const ReportProgress *progress)
{
    QImage image((kPictureSize * devicePixelRatio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    draw(painter, QRectF(QPointF(0, 0), kPictureSize).adjusted(24, 24, -24, -24), round, progress);
    painter.end();
    QImageWriter writer(&device, "png");
    return writer.write(image);
}

bool writePdf(QIODevice &device, const RoundRecord &round, const ReportProgress *progress)
{
    return writePdfPages(device, translated(ReportTexts::kTitle), QPageLayout::Portrait, 15,
                         [&](QPainter &painter, const QRectF &page, int resolution) {
                             drawScaled(painter, page, resolution, round, progress);
                         });
}

} // namespace ReportPage
