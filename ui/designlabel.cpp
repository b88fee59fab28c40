#include "ui/designlabel.h"

#include "ui/fonts.h"

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
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    m_layout->draw(&painter, area.topLeft());
}
