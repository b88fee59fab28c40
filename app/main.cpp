// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program.h"
#include "app/singleinstance.h"
#include "core/systemclock.h"
#include "ui/fonts.h"
#include "ui/labelaccessible.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavrino"));
    // No application display name: on X11 Qt would append it to every window
    // title, and the titles are shown exactly as designed.

    // A second copy ends at once and silently, before any window shows.
    SingleInstance instance;
    if (!instance.acquire())
        return 0;

    Fonts::installSubstitutions();
    LabelAccessibility::install();
    SystemClock clock;
    Program program(clock);
    program.show();
    return QApplication::exec();
}
