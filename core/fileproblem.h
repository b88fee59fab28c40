// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFileDevice>
#include <QString>

// Why a file could not be written, in words a pupil or a teacher reads,
// whatever language the system speaks: a missing folder, a folder given as
// the file, no permission, a read-only disk, a full disk. Looked up after a
// failure, from the path and the error the write reported.
QString writeProblem(const QString &path, QFileDevice::FileError error = QFileDevice::WriteError);

// Why a file could not be read: it is missing, a folder, not to be read.
QString readProblem(const QString &path);

// Whether another program has the file open and lets nobody else write to
// it, as a spreadsheet on Windows holds the file it shows: the file is busy,
// not broken. Always false where the system has no such sharing rules.
bool heldByAnotherProgram(const QString &path);
