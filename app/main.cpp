// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program.h"
#include "app/terminal.h"
#include "classlog/classlogpath.h"
#include "classlog/classviewtexts.h"
#include "commandline/commandline.h"
#include "core/systemclock.h"
#include "core/text.h"
#include "core/translation.h"
#include "start/singleinstance.h"
#include "ui/classview/classwindow.h"
#include "ui/dialogs.h"
#include "ui/fonts.h"
#include "ui/labelaccessible.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

// While the application connects to the display, Qt's platform messages are
// held back: when no display can be opened, Qt ends the program with an
// abort and a page of advice about plugins; the pupil's teacher gets one
// clear line and a plain failure status instead.
class DisplayConnection {
public:
    DisplayConnection() { s_previous = qInstallMessageHandler(&DisplayConnection::message); }
    // Connected: what was held back goes out as usual.
    ~DisplayConnection()
    {
        qInstallMessageHandler(s_previous);
        for (const Held &h : s_held)
            s_previous(h.type, QMessageLogContext(), h.text);
        s_held.clear();
    }

private:
    struct Held {
        QtMsgType type;
        QString text;
    };

    static void message(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", CommandLine::noDisplayText().toUtf8().constData());
            std::_Exit(EXIT_FAILURE);
        }
        if (context.category && QByteArray(context.category).startsWith("qt.qpa")) {
            s_held.push_back({type, text});
            return;
        }
        s_previous(type, context, text);
    }

    static inline QtMessageHandler s_previous = nullptr;
    static inline std::vector<Held> s_held;
};

// What the command line answers, on the terminal; a Windows program started
// from its icon or the Run box has none, and shows it in a message instead.
int answer(std::FILE *stream, const QString &text, int status, int argc, char *argv[])
{
    if (!Terminal::print(stream, text)) {
        QApplication app(argc, argv);
        QMessageBox::information(nullptr, QStringLiteral("Tavrino"), text);
    }
    return status;
}

// The teacher's class view. It only reads the log, so it runs beside the
// game and takes no part in the one-copy rule.
int runClassView(const CommandLine &command)
{
    using namespace ClassViewTexts;
    QStringList paths = classLogFiles(command.classFiles(), command.logFile());
    if (paths.isEmpty()) {
        Dialogs::prepare();
        paths = QFileDialog::getOpenFileNames(nullptr, translated(kOpenLog), QDir::homePath(),
                                              translated(kLogFiles));
        if (paths.isEmpty())
            return EXIT_SUCCESS;
    }
    ClassWindow window(paths, configuredRosterPath(command.rosterFile()));
    if (const Failure failure = window.refresh()) {
        const QString path = window.failedPath();
        Terminal::print(stderr,
                        translated(kCannotReadLine).arg(path, *failure) + QLatin1Char('\n'));
        Dialogs::prepare();
        QMessageBox::warning(nullptr, translated(kTitle),
                             translated(kCannotRead).arg(QDir::toNativeSeparators(path), *failure));
        return EXIT_FAILURE;
    }
    window.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    // The language first, so that even a wrong option is answered in it: a
    // command line that names one in a wrong line is read again in it.
    const QStringList arguments = Terminal::arguments(argc, argv);
    CommandLine command = CommandLine::parse(arguments);
    Translation::use(Translation::choose(command.language(), configuredLanguage(),
                                         QLocale::system().uiLanguages()));
    if (command.failure() && Translation::current() != Translation::Language::SimplifiedChinese)
        command = CommandLine::parse(arguments);
    if (const Failure &failure = command.failure())
        return answer(stderr, *failure + QLatin1Char('\n'), 2, argc, argv);
    switch (command.action()) {
    case CommandLine::Action::Help:
        return answer(stdout, CommandLine::helpText(), EXIT_SUCCESS, argc, argv);
    case CommandLine::Action::Version:
        return answer(stdout, CommandLine::versionText(), EXIT_SUCCESS, argc, argv);
    case CommandLine::Action::Play:
    case CommandLine::Action::ClassView:
        break;
    }

    std::optional<DisplayConnection> connecting(std::in_place);
    QApplication app(argc, argv);
    connecting.reset();
    Translation::install();
    QApplication::setApplicationName(QStringLiteral("tavrino"));
    // No application display name: on X11 Qt would append it to every window
    // title, and the titles are shown exactly as designed.

    Fonts::installSubstitutions();
    LabelAccessibility::install();
    if (command.action() == CommandLine::Action::ClassView)
        return runClassView(command);

    // A second copy ends at once and silently, before any window shows,
    // and brings the running copy to the front; a teacher who gave it
    // options is told on the terminal that they are not used.
    SingleInstance instance;
    if (!instance.acquire()) {
        instance.callRunningCopy();
        if (!command.logFile().isEmpty() || !command.rosterFile().isEmpty())
            Terminal::print(stderr, CommandLine::alreadyRunningText() + QLatin1Char('\n'));
        return 0;
    }

    SystemClock clock;
    Program program(clock, configuredLogPath(command.logFile()), configuredOutboxFolder(),
                    configuredRosterPath(command.rosterFile()));
    instance.answerCalls([&program] { program.bringToFront(); });
    program.showStartWindow();
    const int status = QApplication::exec();
    if (!program.finish()) {
        // The class log's folder hangs a file operation that may never come
        // back: the program ends without waiting for it.
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
