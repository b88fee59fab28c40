// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

/* Key latency seen from outside the program. Types the numbers FIRST..LAST
 * into a challenge window with XTest, as real key events from the X server,
 * and for every key reads the pixels of the regions it must change with
 * XGetImage, again and again, until they have changed:
 *
 *   - each digit must change the answer box (BOX);
 *   - then one Backspace, which must clear the mark (MARK) when it shows "√",
 *     and the digit typed again;
 *   - Enter must change the mark and the last-number label (LAST); after the
 *     level's TARGET the success picture covers the last-number label and the
 *     mark ends empty, so there only LAST is awaited.
 *
 *   keylat -w WINDOW -m MARK -l LAST -b BOX -f FIRST -t LAST_NUMBER -g TARGET
 *          [-p POLL_US] [-s SEED]
 *
 * Regions are X,Y,W,H in window pixels. The clock starts just before the key
 * press is sent and stops when the reply to the XGetImage that first shows
 * the change arrives, so a figure includes the X server delivering the key,
 * the program handling it and painting, and at most one poll interval. The
 * keys follow one another after a random pause of 5 to 25 ms once the last
 * one has shown, like quick typing, so that no key waits for the previous.
 *
 * Prints one line per key, "sample KIND MS" with KIND digit, backspace,
 * enter or backspace_box (the first number's Backspace, which has no mark to
 * clear and is timed by the answer box), "miss KIND NUMBER" for a key whose
 * change did not show within 3 s, and at the end "polls COUNT MS" (how many
 * polls, and the time from each one's start to the next, pauses included). */
#include "xregion.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <getopt.h>

static int x_failed = 0;

static int on_x_error(Display *d, XErrorEvent *e)
{
    (void)d;
    (void)e;
    x_failed = 1;
    return 0;
}

typedef struct {
    Display *d;
    Window w;
    long poll_us;
    long polls;
    double poll_time;
    unsigned seed;
} Probe;

static void press(Probe *p, KeySym sym)
{
    KeyCode code = XKeysymToKeycode(p->d, sym);
    XTestFakeKeyEvent(p->d, code, True, 0);
    XTestFakeKeyEvent(p->d, code, False, 0);
    XFlush(p->d);
}

/* Sends one key and waits until every region in WAIT has changed; returns the
 * milliseconds from the press, or -1 if not all changed within 3 s. */
static double timed_key(Probe *p, KeySym sym, Area **wait, int count)
{
    for (int i = 0; i < count; ++i)
        if (!remember(p->d, p->w, wait[i]))
            return -1;
    int done[4] = {0, 0, 0, 0};
    int left = count;
    const double t0 = now_ms();
    press(p, sym);
    double t = t0;
    while (left > 0 && t - t0 < 3000) {
        const double previous = t;
        sleep_us(p->poll_us);
        for (int i = 0; i < count; ++i) {
            if (done[i])
                continue;
            const int r = refresh(p->d, p->w, wait[i]);
            if (r < 0 || x_failed)
                return -1;
            if (r) {
                done[i] = 1;
                --left;
            }
        }
        t = now_ms();
        p->polls += 1;
        p->poll_time += t - previous;
    }
    return left == 0 ? t - t0 : -1;
}

static void pause_between_keys(Probe *p)
{
    sleep_us(5000 + (long)(rand_r(&p->seed) % 20001));
}

/* Misses in a row of the keys judged by the mark and the last number. */
static int in_a_row_missed = 0;

/* Prints one key's figure; returns 1 for a miss. */
static int report(const char *kind, double ms, int number)
{
    if (strcmp(kind, "digit") != 0)
        in_a_row_missed = ms < 0 ? in_a_row_missed + 1 : 0;
    if (ms < 0)
        printf("miss %s %d\n", kind, number);
    else
        printf("sample %s %.3f\n", kind, ms);
    return ms < 0;
}

int main(int argc, char **argv)
{
    Area mark, last, box;
    int have = 0, first = 1, final = 0, target = 0;
    Probe p = {0};
    p.poll_us = 100;
    p.seed = 1;
    int opt;
    while ((opt = getopt(argc, argv, "w:m:l:b:f:t:g:p:s:")) != -1) {
        switch (opt) {
        case 'w':
            p.w = (Window)strtoul(optarg, NULL, 0);
            break;
        case 'm':
            have |= parse_region(optarg, &mark) ? 1 : 0;
            break;
        case 'l':
            have |= parse_region(optarg, &last) ? 2 : 0;
            break;
        case 'b':
            have |= parse_region(optarg, &box) ? 4 : 0;
            break;
        case 'f':
            first = atoi(optarg);
            break;
        case 't':
            final = atoi(optarg);
            break;
        case 'g':
            target = atoi(optarg);
            break;
        case 'p':
            p.poll_us = atol(optarg);
            break;
        case 's':
            p.seed = (unsigned)strtoul(optarg, NULL, 0);
            break;
        default:
            have = -1;
        }
    }
    if (have != 7 || !p.w || first < 1 || final < first || target < 1) {
        fprintf(stderr, "usage: keylat -w WINDOW -m MARK -l LAST -b BOX -f FIRST -t LAST_NUMBER "
                        "-g TARGET [-p POLL_US] [-s SEED]\n");
        return 2;
    }
    p.d = XOpenDisplay(NULL);
    if (!p.d) {
        fprintf(stderr, "keylat: no display\n");
        return 2;
    }
    int ev, er, major, minor;
    if (!XTestQueryExtension(p.d, &ev, &er, &major, &minor)) {
        fprintf(stderr, "keylat: the X server has no XTEST extension\n");
        return 2;
    }
    XSetErrorHandler(on_x_error);
    Area *only_box[] = {&box};
    Area *only_mark[] = {&mark};
    Area *mark_and_last[] = {&mark, &last};
    Area *only_last[] = {&last};
    int misses = 0;
    for (int n = first; n <= final; ++n) {
        /* A window that draws nothing where it should would make every key
         * wait out its 3 s: five misses in a row of Enter or Backspace end the run. */
        if (in_a_row_missed >= 5) {
            fprintf(stderr,
                    "keylat: five keys in a row left the mark and the last number unchanged; "
                    "giving up\n");
            break;
        }
        char digits[16];
        snprintf(digits, sizeof digits, "%d", n);
        for (const char *c = digits; *c; ++c) {
            const double ms = timed_key(&p, XK_0 + (*c - '0'), only_box, 1);
            misses += report("digit", ms, n);
            pause_between_keys(&p);
        }
        /* The mark shows "√" after every accepted number, so from the second
         * number of a round on, Backspace has a mark to clear. */
        if (n > first) {
            const double ms = timed_key(&p, XK_BackSpace, only_mark, 1);
            misses += report("backspace", ms, n);
        } else {
            misses += report("backspace_box", timed_key(&p, XK_BackSpace, only_box, 1), n);
        }
        pause_between_keys(&p);
        const char lastDigit = digits[strlen(digits) - 1];
        const double again = timed_key(&p, XK_0 + (lastDigit - '0'), only_box, 1);
        misses += report("digit", again, n);
        pause_between_keys(&p);
        const double ms = n == target ? timed_key(&p, XK_Return, only_last, 1)
                                      : timed_key(&p, XK_Return, mark_and_last, 2);
        misses += report("enter", ms, n);
        pause_between_keys(&p);
        if (x_failed) {
            fprintf(stderr, "keylat: the window could not be read\n");
            return 1;
        }
    }
    printf("polls %ld %.3f\n", p.polls, p.poll_time);
    return misses ? 1 : 0;
}
