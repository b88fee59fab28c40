// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class QProcess;

// Runs one of the desktop's command-line tools (xdotool, xprop) to its end.
// Returns its standard output; sets *error to what went wrong, if anything.
QString runTool(const QString &program, const QStringList &arguments, QString *error);

// Makes the process, once started, end when this test process ends, however
// it ends (an abort by Qt Test's watchdog included), so no X server, bus or
// game outlives a test run.
void endWithThisProcess(QProcess &process);
