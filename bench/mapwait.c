// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

/* Starts a program and reports, in milliseconds from the exec, when its first
 * top-level window whose title starts with a given prefix is mapped and when
 * that window first shows more than one colour (painted). Uses Xlib and, where
 * the X server has it, the DAMAGE extension: the window's pixels are read
 * only when the server reports that the program drew into it, and the paint
 * is timed at that report. Without DAMAGE the pixels are read again and
 * again, and each read of a whole window (a few ms) limits the resolution.
 *
 *   mapwait [-s MS] [-k] TITLE_PREFIX PROGRAM [ARGS...]
 *
 * Prints "mapped_ms=… painted_ms=… pid=…" and leaves the program running.
 *   -s MS  waits MS milliseconds after the first paint and then also prints
 *          the program's peak resident memory, "vmhwm_kb=…" (VmHWM).
 *   -k     ends the program (SIGTERM, then SIGKILL) after reporting and waits
 *          for it, so that the next start finds no copy running. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <getopt.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

/* The title as _NET_WM_NAME gives it in UTF-8 (a Chinese title is not in
 * WM_NAME's Latin-1), else WM_NAME. */
static int title_matches(Display *d, Window w, const char *prefix)
{
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char *utf8 = NULL;
    int ok = 0;
    if (XGetWindowProperty(d, w, XInternAtom(d, "_NET_WM_NAME", False), 0, 1024, False,
                           XInternAtom(d, "UTF8_STRING", False), &type, &format, &count, &after,
                           &utf8) == Success && utf8) {
        ok = count > 0 && strncmp((const char *)utf8, prefix, strlen(prefix)) == 0;
        XFree(utf8);
        if (count > 0)
            return ok;
    }
    char *name = NULL;
    if (XFetchName(d, w, &name) && name) {
        ok = strncmp(name, prefix, strlen(prefix)) == 0;
        XFree(name);
    }
    return ok;
}

static int painted(Display *d, Window w)
{
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, w, &a) || a.map_state != IsViewable)
        return 0;
    XImage *img = XGetImage(d, w, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
    if (!img)
        return 0;
    unsigned long first = XGetPixel(img, 0, 0);
    int varied = 0;
    for (int y = 0; y < a.height && !varied; y += 3)
        for (int x = 0; x < a.width; x += 3)
            if (XGetPixel(img, x, y) != first) {
                varied = 1;
                break;
            }
    XDestroyImage(img);
    return varied;
}

/* Peak resident set size in kB from /proc/PID/status, or -1. */
static long peak_rss_kb(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE *f = fopen(path, "r");
    if (!f)
        return -1;
    char line[256];
    long kb = -1;
    while (fgets(line, sizeof line, f)) {
        if (strncmp(line, "VmHWM:", 6) == 0) {
            kb = strtol(line + 6, NULL, 10);
            break;
        }
    }
    fclose(f);
    return kb;
}

static void sleep_ms(double ms)
{
    struct timespec ts = {(time_t)(ms / 1000), (long)((ms - (time_t)(ms / 1000) * 1000) * 1e6)};
    nanosleep(&ts, NULL);
}

/* Ends the program: SIGTERM, and SIGKILL if it is still there after 3 s. */
static void end_program(pid_t pid)
{
    int status;
    kill(pid, SIGTERM);
    for (int i = 0; i < 300; ++i) {
        if (waitpid(pid, &status, WNOHANG) == pid)
            return;
        sleep_ms(10);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
}

int main(int argc, char **argv)
{
    double settle_ms = -1;
    int end_after = 0;
    int opt;
    while ((opt = getopt(argc, argv, "+s:k")) != -1) {
        switch (opt) {
        case 's':
            settle_ms = atof(optarg);
            break;
        case 'k':
            end_after = 1;
            break;
        default:
            fprintf(stderr, "usage: mapwait [-s MS] [-k] TITLE_PREFIX PROGRAM [ARGS...]\n");
            return 2;
        }
    }
    argc -= optind - 1;
    argv += optind - 1;
    if (argc < 3) {
        fprintf(stderr, "usage: mapwait [-s MS] [-k] TITLE_PREFIX PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "mapwait: no display\n");
        return 2;
    }
    Window root = DefaultRootWindow(d);
    XSelectInput(d, root, SubstructureNotifyMask);
    XSync(d, False);
    double t0 = now_ms();
    pid_t pid = fork();
    if (pid == 0) {
        /* The program must not hold our output open after we report. */
        if (!freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "w", stderr))
            _exit(127);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    int damage_event = 0, damage_error = 0;
    const int have_damage = XDamageQueryExtension(d, &damage_event, &damage_error);
    Damage damage = 0;
    Window target = 0;
    double mapped = -1, shown = -1;
    while (shown < 0 && now_ms() - t0 < 20000) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            const double t = now_ms() - t0;
            if (e.type == MapNotify && !target) {
                Window w = e.xmap.window;
                /* Without a window manager the program's own window is the
                 * child of the root; its title may be set just before mapping. */
                if (title_matches(d, w, argv[1])) {
                    target = w;
                    mapped = t;
                    if (have_damage) {
                        damage = XDamageCreate(d, target, XDamageReportNonEmpty);
                        /* It may have drawn before we asked. */
                        if (painted(d, target))
                            shown = now_ms() - t0;
                    }
                }
            } else if (damage && e.type == damage_event + XDamageNotify) {
                XDamageSubtract(d, damage, None, None);
                if (painted(d, target)) {
                    shown = t;
                    break;
                }
            }
        }
        if (shown >= 0)
            break;
        if (target && !damage && painted(d, target)) {
            shown = now_ms() - t0;
            break;
        }
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            fprintf(stderr, "mapwait: program ended early\n");
            return 1;
        }
        usleep(target && !damage ? 200 : 100);
    }
    printf("mapped_ms=%.1f painted_ms=%.1f pid=%d", mapped, shown, (int)pid);
    if (settle_ms >= 0 && shown >= 0) {
        sleep_ms(settle_ms);
        printf(" vmhwm_kb=%ld", peak_rss_kb(pid));
    }
    printf("\n");
    fflush(stdout);
    if (end_after)
        end_program(pid);
    return shown < 0 ? 1 : 0;
}
