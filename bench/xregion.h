// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

/* What the outside probes share: a monotonic clock in milliseconds, window
 * regions read from the command line, and copies of a region's pixels taken
 * with XGetImage to see when the program has drawn something new there. */
#ifndef TAVRINO_BENCH_XREGION_H
#define TAVRINO_BENCH_XREGION_H

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

typedef struct {
    int x, y, w, h;
    char *pixels; /* the region's pixels when last taken */
    size_t size;
} Area;

static inline double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static inline void sleep_us(long us)
{
    struct timespec ts = {us / 1000000, (us % 1000000) * 1000};
    nanosleep(&ts, NULL);
}

/* "X,Y,W,H" in window pixels. */
static inline int parse_region(const char *text, Area *r)
{
    memset(r, 0, sizeof *r);
    return sscanf(text, "%d,%d,%d,%d", &r->x, &r->y, &r->w, &r->h) == 4 && r->w > 0 && r->h > 0;
}

/* Takes the region's pixels now. Returns 0 if the image could not be read. */
static inline int take_pixels(Display *d, Window w, Area *r, char **out, size_t *size)
{
    XImage *img = XGetImage(d, w, r->x, r->y, (unsigned)r->w, (unsigned)r->h, AllPlanes, ZPixmap);
    if (!img)
        return 0;
    *size = (size_t)img->bytes_per_line * (size_t)img->height;
    *out = malloc(*size);
    if (*out)
        memcpy(*out, img->data, *size);
    XDestroyImage(img);
    return *out != NULL;
}

/* Keeps the region's current pixels as the picture to compare with. */
static inline int remember(Display *d, Window w, Area *r)
{
    free(r->pixels);
    r->pixels = NULL;
    return take_pixels(d, w, r, &r->pixels, &r->size);
}

/* Takes the region's pixels again: 1 if they differ from the remembered
 * picture (which they then replace), 0 if not, -1 if they could not be read. */
static inline int refresh(Display *d, Window w, Area *r)
{
    char *now = NULL;
    size_t size = 0;
    if (!take_pixels(d, w, r, &now, &size))
        return -1;
    if (size == r->size && memcmp(now, r->pixels, size) == 0) {
        free(now);
        return 0;
    }
    free(r->pixels);
    r->pixels = now;
    r->size = size;
    return 1;
}

#endif
