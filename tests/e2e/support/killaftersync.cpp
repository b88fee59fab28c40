// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Preloaded into the game by an end-to-end test (LD_PRELOAD): once the file
// named by TAVRINO_KILL_AFTER_SYNC_OF has been synced to the disk, the
// process is killed outright, as a crash or a power cut would end it right
// after that sync and before anything the program does next.
#include <dlfcn.h>
#include <signal.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int fsync(int fd)
{
    static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    const int status = real(fd);
    const char *victim = std::getenv("TAVRINO_KILL_AFTER_SYNC_OF");
    char link[64];
    char path[PATH_MAX];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, path, sizeof path - 1);
    if (status == 0 && victim && length > 0) {
        path[length] = '\0';
        if (std::strcmp(path, victim) == 0)
            kill(getpid(), SIGKILL);
    }
    return status;
}
