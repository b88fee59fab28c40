// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs.h"

#include "core/fileproblem.h"
#include "core/text.h"
#include "core/translation.h"
#include "ui/dialogtexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QVariant>

namespace {

#ifdef Q_OS_WIN
// Qt's file dialog keeps its last folder and history in QSettings' native
// format whatever the default (QSettings(UserScope, "QtProject")): on
// Windows the registry key below, which would outlive the game. What it
// held before the game's first dialog (another Qt program's) is put back
// after each dialog, and keys the dialog made are removed again.
const QString kQtProjectKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\QtProject");
const QString kFileDialogGroup = QStringLiteral("OrganizationDefaults/FileDialog");

std::optional<QVariantMap> fileDialogMemory()
{
    const QSettings software(QStringLiteral("HKEY_CURRENT_USER\\Software"),
                             QSettings::NativeFormat);
    if (!software.childGroups().contains(QStringLiteral("QtProject")))
        return std::nullopt;
    QSettings qtProject(kQtProjectKey, QSettings::NativeFormat);
    qtProject.beginGroup(kFileDialogGroup);
    QVariantMap values;
    for (const QString &key : qtProject.allKeys())
        values.insert(key, qtProject.value(key));
    return values;
}

void putBackFileDialogMemory(const std::optional<QVariantMap> &before)
{
    {
        QSettings qtProject(kQtProjectKey, QSettings::NativeFormat);
        qtProject.remove(kFileDialogGroup);
        if (before) {
            for (auto value = before->begin(); value != before->end(); ++value)
                qtProject.setValue(kFileDialogGroup + QLatin1Char('/') + value.key(),
                                   value.value());
        }
    }
    if (!before) {
        QSettings software(QStringLiteral("HKEY_CURRENT_USER\\Software"), QSettings::NativeFormat);
        software.remove(QStringLiteral("QtProject"));
    }
}
#endif

// Puts back what the file dialog found when the game's first one opened.
void forgetFileDialog()
{
#ifdef Q_OS_WIN
    static const std::optional<QVariantMap> before = fileDialogMemory();
    putBackFileDialogMemory(before);
#endif
}

} // namespace

namespace Dialogs {

void prepare()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    // Carried inside the program where the system has no Qt of its own to
    // bring them (see CMakeLists.txt), else the system's.
    // English needs none: Qt speaks it itself.
    if (const QString name = Translation::qtTranslationName(); !name.isEmpty()) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(name, QStringLiteral(":/translations")) ||
            translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
    // Qt's file dialog writes its settings through QSettings for the user
    // ("QtProject"), in the default format: a file on Unix whichever format
    // is named, the registry on Windows unless it is the INI format.
    static QTemporaryDir remembered;
    if (remembered.isValid()) {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, remembered.path());
    }
    // Where the native format is the registry, the dialog writes there all
    // the same: taken note of now, put back after each save and at the end.
    forgetFileDialog();
    qAddPostRoutine(forgetFileDialog);
}

Saved saveFile(QWidget *parent, const QString &suggested, const QString &filter,
               const std::function<bool(QIODevice &)> &write)
{
    prepare();
    // Within a run, the next save opens in the folder of the last one: a
    // suggested folder would otherwise win over the one the dialog remembers.
    static QString lastFolder;
    const QString offered = lastFolder.isEmpty()
                                ? suggested
                                : QDir(lastFolder).filePath(QFileInfo(suggested).fileName());
    const QString path = QFileDialog::getSaveFileName(parent, QString(), offered, filter);
    forgetFileDialog();
    if (path.isEmpty())
        return {};
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit()) {
        lastFolder = QFileInfo(path).absolutePath();
        return {path, std::nullopt};
    }
    const QFileDevice::FileError error = file.error();
    file.cancelWriting();
    return {path, writeProblem(path, error)};
}

void saveAndSay(QWidget *parent, QLabel *status, const QString &title, const QString &suggested,
                const QString &filter, const std::function<bool(QIODevice &)> &write)
{
    const Saved saved = saveFile(parent, suggested, filter, write);
    if (saved.path.isEmpty())
        return;
    const QString path = QDir::toNativeSeparators(saved.path);
    if (!saved.problem) {
        status->setText(translated(DialogTexts::kSaved).arg(path));
        return;
    }
    status->clear();
    QMessageBox::warning(parent, title,
                         translated(DialogTexts::kSaveFailed).arg(path, *saved.problem));
}

void printAndSay(QWidget *parent, QLabel *status, const QString &documentName,
                 const PrintReport::DrawPage &draw)
{
    using namespace DialogTexts;
    prepare();
    const PrintReport::Result printed = PrintReport::print(parent, documentName, draw);
    const QString where = printed.toFile ? QDir::toNativeSeparators(printed.where) : printed.where;
    switch (printed.outcome) {
    case PrintReport::Result::Outcome::Printed:
        status->setText(translated(printed.toFile ? kSaved : kPrinted).arg(where));
        break;
    case PrintReport::Result::Outcome::Cancelled:
        break;
    case PrintReport::Result::Outcome::Failed:
        status->clear();
        QMessageBox::warning(parent, translated(kPrint),
                             translated(kPrintFailed).arg(printed.problem));
        break;
    }
}

} // namespace Dialogs
