// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xwindow.h"

#include "tools.h"

#include <QRegularExpression>

#include <X11/Xlib.h>

std::vector<XWindow> XWindow::ofProcess(qint64 pid)
{
    std::vector<XWindow> windows;
    QString error;
    const QString out = runTool(QStringLiteral("xdotool"),
                                {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                 QStringLiteral("--pid"), QString::number(pid)},
                                &error);
    // xdotool fails when nothing matches: no window, not a fault of the tool.
    for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        XWindow w;
        w.m_id = line.trimmed();
        windows.push_back(w);
    }
    return windows;
}

QString XWindow::title() const
{
    QString error;
    QString out =
        runTool(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), m_id}, &error);
    if (!error.isEmpty())
        return QStringLiteral("<%1>").arg(error);
    if (out.endsWith(QLatin1Char('\n')))
        out.chop(1);
    return out;
}

QRect XWindow::geometry() const
{
    QString error;
    const QString out =
        runTool(QStringLiteral("xdotool"),
                {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), m_id}, &error);
    int x = 0, y = 0, w = 0, h = 0;
    for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString key = line.section(QLatin1Char('='), 0, 0);
        const int value = line.section(QLatin1Char('='), 1).toInt();
        if (key == QLatin1String("X"))
            x = value;
        else if (key == QLatin1String("Y"))
            y = value;
        else if (key == QLatin1String("WIDTH"))
            w = value;
        else if (key == QLatin1String("HEIGHT"))
            h = value;
    }
    return QRect(x, y, w, h);
}

std::optional<QSize> XWindow::sizeHint(const QString &which) const
{
    QString error;
    const QString out =
        runTool(QStringLiteral("xprop"),
                {QStringLiteral("-id"), m_id, QStringLiteral("WM_NORMAL_HINTS")}, &error);
    const QRegularExpression pattern(
        QStringLiteral("program \\w+ %1 size: (\\d+) by (\\d+)").arg(which));
    const QRegularExpressionMatch match = pattern.match(out);
    if (!match.hasMatch())
        return std::nullopt;
    return QSize(match.captured(1).toInt(), match.captured(2).toInt());
}

std::optional<QSize> XWindow::minimumSize() const
{
    return sizeHint(QStringLiteral("minimum"));
}

std::optional<QSize> XWindow::maximumSize() const
{
    return sizeHint(QStringLiteral("maximum"));
}

QString XWindow::raise() const
{
    QString error;
    runTool(QStringLiteral("xdotool"), {QStringLiteral("windowraise"), m_id}, &error);
    return error;
}

QString XWindow::resize(QSize size) const
{
    QString error;
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("windowsize"), m_id, QString::number(size.width()),
             QString::number(size.height())},
            &error);
    return error;
}

QString XWindow::askToClose() const
{
    bool ok = false;
    const Window window = m_id.toULong(&ok);
    if (!ok)
        return QStringLiteral("no window to close");
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return QStringLiteral("the X server did not let this test in");
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return sent ? QString() : QStringLiteral("the close request could not be sent");
}
