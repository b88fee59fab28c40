// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QFileDevice;

// Asks the system to put what was written to an open file onto the disk
// (or the file server) before it returns: fsync on Unix, FlushFileBuffers on
// Windows. False when it could not.
bool syncToDisk(QFileDevice &file);
