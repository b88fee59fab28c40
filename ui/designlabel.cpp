// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/designlabel.h"

#include "ui/fonts.h"

#include <QAccessible>
#include <QHash>
#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>

DesignLabel::DesignLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAutoFillBackground(true);
}

DesignLabel::~DesignLabel() = default;

void DesignLabel::showText(const QString &text)
{
    const QString before = QLabel::text();
    if (before == text)
        return;
    setText(text);
    // Sent only while assistive technology listens.
    QAccessibleTextUpdateEvent event(this, 0, before, text);
    QAccessible::updateAccessibility(&event);
}

void DesignLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        m_layout.reset();
}

void DesignLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    m_layout.reset();
}

void DesignLabel::relayout()
{
    const QFont f = font();
    const Fonts::DesignMetrics metrics = Fonts::designMetrics(f);
    const qreal em = f.pixelSize() > 0 ? f.pixelSize() : QFontInfo(f).pixelSize();
    m_layout = std::make_unique<QTextLayout>(text(), f);
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WordWrap);
    m_layout->setTextOption(option);
    const qreal width = contentsRect().width();
    qreal top = 0;
    m_layout->beginLayout();
    for (QTextLine line = m_layout->createLine(); line.isValid(); line = m_layout->createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, top + metrics.ascent * em - line.ascent()));
        top += metrics.lineHeight * em;
    }
    m_layout->endLayout();
    m_laidOutText = text();
}

namespace {

// Qt fills the outlines of glyphs larger than this on every repaint instead of
// taking them from its glyph cache.
constexpr int kLargestCachedGlyph = 64;

// A large character drawn once, with the offset from its pen position.
struct CharImage {
    QPixmap pixmap;
    QPoint offset;
};

const CharImage &charImage(const QFont &font, const QColor &colour, QChar ch, qreal dpr)
{
    static QHash<QString, CharImage> cache;
    const QString key = font.key() + QLatin1Char('|') + colour.name(QColor::HexArgb) +
                        QLatin1Char('|') + QString::number(dpr) + QLatin1Char('|') + ch;
    auto it = cache.find(key);
    if (it != cache.end())
        return *it;
    const QFontMetricsF fm(font);
    const QRectF box = fm.boundingRect(ch).adjusted(-2, -2, 2, 2);
    const QRect area = box.toAlignedRect();
    QPixmap pixmap(QSize(std::max(1, area.width()), std::max(1, area.height())) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QPointF(-area.left(), -area.top()), QString(ch));
    p.end();
    return *cache.insert(key, {pixmap, area.topLeft()});
}

// Large texts of plain characters (the clock digits, the last number, the
// mark) are composed from characters drawn once, so a tick's repaint is a
// few image copies rather than outline fills.
bool composable(const QFont &font, const QString &text)
{
    if (font.pixelSize() <= kLargestCachedGlyph || font.underline())
        return false;
    for (QChar c : text) {
        if (c.isSurrogate() || c.isMark() || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

} // namespace

void DesignLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    if (text().isEmpty())
        return;
    if (!m_layout || m_laidOutText != text())
        relayout();
    const QRect area = contentsRect();
    painter.setClipRect(area);
    const QColor colour =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole());
    const QString t = text();
    if (!composable(font(), t)) {
        painter.setPen(colour);
        m_layout->draw(&painter, area.topLeft());
        return;
    }
    const qreal dpr = devicePixelRatioF();
    for (int l = 0; l < m_layout->lineCount(); ++l) {
        const QTextLine line = m_layout->lineAt(l);
        const qreal baseline = area.top() + line.y() + line.ascent();
        for (int i = line.textStart(); i < line.textStart() + line.textLength(); ++i) {
            if (t.at(i).isSpace())
                continue;
            const CharImage &image = charImage(font(), colour, t.at(i), dpr);
            const qreal x = area.left() + line.x() + line.cursorToX(i);
            painter.drawPixmap(QPointF(x + image.offset.x(), baseline + image.offset.y()),
                               image.pixmap);
        }
    }
}
