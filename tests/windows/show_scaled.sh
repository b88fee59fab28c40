#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Tavrino authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows program under Wine on a laptop's screen, 1920 x 1080 at 150 %
# (144 DPI), where neither window fits at the design's size:
#
#   show_scaled.sh TAVRINO.EXE SCREENSHOT_DIR
#
# The start window and a level window are saved as the screen shows them,
# windows-150-form0.png and windows-150-form1.png, and each window's place is
# checked to lie on the screen. The Wine prefix's DPI is set back after.
set -uo pipefail
exe=$1
shots=$2
dpi_key='HKCU\Control Panel\Desktop'
dpi_back() { wine reg delete "$dpi_key" /v LogPixels /f >/dev/null 2>&1; }
on_exit=dpi_back
screen=1920x1080x24
. "$(dirname "$0")/wine_session.sh"
wine reg add "$dpi_key" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
mkdir -p "$shots"

on_screen() { # window name: saves the screen, and checks the window is whole on it
    sleep 1
    import -window root "$shots/windows-150-$2.png"
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$2: ${WIDTH}x$HEIGHT at $X,$Y"
    [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le 1920 ] && [ $((Y + HEIGHT)) -le 1080 ] ||
        fail "$2 runs off the 1920 x 1080 screen"
}

wine "$exe" >"$work/out" 2>&1 &
game=$!
start=$(window 'Tavrino  V2.0 2017-11-22 ') || { fail "no start window: $(cat "$work/out")"; exit 1; }
on_screen "$start" form0
# Places are the layout's, at the window's scale of the design.
eval "$(xdotool getwindowgeometry --shell "$start")"
at() { echo $(($1 * WIDTH / 1016)) $(($2 * WIDTH / 1016)); }
click "$start" $(at 824 256)
xdotool type --delay 40 "Wang"
click "$start" $(at 875 404)
form=$(window 'Tavrino') || { fail "level 1 did not open"; exit 1; }
on_screen "$form" form1
exit "$failures"
