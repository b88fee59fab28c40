// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classlog/classlist.h"

#include "challenges/startvalues.h"
#include "classlog/classviewtexts.h"
#include "core/fileproblem.h"
#include "core/text.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Text from the code page of Simplified Chinese Windows (GBK, code page
// 936), as older Chinese spreadsheets save it.
QString fromGbk(const QByteArray &bytes)
{
#ifdef Q_OS_WIN
    const int size = MultiByteToWideChar(936, 0, bytes.constData(), int(bytes.size()), nullptr, 0);
    std::wstring wide(std::size_t(std::max(size, 0)), L'\0');
    MultiByteToWideChar(936, 0, bytes.constData(), int(bytes.size()), wide.data(), size);
    return QString::fromStdWString(wide);
#else
    // GB 18030 is GBK's superset.
    QStringDecoder gb("GB18030");
    return gb.isValid() ? QString(gb(bytes)) : QString::fromLocal8Bit(bytes);
#endif
}

QByteArray toGbk(const QString &text)
{
#ifdef Q_OS_WIN
    const std::wstring wide = text.toStdWString();
    const int size =
        WideCharToMultiByte(936, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    QByteArray bytes(std::max(size, 0), '\0');
    WideCharToMultiByte(936, 0, wide.data(), int(wide.size()), bytes.data(), size, nullptr,
                        nullptr);
    return bytes;
#else
    QStringEncoder gb("GB18030");
    return gb.isValid() ? QByteArray(gb(text)) : text.toLocal8Bit();
#endif
}

// Text that is not UTF-8 (no byte-order mark, not valid as UTF-8) is GBK.
bool isGbk(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return false;
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8(bytes); // decoding is what finds an error
    return !text.isNull() && utf8.hasError();
}

QString decoded(const QByteArray &bytes)
{
    if (isGbk(bytes))
        return fromGbk(bytes);
    return QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
}

bool isNumber(const QString &cell)
{
    return !cell.isEmpty() &&
           std::all_of(cell.begin(), cell.end(), [](QChar c) { return c.isDigit(); });
}

// A spreadsheet's heading over the names.
bool isHeading(const QString &cell)
{
    static const QStringList headings{QStringLiteral("姓名"), QStringLiteral("名字"),
                                      QStringLiteral("学生"), QStringLiteral("学号"),
                                      QStringLiteral("name")};
    return headings.contains(cell, Qt::CaseInsensitive);
}

// The cells of a line: a spreadsheet's (comma, tab, semicolon), or a
// number and a name apart by blanks; quotes around a cell go.
QStringList cellsOf(const QString &line)
{
    QStringList cells;
    for (const QChar separator : {QChar(u','), QChar(u'\t'), QChar(u';'), QChar(u'，')}) {
        if (line.contains(separator)) {
            cells = line.split(separator);
            break;
        }
    }
    if (cells.isEmpty()) {
        const qsizetype blank = line.indexOf(QLatin1Char(' '));
        cells = blank > 0 && isNumber(line.left(blank))
                    ? QStringList{line.left(blank), line.mid(blank + 1)}
                    : QStringList{line};
    }
    for (QString &cell : cells) {
        cell = cell.trimmed();
        if (cell.size() >= 2 && cell.front() == QLatin1Char('"') && cell.back() == QLatin1Char('"'))
            cell = cell.mid(1, cell.size() - 2).trimmed();
    }
    return cells;
}

// A name as the game logs it.
QString asLogged(const QString &name)
{
    return firstCharacters(name, kNameCharacters);
}

} // namespace

ClassList ClassList::parse(const QByteArray &bytes)
{
    ClassList list;
    std::vector<std::pair<QString, QString>> counted;
    const QStringList lines = decoded(bytes).split(QLatin1Char('\n'));
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty())
            continue;
        if (const qsizetype equals = line.indexOf(QLatin1Char('=')); equals > 0) {
            counted.emplace_back(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
            continue;
        }
        const QStringList cells = cellsOf(line);
        if (std::any_of(cells.begin(), cells.end(), isHeading))
            continue;
        Pupil pupil;
        for (const QString &cell : cells) {
            if (pupil.number.isEmpty() && pupil.name.isEmpty() && isNumber(cell))
                pupil.number = cell;
            else if (pupil.name.isEmpty() && !cell.isEmpty())
                pupil.name = cell;
        }
        if (pupil.name.isEmpty())
            continue;
        list.m_logged.insert(asLogged(pupil.name), list.m_pupils.size());
        list.m_pupils.push_back(pupil);
    }
    // A name counted as a listed pupil's, by his name as listed or as logged.
    for (const auto &[logged, listed] : counted) {
        const auto pupil = list.m_logged.constFind(asLogged(listed));
        if (pupil != list.m_logged.constEnd() && !list.m_logged.contains(logged))
            list.m_logged.insert(logged, *pupil);
    }
    return list;
}

ClassList ClassList::read(const QString &path, Failure *failure)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (failure)
            *failure = readProblem(path);
        return {};
    }
    return parse(file.readAll());
}

Failure ClassList::addAlias(const QString &path, const QString &logged, const QString &listed)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
        return writeProblem(path, file.error());
    // On a line of its own, in the file's own encoding.
    file.seek(0);
    const QByteArray before = file.readAll();
    const QString text = logged + QLatin1Char('=') + listed;
    QByteArray line = (isGbk(before) ? toGbk(text) : text.toUtf8()) + "\r\n";
    if (!before.isEmpty() && !before.endsWith('\n'))
        line.prepend("\r\n");
    if (file.write(line) != line.size() || !file.flush())
        return writeProblem(path, file.error());
    return std::nullopt;
}

QString ClassList::Pupil::shown(const QString &number, const QString &name)
{
    return number.isEmpty() ? name : utf8(ClassViewTexts::kNumberAndName).arg(number, name);
}

const ClassList::Pupil *ClassList::pupilOf(const QString &logged) const
{
    const auto found = m_logged.constFind(logged);
    return found == m_logged.constEnd() ? nullptr : &m_pupils[*found];
}

QStringList ClassList::loggedNames(const Pupil &pupil) const
{
    const auto index = std::size_t(&pupil - m_pupils.data());
    QStringList names;
    for (auto it = m_logged.constBegin(); it != m_logged.constEnd(); ++it) {
        if (*it == index)
            names << it.key();
    }
    names.sort();
    return names;
}
