// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/terminal.h"

#ifdef Q_OS_WIN
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>
#endif

namespace Terminal {

#ifdef Q_OS_WIN

QStringList arguments(int, char *[])
{
    QStringList list;
    int count = 0;
    if (LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            list << QString::fromWCharArray(wide[i]);
        LocalFree(wide);
    }
    return list;
}

namespace {

// The handle output goes to: a file or pipe it was sent to (or, under Wine,
// the terminal), else the console of the parent command prompt.
HANDLE outputHandle(std::FILE *stream)
{
    const DWORD which = stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    HANDLE handle = GetStdHandle(which);
    if (handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN)
        return handle;
    static const bool attached = AttachConsole(ATTACH_PARENT_PROCESS);
    if (!attached)
        return INVALID_HANDLE_VALUE;
    static const HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    return console;
}

} // namespace

bool print(std::FILE *stream, const QString &text)
{
    const HANDLE handle = outputHandle(stream);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(handle, &mode)) {
        // After the prompt that cmd.exe has already shown again.
        const QString shown =
            QLatin1Char('\n') + QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        return WriteConsoleW(handle, shown.utf16(), DWORD(shown.size()), &written, nullptr);
    }
    const QByteArray bytes = text.toUtf8();
    return WriteFile(handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr) &&
           written == DWORD(bytes.size());
}

#else

QStringList arguments(int argc, char *argv[])
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

bool print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream) ==
               std::size_t(bytes.size()) &&
           std::fflush(stream) == 0;
}

#endif

} // namespace Terminal
