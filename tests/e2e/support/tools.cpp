// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools.h"

#include <QProcess>

#include <csignal>
#include <sys/prctl.h>

QString runTool(const QString &program, const QStringList &arguments, QString *error)
{
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(20000);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    QString problem;
    if (!finished) {
        process.kill();
        process.waitForFinished();
        problem = QStringLiteral("%1 did not finish").arg(program);
    } else if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        problem = QStringLiteral("%1 %2 failed: %3")
                      .arg(program, arguments.join(QLatin1Char(' ')),
                           QString::fromUtf8(process.readAllStandardError()).trimmed());
    }
    if (error)
        *error = problem;
    return out;
}

void endWithThisProcess(QProcess &process)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}
