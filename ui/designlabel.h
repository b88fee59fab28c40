// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

#include <QHash>

#include <memory>
#include <vector>

class QTextLayout;
class CharImages;

// A label drawn as the screens were designed: an opaque background, text
// from the top edge, wrapped at the label's width and clipped to it, with the
// line height and baseline of the face the design names (see
// Fonts::designMetrics) rather than those of the face that stands in for it,
// so that a substitute with taller line metrics neither moves nor clips the
// text. The line layout is kept until the text, font or size changes.
class DesignLabel : public QLabel {
    Q_OBJECT
public:
    explicit DesignLabel(const QString &text = QString(), QWidget *parent = nullptr);
    ~DesignLabel() override;

    // Shows the text and tells assistive technology what changed, so that a
    // listening screen reader hears each new mark, number and message once.
    // Does nothing when the label already shows it.
    void showText(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Where a character of a large text goes: its pen position from the
    // contents' top left, on the baseline.
    struct Placement {
        QChar ch;
        QPointF pen;
    };

    void relayout();
    // Lays the text out in f within box; whether it fits there.
    bool layOut(const QFont &f, const QSizeF &box);
    void forgetLayout();
    const std::vector<Placement> &placements(const QString &text);

    std::unique_ptr<QTextLayout> m_layout;
    QString m_laidOutText;
    // The laid-out text is drawn smaller than the label's font.
    bool m_shrunk = false;
    QHash<QString, std::vector<Placement>> m_placements;
    CharImages *m_chars = nullptr;
};
