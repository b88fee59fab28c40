// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRectF>
#include <QStringList>

#include <vector>

class QPainter;

// The class view's table on paper and in a PDF: a title, a line saying what
// the page shows, then the rows (the first one the heading), on as many
// pages as they fill.
class ClassPage {
public:
    ClassPage(QString title, QString about, std::vector<QStringList> rows);

    // Draws into page, at resolution dots to the inch, starting new pages on
    // the painter's paged device as the rows need them.
    void draw(QPainter &p, const QRectF &page, int resolution) const;

private:
    QString m_title;
    QString m_about;
    std::vector<QStringList> m_rows;
};
