# SPDX-FileCopyrightText: 2026 The Tavrino authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the Windows tests share, sourced by them: their own X server with
# Wine's desktop on it, a folder of their own ($work), fail, and the way to
# find a window and click in it. Set on_exit to a command that tidies up
# before Wine and the X server end.
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
for tool in wine Xvfb xdotool xclip winepath; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (tools/deps.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb="" game=""
on_exit=${on_exit:-true}
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null
    $on_exit
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wineserver -k 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# The display first: Wine's desktop process, started with the first program,
# keeps the display it found. Set screen for another size than 1280x1024x24.
Xvfb -displayfd 3 -screen 0 "${screen:-1280x1024x24}" -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
wineserver -k 2>/dev/null

window() { # title: waits for the visible window of that title
    for _ in $(seq 300); do
        local w
        w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    return 1
}
click() { # window x y
    xdotool mousemove --window "$1" "$2" "$3" click 1 2>/dev/null
    sleep 0.3
}
gone() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

# Quit on the start window; the first click on a window that has just
# become active again may only activate it under Wine, so the button is
# clicked until it acts. The game must then end.
quit_game() { # start window
    for _ in 1 2 3; do
        click "$1" 875 468
        for _ in $(seq 20); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
        kill -0 "$game" 2>/dev/null || break
    done
    kill -0 "$game" 2>/dev/null && fail "the program did not end with Quit"
    game=""
}

# Back on the level window (clicked until it acts, as Quit), then Quit.
back_and_quit() { # level window, start window
    for _ in 1 2 3; do click "$1" 74 644; sleep 1; gone 'Tavrino' && break; done
    quit_game "$2"
}
