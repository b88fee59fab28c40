// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include <cstdio>

// The terminal the program was started from, if any.
namespace Terminal {

// The arguments as the user typed them; on Windows from the wide command
// line, so that a Chinese path survives whatever the system's code page.
QStringList arguments(int argc, char *argv[]);

// Writes text to standard output or standard error, in UTF-8 or, on a
// Windows console, as wide characters. A Windows program has no console of
// its own: it writes where its output was sent, or to the console of the
// command prompt that started it. False when there is nowhere to write.
bool print(std::FILE *stream, const QString &text);

} // namespace Terminal
