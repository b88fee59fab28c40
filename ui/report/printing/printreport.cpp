// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/report/printing/printreport.h"

#include "core/text.h"
#include "ui/report/printing/printtexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

using PrintFunction = void (*)(QWidget *, const QString &, const PrintReport::DrawPage &,
                               PrintReport::Result *);

#ifndef TAVRINO_PRINT_MODULE
extern "C" void tavrinoPrint(QWidget *, const QString &, const PrintReport::DrawPage &,
                             PrintReport::Result *);
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
    *problem = translated(PrintTexts::kModuleMissing).arg(module.errorString());
    return nullptr;
#else
    Q_UNUSED(problem);
    return &tavrinoPrint;
#endif
}

} // namespace

Result print(QWidget *parent, const QString &documentName, const DrawPage &draw)
{
    Result result;
    const PrintFunction function = printFunction(&result.problem);
    if (!function)
        result.outcome = Result::Outcome::Failed;
    else
        function(parent, documentName, draw, &result);
    return result;
}

} // namespace PrintReport
