// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/report/printing/printreport.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

using PrintFunction = bool (*)(QWidget *, const QString &, const PrintReport::DrawPage &);

#ifndef TAVRINO_PRINT_MODULE
extern "C" bool tavrinoPrint(QWidget *, const QString &, const PrintReport::DrawPage &);
#endif

namespace PrintReport {

namespace {

// The printing module: the build tree holds it beside the program, an
// installation in the program's library folder, and else the system's
// library path may lead to it.
PrintFunction printFunction(QString *problem)
{
#ifdef TAVRINO_PRINT_MODULE
    static PrintFunction function = nullptr;
    if (function)
        return function;
    QLibrary module;
    const QDir programs(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral("tavrino-print");
    for (const QString &file :
         {programs.filePath(name), programs.filePath(QStringLiteral(TAVRINO_MODULE_DIR "/") + name),
          name}) {
        module.setFileName(file);
        function = reinterpret_cast<PrintFunction>(module.resolve("tavrinoPrint"));
        if (function)
            return function;
    }
    *problem = module.errorString();
    return nullptr;
#else
    Q_UNUSED(problem);
    return &tavrinoPrint;
#endif
}

} // namespace

bool print(QWidget *parent, const QString &documentName, const DrawPage &draw, QString *problem)
{
    const PrintFunction function = printFunction(problem);
    return function && function(parent, documentName, draw);
}

} // namespace PrintReport
