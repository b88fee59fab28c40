// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/failure.h"

#include <QString>
#include <QStringList>

// What the command line asks of the program. It is read before anything
// needs a display, so that --help and --version answer on a text console.
class CommandLine {
public:
    enum class Action { Play, Help, Version, ClassView };

    // arguments[0] is the program; options of Qt's own (-platform, -display,
    // -style) are let through for the application to read.
    static CommandLine parse(const QStringList &arguments);

    Action action() const { return m_action; }
    // What is wrong with the command line, in one line; none when it is right.
    const Failure &failure() const { return m_failure; }
    // The class log's file as given with --log; empty without.
    QString logFile() const { return m_logFile; }
    // The class list's file as given with --roster; empty without.
    QString rosterFile() const { return m_rosterFile; }
    // For the class view: the file given after --class; empty without.
    // The class logs the class view opens: files, or folders of them.
    QStringList classFiles() const { return m_classFiles; }
    // The language given with --lang (zh_CN, zh_TW or en); empty without.
    QString language() const { return m_language; }

    // Printed by a second copy that ends because one already runs, when it
    // was given options it cannot use.
    static QString alreadyRunningText();
    static QString helpText();
    static QString versionText();
    // Printed when no display can be opened.
    static QString noDisplayText();

private:
    Action m_action = Action::Play;
    Failure m_failure;
    QString m_logFile;
    QString m_rosterFile;
    QStringList m_classFiles;
    QString m_language;
};
