// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/classview/classpage.h"

#include "ui/fonts.h"
#include "ui/palette.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

QFont pageFont(Layout::Face face, double points, bool bold = false)
{
    return Fonts::makeFont({face, points, bold ? 700 : 400, false});
}

} // namespace

ClassPage::ClassPage(QString title, QString about, std::vector<QStringList> rows)
    : m_title(std::move(title)), m_about(std::move(about)), m_rows(std::move(rows))
{
}

void ClassPage::draw(QPainter &p, const QRectF &page, int resolution) const
{
    if (m_rows.empty())
        return;
    // Drawn at 96 units to the inch, a new page where the rows fill one.
    const double scale = resolution / 96.0;
    p.save();
    p.scale(scale, scale);
    const QRectF area(page.topLeft() / scale, page.size() / scale);
    p.setPen(kPageText);
    const QFont body = pageFont(Layout::Face::Songti, 9);
    const QFontMetricsF fm(body);
    const double row = fm.height() * 1.4;
    std::vector<double> widths(std::size_t(m_rows[0].size()), 0);
    for (const QStringList &cells : m_rows) {
        for (qsizetype c = 0; c < cells.size() && std::size_t(c) < widths.size(); ++c)
            widths[std::size_t(c)] =
                std::max(widths[std::size_t(c)], fm.horizontalAdvance(cells[c]) + 8);
    }
    double total = 0;
    for (double w : widths)
        total += w;
    const double shrink = std::min(1.0, area.width() / total);
    double top = area.top();
    p.setFont(pageFont(Layout::Face::Heiti, 14, true));
    p.drawText(QRectF(area.left(), top, area.width(), row * 1.5), Qt::AlignVCenter, m_title);
    top += row * 1.6;
    p.setFont(body);
    p.drawText(QRectF(area.left(), top, area.width(), row), Qt::AlignVCenter, m_about);
    top += row * 1.4;
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        if (top + row > area.bottom()) {
            static_cast<QPagedPaintDevice *>(p.device())->newPage();
            top = area.top();
        }
        p.setFont(r == 0 ? pageFont(Layout::Face::Heiti, 9, true) : body);
        double left = area.left();
        for (qsizetype c = 0; c < m_rows[r].size() && std::size_t(c) < widths.size(); ++c) {
            const double w = widths[std::size_t(c)] * shrink;
            p.drawText(QRectF(left + 2, top, w - 4, row), Qt::AlignVCenter | Qt::AlignLeft,
                       m_rows[r][c]);
            left += w;
        }
        top += row;
        p.setPen(QColor(0xC0, 0xC0, 0xC0));
        p.drawLine(QPointF(area.left(), top), QPointF(area.left() + total * shrink, top));
        p.setPen(kPageText);
    }
    p.restore();
}
