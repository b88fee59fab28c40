// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/designlabel.h"

#include "ui/fonts.h"

#include <QAccessible>
#include <QDebug>
#include <QHash>
#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>

#include <unordered_map>

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
        forgetLayout();
}

void DesignLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    forgetLayout();
}

void DesignLabel::forgetLayout()
{
    m_layout.reset();
    m_placements.clear();
    m_chars = nullptr;
}

void DesignLabel::relayout()
{
    // In a translated interface, a text that does not fit the label at the
    // designed size is drawn smaller, down to Fonts::smallestFittingSize(),
    // wrapped at the label's width. The design's own texts are drawn as
    // designed, also where one runs a pixel over its label.
    const QSizeF box = contentsRect().size();
    QFont f = font();
    const int smallest = Fonts::smallestFittingSize(f);
    bool fits = layOut(f, box) || !Fonts::fitsTranslations();
    while (!fits && f.pixelSize() > smallest) {
        f.setPixelSize(f.pixelSize() - 1);
        fits = layOut(f, box);
    }
    // For whoever writes a translation: the text needs fewer words.
    if (!fits)
        qWarning().noquote() << "Text does not fit" << objectName()
                             << QStringLiteral("(%1 x %2 px, %3 px):")
                                    .arg(box.width())
                                    .arg(box.height())
                                    .arg(font().pixelSize())
                             << text();
    m_shrunk = f != font();
    m_laidOutText = text();
}

bool DesignLabel::layOut(const QFont &f, const QSizeF &box)
{
    const Fonts::DesignMetrics metrics = Fonts::designMetrics(f);
    const qreal em = f.pixelSize() > 0 ? f.pixelSize() : QFontInfo(f).pixelSize();
    m_layout = std::make_unique<QTextLayout>(text(), f);
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WordWrap);
    m_layout->setTextOption(option);
    qreal top = 0;
    bool fits = true;
    m_layout->beginLayout();
    for (QTextLine line = m_layout->createLine(); line.isValid(); line = m_layout->createLine()) {
        line.setLineWidth(box.width());
        line.setPosition(QPointF(0, top + metrics.ascent * em - line.ascent()));
        top += metrics.lineHeight * em;
        fits = fits && line.naturalTextWidth() <= box.width() + 0.5;
    }
    m_layout->endLayout();
    return fits && top <= box.height() + 0.5;
}

// Large characters of one face, size, colour and pixel density, each drawn
// once for the run of the program and shared by every label that uses them.
class CharImages {
public:
    struct Image {
        QPixmap pixmap;
        QPointF offset; // from the pen position to the image's top left
    };

    static CharImages &of(const QFont &font, const QColor &colour, qreal dpr)
    {
        // Node-based, so a set stays where it is while others are added.
        static std::unordered_map<QString, CharImages> sets;
        const QString key = font.key() + QLatin1Char('|') + colour.name(QColor::HexArgb) +
                            QLatin1Char('|') + QString::number(dpr);
        auto it = sets.find(key);
        if (it == sets.end())
            it = sets.try_emplace(key, font, colour, dpr).first;
        return it->second;
    }

    CharImages(const QFont &font, const QColor &colour, qreal dpr)
        : m_font(font), m_colour(colour), m_dpr(dpr)
    {
    }

    bool drawnFor(const QColor &colour, qreal dpr) const
    {
        return colour == m_colour && dpr == m_dpr;
    }

    const Image &image(QChar ch)
    {
        auto it = m_images.find(ch.unicode());
        if (it == m_images.end())
            it = m_images.emplace(ch.unicode(), draw(ch)).first;
        return it->second;
    }

private:
    Image draw(QChar ch) const
    {
        const QFontMetricsF fm(m_font);
        const QRect area = fm.boundingRect(ch).adjusted(-2, -2, 2, 2).toAlignedRect();
        QPixmap pixmap(QSize(std::max(1, area.width()), std::max(1, area.height())) * m_dpr);
        pixmap.setDevicePixelRatio(m_dpr);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(m_font);
        p.setPen(m_colour);
        p.drawText(QPointF(-area.left(), -area.top()), QString(ch));
        p.end();
        return {pixmap, area.topLeft()};
    }

    QFont m_font;
    QColor m_colour;
    qreal m_dpr;
    std::unordered_map<char16_t, Image> m_images;
};

namespace {

// Qt fills the outlines of glyphs larger than this on every repaint instead of
// taking them from its glyph cache.
constexpr int kLargestCachedGlyph = 64;

// Texts a label keeps the placements of: every value of a clock field, with
// room to spare; a label that shows more distinct texts starts again.
constexpr qsizetype kKeptTexts = 128;

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

const std::vector<DesignLabel::Placement> &DesignLabel::placements(const QString &text)
{
    auto it = m_placements.constFind(text);
    if (it != m_placements.constEnd())
        return *it;
    if (m_placements.size() >= kKeptTexts)
        m_placements.clear();
    if (!m_layout || m_laidOutText != text)
        relayout();
    std::vector<Placement> places;
    for (int l = 0; l < m_layout->lineCount(); ++l) {
        const QTextLine line = m_layout->lineAt(l);
        const qreal baseline = line.y() + line.ascent();
        for (int i = line.textStart(); i < line.textStart() + line.textLength(); ++i) {
            if (!text.at(i).isSpace())
                places.push_back({text.at(i), QPointF(line.x() + line.cursorToX(i), baseline)});
        }
    }
    return *m_placements.insert(text, std::move(places));
}

void DesignLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QString t = text();
    if (t.isEmpty())
        return;
    const QRect area = contentsRect();
    painter.setClipRect(area);
    const QColor colour =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole());
    if (!m_placements.contains(t) && (!m_layout || m_laidOutText != t))
        relayout();
    if (!composable(font(), t) || (m_laidOutText == t && m_shrunk)) {
        painter.setPen(colour);
        m_layout->draw(&painter, area.topLeft());
        return;
    }
    const qreal dpr = devicePixelRatioF();
    if (!m_chars || !m_chars->drawnFor(colour, dpr))
        m_chars = &CharImages::of(font(), colour, dpr);
    for (const Placement &place : placements(t)) {
        const CharImages::Image &image = m_chars->image(place.ch);
        painter.drawPixmap(QPointF(area.left() + place.pen.x() + image.offset.x(),
                                   area.top() + place.pen.y() + image.offset.y()),
                           image.pixmap);
    }
}
