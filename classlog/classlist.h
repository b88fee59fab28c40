// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/failure.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>

#include <optional>
#include <vector>

// A class list: the pupils of a class in the teacher's order, one a line as
// a teacher writes it in a spreadsheet or a text editor ("12,张三",
// "12 张三", "张三"; UTF-8 with or without a byte-order mark, or GBK from an
// older Chinese spreadsheet), and the names in the class log to be counted
// as a listed pupil's ("张 三=张三", lines the class view adds).
class ClassList {
public:
    struct Pupil {
        QString number;
        QString name;
        // As the list shows him: his number before his name.
        QString shown() const { return shown(number, name); }
        static QString shown(const QString &number, const QString &name);
    };

    static ClassList parse(const QByteArray &bytes);
    // The file's list; an empty one, and why, when it cannot be read.
    static ClassList read(const QString &path, Failure *failure = nullptr);
    // Adds to the file that a name in the log is a listed pupil's.
    static Failure addAlias(const QString &path, const QString &logged, const QString &listed);

    bool isEmpty() const { return m_pupils.empty(); }
    const std::vector<Pupil> &pupils() const { return m_pupils; }
    // The listed pupil a name in the class log stands for: his own name as
    // the game logs it (its first four characters), or a name counted as
    // his; none when it is nobody's on the list.
    const Pupil *pupilOf(const QString &logged) const;
    // Every name in the log that stands for this listed pupil.
    QStringList loggedNames(const Pupil &pupil) const;

private:
    std::vector<Pupil> m_pupils;
    // Names as logged, to the index of their pupil.
    QHash<QString, std::size_t> m_logged;
};

// What the round report reads of the class log: its files and the class
// list that tells whose rounds are whose.
struct ClassRecords {
    QStringList logs;
    ClassList list;
};
