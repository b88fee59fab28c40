// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

// A top-level window as the X server holds it, for what only the window
// system knows: the title bar text, the frame's size limits, stacking and size.
class XWindow {
public:
    // The mapped top-level windows that a process owns.
    static std::vector<XWindow> ofProcess(qint64 pid);

    QString id() const { return m_id; }
    QString title() const;
    QRect geometry() const;
    // The smallest and largest size the window asks a window manager for.
    std::optional<QSize> minimumSize() const;
    std::optional<QSize> maximumSize() const;

    // Each returns an empty string when done, else what failed.
    QString raise() const;
    QString resize(QSize size) const;
    // Asks the window to close, as a window manager does when the close box
    // of its title bar is clicked (WM_DELETE_WINDOW).
    QString askToClose() const;

private:
    std::optional<QSize> sizeHint(const QString &which) const;

    QString m_id;
};
