// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupil.h"

#include "tools.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace Pupil {

namespace {

// A short pause between keys, as a quick typist leaves.
const QString kKeyDelayMs = QStringLiteral("15");

// Characters that no key of the X server's keyboard map makes, such as the
// Chinese characters of a name, each get a spare key of their own for the
// rest of the run. xdotool would otherwise bind one key to each character in
// turn and unbind it right after: a game still busy when the key arrives
// reads the keyboard map after the unbinding and loses the character.
QString giveKeysTo(const QString &text)
{
    static QHash<char32_t, int> given;
    QStringList missing;
    for (const char32_t c : text.toUcs4()) {
        if (c >= 0x20 && c < 0x7f)
            continue;
        if (!given.contains(c))
            missing << QString::fromUcs4(&c, 1);
    }
    missing.removeDuplicates();
    if (missing.isEmpty())
        return {};
    QString error;
    const QString map = runTool(QStringLiteral("xmodmap"), {QStringLiteral("-pke")}, &error);
    if (!error.isEmpty())
        return error;
    // A spare key is listed with nothing after its "=".
    static const QRegularExpression spare(QStringLiteral("^keycode\\s+(\\d+)\\s*=\\s*$"),
                                          QRegularExpression::MultilineOption);
    QList<int> spareCodes;
    for (auto it = spare.globalMatch(map); it.hasNext();) {
        const int code = it.next().captured(1).toInt();
        // The lowest key code stands apart in some keyboard extensions.
        if (code > 8 && std::find(given.cbegin(), given.cend(), code) == given.cend())
            spareCodes << code;
    }
    if (spareCodes.size() < missing.size())
        return QStringLiteral("the keyboard map has no spare key left for %1")
            .arg(missing.join(u""));
    QStringList arguments;
    for (qsizetype i = 0; i < missing.size(); ++i) {
        const uint c = missing[i].toUcs4().front();
        arguments << QStringLiteral("-e")
                  << QStringLiteral("keycode %1 = U%2")
                         .arg(spareCodes[i])
                         .arg(QString::number(c, 16).toUpper().rightJustified(4, u'0'));
    }
    runTool(QStringLiteral("xmodmap"), arguments, &error);
    if (!error.isEmpty())
        return error;
    for (qsizetype i = 0; i < missing.size(); ++i)
        given.insert(missing[i].toUcs4().front(), spareCodes[i]);
    return {};
}

} // namespace

QString click(const Accessible &control)
{
    if (!control)
        return QStringLiteral("there is no such control to click");
    const QRect where = control.extents();
    if (where.isEmpty() || !control.isShowing())
        return QStringLiteral("\"%1\" is not on the screen").arg(control.name());
    const QPoint middle = where.center();
    QString error;
    // No --sync: it waits for the pointer to move and so hangs when the
    // pointer is there already. The X server keeps the order of the move and
    // the click either way.
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QString::number(middle.x()), QString::number(middle.y()),
             QStringLiteral("click"), QStringLiteral("1")},
            &error);
    return error;
}

QString type(const QString &text)
{
    if (const QString problem = giveKeysTo(text); !problem.isEmpty())
        return problem;
    QString error;
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("type"), QStringLiteral("--delay"), kKeyDelayMs, text}, &error);
    return error;
}

QString press(const QString &keys)
{
    QStringList arguments{QStringLiteral("key"), QStringLiteral("--delay"), kKeyDelayMs};
    arguments += keys.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString error;
    runTool(QStringLiteral("xdotool"), arguments, &error);
    return error;
}

QString digitKeys(qint64 number, bool keypad)
{
    QStringList keys;
    for (const QChar digit : QString::number(number))
        keys << (keypad ? QStringLiteral("KP_") : QString()) + digit;
    return keys.join(QLatin1Char(' '));
}

QString enter(qint64 number)
{
    return press(digitKeys(number) + QStringLiteral(" Return"));
}

QString enterRun(qint64 from, qint64 to)
{
    QStringList keys;
    for (qint64 n = from; n <= to; ++n)
        keys << digitKeys(n) << QStringLiteral("Return");
    return press(keys.join(QLatin1Char(' ')));
}

} // namespace Pupil
