// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline/commandline.h"
#include "core/text.h"
#include "core/translation.h"

#include <QCommandLineParser>

namespace {

// What --help prints, in three parts (the settings differ by system); the
// manual page (packaging/tavrino.1) says the same.
constexpr Text kHelp = TAVRINO_TEXT(
    "CommandLine",
    "用法 Usage: tavrino [选项 OPTIONS]\n"
    "\n"
    "Tavrino 数字专注力训练：输入姓名，选择一个级别，然后按顺序输入数字\n"
    "1、2、3……，每个数字后按回车键。\n"
    "Tavrino, a number typing and concentration trainer: type your name, pick a\n"
    "level, then type the numbers 1, 2, 3 ... in order, each followed by Enter.\n"
    "\n"
    "选项 Options:\n"
    "  -h, --help     显示本帮助后退出。\n"
    "                 Show this help and exit.\n"
    "  -v, --version  显示版本后退出。\n"
    "                 Show the version and exit.\n"
    "  --log FILE     把每一轮的成绩追加到班级记录 FILE（CSV 表格）。\n"
    "                 Append every finished round to the class log FILE (CSV).\n"
    "  --roster FILE  班级名单 FILE（文本或 CSV，每行一名学生，可以在前面写学号）：开始\n"
    "                 界面输入姓名时提示名单上的名字，班级记录窗口按名单显示。\n"
    "                 The class list FILE (text or CSV, a pupil a line, a class\n"
    "                 number before the name where wanted): the start screen's name\n"
    "                 box offers its names, the class view follows it.\n"
    "  --class [FILE...]\n"
    "                 打开班级记录窗口，查看班级记录 FILE：每名学生每一级的最好成绩\n"
    "                 和进步情况；FILE 可以是几个文件，或一个文件夹（其中每个 .csv\n"
    "                 文件，例如每个机房一个）。不给 FILE 时用 --log 或管理员设置的\n"
    "                 文件，都没有时选择文件。只读取，不写入。\n"
    "                 Open the class view of the class log FILE: each pupil's best\n"
    "                 per level and progress over the days; FILE may be several\n"
    "                 files, or a folder (every .csv file in it, e.g. one per\n"
    "                 computer room). Without FILE, the log that --log or the\n"
    "                 administrator's setting names, else files chosen in a\n"
    "                 dialog. It only reads the files.\n"
    "  --lang zh_CN|zh_TW|en\n"
    "                 界面语言：简体中文、繁体中文或英文；不给时按系统语言。\n"
    "                 The language of the windows: Simplified Chinese,\n"
    "                 Traditional Chinese or English; without it, the system's.\n"
    "\n");
#ifdef Q_OS_WIN
// Where an administrator sets the class log on Windows.
constexpr Text kHelpSettings = TAVRINO_TEXT(
    "CommandLine",
    "不给 --log 时，管理员可以用组策略“班级记录文件”（tavrino.admx，写入\n"
    "HKLM\\SOFTWARE\\Policies\\Tavrino），或在注册表 HKLM\\SOFTWARE\\tavrino\\tavrino\n"
    "中用字符串值 log=FILE（安装时的 LOGPATH）为整台电脑打开班级记录；策略优先。\n"
    "都没有时，程序不写任何文件。班级记录暂时无法写入的成绩先存在这台电脑上\n"
    "（%LOCALAPPDATA%\\tavrino，或策略“成绩暂存文件夹”、注册表值 outbox=FOLDER\n"
    "指定的文件夹），下次启动时先写入。班级名单同样可以用策略“班级名单”或注册表值\n"
    "roster=FILE 指定。\n"
    "Without --log, an administrator may switch the class log on for the whole\n"
    "computer with the group policy \"班级记录文件\" (tavrino.admx, written to\n"
    "HKLM\\SOFTWARE\\Policies\\Tavrino) or the string value log=FILE in the\n"
    "registry key HKLM\\SOFTWARE\\tavrino\\tavrino (the installer's LOGPATH); the\n"
    "policy comes first. Without any, the program writes no file at all. Rounds\n"
    "the class log cannot take at once wait on this computer (%LOCALAPPDATA%\\tavrino,\n"
    "or the folder of the policy \"成绩暂存文件夹\" or the value outbox=FOLDER) and\n"
    "are written first at the next start. The class list is set alike, with the\n"
    "policy \"班级名单\" or the value roster=FILE.\n");
#else
// ... and elsewhere.
constexpr Text kHelpSettings =
    TAVRINO_TEXT("CommandLine",
                 "不给 --log 时，管理员可以在 /etc/xdg/tavrino/tavrino.conf 中用 log=FILE 为整台\n"
                 "电脑打开班级记录；两者都没有时，程序不写任何文件。班级记录暂时无法写入的成绩\n"
                 "先存在这台电脑上（~/.local/share/tavrino，或 outbox=FOLDER 指定的文件夹），\n"
                 "下次启动时先写入。班级名单同样可以用 roster=FILE 指定。\n"
                 "Without --log, an administrator may switch the class log on for the whole\n"
                 "computer with log=FILE in /etc/xdg/tavrino/tavrino.conf; without either,\n"
                 "the program writes no file at all. Rounds the class log cannot take at once\n"
                 "wait on this computer (~/.local/share/tavrino, or the folder outbox=FOLDER\n"
                 "names there) and are written first at the next start. The class list is\n"
                 "set alike, with roster=FILE.\n");
#endif
constexpr Text kHelpEnd = TAVRINO_TEXT(
    "CommandLine",
    "\n"
    "每个用户只运行一份；再次启动的一份立即结束，不显示窗口（给了选项时会在终端说明）。\n"
    "Only one copy runs for each user; a second one ends at once without a window\n"
    "(and, when it was given options, says so on the terminal).\n");

constexpr Text kUnknownOption =
    TAVRINO_TEXT("CommandLine", "tavrino: 未知选项 unknown option: %1 (tavrino --help)");
constexpr Text kWrongUse =
    TAVRINO_TEXT("CommandLine", "tavrino: 选项用法不对 option used wrongly: %1 (tavrino --help)");
constexpr Text kUnexpectedArgument =
    TAVRINO_TEXT("CommandLine", "tavrino: 多余的参数 unexpected argument: %1 (tavrino --help)");
constexpr Text kAlreadyRunning = TAVRINO_TEXT(
    "CommandLine", "tavrino: 已经有一份游戏在运行，这一份的选项不起作用，现在结束。 "
                   "A copy is already running; this one's options are not used, and it ends.");
constexpr Text kNoDisplay =
    TAVRINO_TEXT("CommandLine", "tavrino: 无法连接到图形显示，游戏需要在桌面上运行。 "
                                "Cannot open a display: the game runs on a desktop.");

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's own options are written with one dash (-platform xcb).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption log(QStringLiteral("log"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption roster(QStringLiteral("roster"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption classView(QStringLiteral("class"));
    const QCommandLineOption language(QStringLiteral("lang"), QString(), QStringLiteral("LANG"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(log);
    parser.addOption(roster);
    parser.addOption(classView);
    parser.addOption(language);
    for (const char *qtOption : {"platform", "display", "style"})
        parser.addOption(
            QCommandLineOption(QLatin1String(qtOption), QString(), QStringLiteral("x")));

    CommandLine result;
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty()) {
            // A value given to an option that takes none (--help=3), or an
            // option that takes one given none at the end (-platform).
            QString wrong = arguments.last();
            for (const QString &argument : arguments.mid(1)) {
                if (argument.startsWith(QLatin1Char('-')) && argument.contains(QLatin1Char('='))) {
                    wrong = argument;
                    break;
                }
            }
            result.m_failure = translated(kWrongUse).arg(wrong);
            return result;
        }
        // The option as the user wrote it, dashes and all.
        QString written = unknown.first();
        for (const QString &argument : arguments.mid(1)) {
            QString name = argument.section(QLatin1Char('='), 0, 0);
            while (name.startsWith(QLatin1Char('-')))
                name.remove(0, 1);
            if (argument.startsWith(QLatin1Char('-')) && name == unknown.first()) {
                written = argument;
                break;
            }
        }
        result.m_failure = translated(kUnknownOption).arg(written);
        return result;
    }
    // The language also serves --help and the answers to a wrong line.
    if (parser.isSet(language)) {
        result.m_language = parser.value(language);
        if (!Translation::named(result.m_language)) {
            result.m_failure = translated(kWrongUse).arg(QStringLiteral("--lang"));
            return result;
        }
    }
    // The class view takes files; nothing else takes any.
    const QStringList positional = parser.positionalArguments();
    const qsizetype allowed = parser.isSet(classView) ? positional.size() : 0;
    if (positional.size() > allowed) {
        result.m_failure = translated(kUnexpectedArgument).arg(positional.at(allowed));
    } else if (parser.isSet(help)) {
        result.m_action = Action::Help;
    } else if (parser.isSet(version)) {
        result.m_action = Action::Version;
    } else {
        if (parser.isSet(classView)) {
            result.m_action = Action::ClassView;
            result.m_classFiles = positional;
        }
        if (parser.isSet(log)) {
            result.m_logFile = parser.value(log);
            if (result.m_logFile.isEmpty())
                result.m_failure = translated(kWrongUse).arg(QStringLiteral("--log"));
        }
        if (parser.isSet(roster)) {
            result.m_rosterFile = parser.value(roster);
            if (result.m_rosterFile.isEmpty())
                result.m_failure = translated(kWrongUse).arg(QStringLiteral("--roster"));
        }
    }
    return result;
}

QString CommandLine::helpText()
{
    return translated(kHelp) + translated(kHelpSettings) + translated(kHelpEnd);
}

QString CommandLine::versionText()
{
    return QStringLiteral("tavrino " TAVRINO_VERSION "\n");
}

QString CommandLine::alreadyRunningText()
{
    return translated(kAlreadyRunning);
}

QString CommandLine::noDisplayText()
{
    return translated(kNoDisplay);
}
