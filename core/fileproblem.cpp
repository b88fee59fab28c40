// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fileproblem.h"
#include "core/text.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

constexpr Text kNoFolder = TAVRINO_TEXT("FileProblem", "文件所在的文件夹不存在");
constexpr Text kIsFolder = TAVRINO_TEXT("FileProblem", "这是一个文件夹，不是文件");
constexpr Text kReadOnly = TAVRINO_TEXT("FileProblem", "磁盘是只读的，不能写入");
constexpr Text kNoPermission = TAVRINO_TEXT("FileProblem", "没有在这里写入文件的权限");
constexpr Text kDiskFull = TAVRINO_TEXT("FileProblem", "磁盘已满");
constexpr Text kOther = TAVRINO_TEXT("FileProblem", "无法写入这个文件");
constexpr Text kMissing = TAVRINO_TEXT("FileProblem", "文件不存在");
constexpr Text kNotReadable = TAVRINO_TEXT("FileProblem", "没有读取这个文件的权限");
constexpr Text kUnreadable = TAVRINO_TEXT("FileProblem", "无法读取这个文件");

// Less than this left on a disk counts as full (a file system that holds
// no data at all, such as /proc, says it has 0 of 0 bytes).
constexpr qint64 kNearlyFull = 64 * 1024;

} // namespace

QString writeProblem(const QString &path, QFileDevice::FileError error)
{
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (info.isDir())
        return translated(kIsFolder);
    if (!folder.isDir())
        return translated(kNoFolder);
    const QStorageInfo disk(folder.absoluteFilePath());
    if (disk.isValid() && disk.isReadOnly())
        return translated(kReadOnly);
    if (error == QFileDevice::ResourceError ||
        (disk.isValid() && disk.bytesTotal() > 0 && disk.bytesAvailable() < kNearlyFull))
        return translated(kDiskFull);
    if ((info.exists() && !info.isWritable()) || (!info.exists() && !folder.isWritable()))
        return translated(kNoPermission);
    return translated(kOther);
}

QString readProblem(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return translated(kIsFolder);
    if (!info.exists())
        return translated(info.absoluteDir().exists() ? kMissing : kNoFolder);
    if (!info.isReadable())
        return translated(kNotReadable);
    return translated(kUnreadable);
}

bool heldByAnotherProgram(const QString &path)
{
#ifdef Q_OS_WIN
    // Asked the way the writer opens it, sharing everything it can: only
    // another program's handle that shares no writing refuses it.
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    const HANDLE file = CreateFileW(name.c_str(), FILE_APPEND_DATA,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    const DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
#else
    Q_UNUSED(path)
    return false;
#endif
}
