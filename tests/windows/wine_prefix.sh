#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Tavrino authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Wine prefix the Windows tests run in ($WINEPREFIX), or brings the
# kept one up to date, and checks that Wine starts a program in it. The prefix
# is a cache: one of ours that Wine can no longer start programs in (a run
# killed half-way through a change to it) is made again. A prefix of someone
# else's is never removed.
set -u
mark="$WINEPREFIX/.tavrino-tests"
# Wine takes the language of Windows from LANG: the tests run a Simplified
# Chinese Windows, for which the C library needs the locale ($LOCPATH,
# made here when the system has not generated it).
if [ -n "${LOCPATH:-}" ] && [ ! -d "$LOCPATH/$LANG" ]; then
    mkdir -p "$LOCPATH"
    localedef -i "${LANG%%.*}" -f UTF-8 "$LOCPATH/$LANG" ||
        { echo "cannot make the locale $LANG in $LOCPATH" >&2; exit 1; }
fi
# A server left by an earlier run may still hold a display that has gone.
wineserver -k 2>/dev/null
boots() {
    wineboot --init && wine cmd /c echo ready 2>/dev/null | tr -d '\r' | grep -qx ready
}
if boots; then
    touch "$mark"
    exit 0
fi
echo "Wine could not start a program in $WINEPREFIX ($(wine --version))" >&2
ls -la "$WINEPREFIX" >&2
[ -f "$mark" ] || { echo "not made by these tests, so left as it is" >&2; exit 1; }
echo "making it again" >&2
wineserver -k 2>/dev/null
rm -rf "$WINEPREFIX"
boots && touch "$mark"
