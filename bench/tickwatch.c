// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

/* Watches a region of a window, typically a clock label, by reading its
 * pixels with XGetImage every POLL_US microseconds for SECONDS seconds, and
 * reports each time the picture changes: every change is a timer tick that
 * wrote a new value there. Ticks that write the value already shown leave no
 * trace, so the changes count the ticks from below, and the largest gap
 * between two changes bounds the largest gap between two ticks from above
 * (plus one poll interval).
 *
 *   tickwatch -w WINDOW -r X,Y,W,H [-d SECONDS] [-p POLL_US]
 *
 * Prints "changes=… seconds=… per_second=… max_gap_ms=… over_20ms=…
 * polls=… mean_poll_ms=… max_poll_ms=…" and a histogram of the gaps. */
#include "xregion.h"

#include <getopt.h>

int main(int argc, char **argv)
{
    Window w = 0;
    Area r;
    int have = 0;
    double seconds = 10;
    long poll_us = 200;
    int opt;
    while ((opt = getopt(argc, argv, "w:r:d:p:")) != -1) {
        switch (opt) {
        case 'w':
            w = (Window)strtoul(optarg, NULL, 0);
            break;
        case 'r':
            have = parse_region(optarg, &r);
            break;
        case 'd':
            seconds = atof(optarg);
            break;
        case 'p':
            poll_us = atol(optarg);
            break;
        default:
            have = 0;
        }
    }
    if (!have || !w || seconds <= 0) {
        fprintf(stderr, "usage: tickwatch -w WINDOW -r X,Y,W,H [-d SECONDS] [-p POLL_US]\n");
        return 2;
    }
    Display *d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "tickwatch: no display\n");
        return 2;
    }
    if (!remember(d, w, &r)) {
        fprintf(stderr, "tickwatch: the region could not be read\n");
        return 1;
    }
    /* Gap histogram in 1 ms bins; the last bin holds everything longer. */
    enum { Bins = 41 };
    long bins[Bins] = {0};
    long changes = 0, polls = 0, over20 = 0;
    double max_gap = 0, max_poll = 0, first = -1, previous = -1;
    const double t0 = now_ms();
    double last_poll = t0;
    double t = t0;
    while (t - t0 < seconds * 1000) {
        sleep_us(poll_us);
        const int c = refresh(d, w, &r);
        t = now_ms();
        if (c < 0) {
            fprintf(stderr, "tickwatch: the region could not be read\n");
            return 1;
        }
        ++polls;
        if (t - last_poll > max_poll)
            max_poll = t - last_poll;
        last_poll = t;
        if (!c)
            continue;
        ++changes;
        if (previous >= 0) {
            const double gap = t - previous;
            if (gap > max_gap)
                max_gap = gap;
            if (gap > 20)
                ++over20;
            const int bin = gap >= Bins - 1 ? Bins - 1 : (int)gap;
            ++bins[bin];
        } else {
            first = t;
        }
        previous = t;
    }
    const double span = changes > 1 ? (previous - first) / 1000 : 0;
    printf("changes=%ld seconds=%.3f per_second=%.1f max_gap_ms=%.2f over_20ms=%ld polls=%ld "
           "mean_poll_ms=%.3f max_poll_ms=%.3f\n",
           changes, (t - t0) / 1000, span > 0 ? (changes - 1) / span : 0.0, max_gap, over20, polls,
           polls ? (t - t0) / polls : 0.0, max_poll);
    printf("gaps_ms");
    for (int i = 0; i < Bins; ++i)
        if (bins[i])
            printf(" %s%d:%ld", i == Bins - 1 ? ">=" : "", i, bins[i]);
    printf("\n");
    return 0;
}
