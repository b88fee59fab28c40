// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A spreadsheet that has the class log open, as Excel holds a CSV file on
// Windows: open for reading, shared for reading only, so that no other
// program may write to it. Made when missing, held until the file RELEASE
// appears (or for ten minutes); the file HELD appears once it is held.
//   hold_file.exe FILE HELD RELEASE
#include <windows.h>

int wmain(int argc, wchar_t *argv[])
{
    if (argc != 4)
        return 2;
    const HANDLE file = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    const HANDLE held = CreateFileW(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE)
        return 1;
    CloseHandle(held);
    for (int tenths = 0; tenths < 6000; ++tenths) {
        if (GetFileAttributesW(argv[3]) != INVALID_FILE_ATTRIBUTES)
            break;
        Sleep(100);
    }
    CloseHandle(file);
    return 0;
}
