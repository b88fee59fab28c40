#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Tavrino authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows program, played under Wine in its own X server with real keys
# and clicks, as a pupil plays it:
#
#   check_windows.sh TAVRINO.EXE [SCREENSHOT_DIR [HOLD_FILE.EXE]]
#
# --version answers on the terminal; started with --log, the program takes a
# name, opens level 1, a round of 1 to 50 is won, the round's report is
# copied to the clipboard (Ctrl+C) and read from it, saved as a picture,
# Back, Quit; the registry keeps nothing of the save. All the while a
# spreadsheet holds the class log open as Excel does (HOLD_FILE.EXE, by
# default beside the tests): the round waits on this computer, and the
# message at the end says where. Once the file is free, the next start puts
# the round's line into the log, once, with the result the report showed,
# and nothing waits any more. Wine gives
# no accessibility bus to read the windows by, so places are the layout's
# (client pixels, twips / 15) and the screen is read through the clipboard
# and the log. With SCREENSHOT_DIR, the start window and the won round are
# saved there as windows-form0.png and windows-form1-success.png.
set -uo pipefail
exe=$1
shots=${2:-}
hold=${3:-$(dirname "$exe")/hold_file.exe}
. "$(dirname "$0")/wine_session.sh"
[ -f "$hold" ] || { fail "no $hold (tools/windows --tests builds it)"; exit 1; }

version=$(wine "$exe" --version 2>/dev/null | tr -d '\r')
[ "$version" = "tavrino 2.0.0" ] || fail "--version printed '$version'"

# A log in a folder with a Chinese name, given as Windows writes paths,
# open in a spreadsheet that lets nobody write to it.
mkdir -p "$work/四年级"
log="$work/四年级/班级记录.csv"
wine "$hold" "$(winepath -w "$log")" "$(winepath -w "$work/held")" "$(winepath -w "$work/release")" \
    >/dev/null 2>&1 &
holder=$!
for _ in $(seq 300); do [ -f "$work/held" ] && break; sleep 0.1; done
[ -f "$work/held" ] || fail "the spreadsheet did not open the log"
wine "$exe" --log "$(winepath -w "$log")" >"$work/out" 2>&1 &
game=$!

shot() { # window name
    [ -n "$shots" ] && mkdir -p "$shots" && import -window "$1" "$shots/$2.png"
}

start=$(window 'Tavrino  V2.0 2017-11-22 ') || { fail "no start window: $(cat "$work/out")"; exit 1; }
sleep 1
click "$start" 824 256
xdotool type --delay 40 "Wang"
shot "$start" windows-form0
click "$start" 116 346
click "$start" 875 404
form=$(window 'Tavrino') || { fail "level 1 did not open"; exit 1; }
sleep 1
click "$form" 893 388
for n in $(seq 1 50); do
    xdotool type --delay 20 "$n"
    xdotool key Return
done
sleep 1
shot "$form" windows-form1-success

# The round's report, copied whole with Ctrl+C.
click "$form" 898 432
report=$(window '本轮分析') || { fail "the report did not open"; exit 1; }
sleep 1
xdotool key --window "$report" ctrl+c
sleep 1
copied=$(xclip -o -selection clipboard 2>/dev/null)
shown=$(sed -n 's/.*成绩 \([0-9]*\.[0-9][0-9]\) 秒.*/\1/p' <<<"$copied" | head -1)
[ -n "$shown" ] || fail "the report's copy holds no result: $copied"
grep -q "^正确数字：50" <<<"$copied" || fail "the report's copy: $copied"
# Saved as a picture: Qt's file dialog remembers the folder in the registry,
# which the game puts back as it was.
xdotool key --window "$report" ctrl+s
sleep 2
xdotool key ctrl+a
xdotool type --delay 20 "$(winepath -w "$work/report.png")"
xdotool key Return
for _ in $(seq 50); do [ -s "$work/report.png" ] && break; sleep 0.1; done
[ -s "$work/report.png" ] || fail "the report was not saved"
xdotool key --window "$report" Escape
for _ in $(seq 50); do gone '本轮分析' && break; sleep 0.1; done
# Back, Quit: the round could not go into the log, and a message says where
# it waits.
# The note in the corner has the message's title: the message is the window
# that was not there before Quit.
for _ in 1 2 3; do click "$form" 74 644; sleep 1; gone 'Tavrino' && break; done
notes=$(xdotool search --onlyvisible --name '^班级记录$' 2>/dev/null)
click "$start" 875 468
message=""
for _ in $(seq 150); do
    message=$(xdotool search --onlyvisible --name '^班级记录$' 2>/dev/null | grep -vxF -e "${notes:-none}" | head -1)
    [ -n "$message" ] && break
    sleep 0.1
done
[ -n "$message" ] || fail "no message at the end: $(cat "$work/out")"
sleep 0.5
[ -n "$message" ] && xdotool key --window "$message" Return
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the program did not end after its message"
game=""
said=$(tr -d '\r' <"$work/out")
outbox=$(sed -n 's/.*（另一个程序正在使用这个文件），已存在这台电脑上的 \(.*\)，下次启动游戏时写入.*/\1/p' <<<"$said")
[ -n "$outbox" ] || fail "the end did not say where the round waits: $said"
# The outbox of this log: the file whose first line names it (the kept Wine
# prefix may hold others).
waiting() {
    local file
    for file in "$(winepath -u "$outbox" 2>/dev/null)"/outbox-*.csv; do
        [ -f "$file" ] && head -1 "$file" | grep -qF "${work##*/}/四年级/班级记录.csv" &&
            tr -d '\r' <"$file" | sed 1d | grep -c .
    done | awk '{ n += $1 } END { print n + 0 }'
}
[ "$(waiting)" -eq 1 ] || fail "nothing waits in $outbox"
[ -s "$log" ] && fail "the held log was written: $(cat "$log")"

wine reg query 'HKCU\Software\QtProject' >/dev/null 2>&1 && fail "the file dialog's memory stays in the registry"

# The spreadsheet lets go; the next start writes the round first.
touch "$work/release"
wait "$holder"
wine "$exe" --log "$(winepath -w "$log")" >"$work/out" 2>&1 &
game=$!
start=$(window 'Tavrino  V2.0 2017-11-22 ') || { fail "no start window the second time"; exit 1; }
for _ in $(seq 200); do [ "$(tr -d '\r' <"$log" | grep -c .)" -ge 2 ] && break; sleep 0.1; done
sleep 1
quit_game "$start"
[ "$(waiting)" -eq 0 ] || fail "the round still waits in $outbox"

[ -f "$log" ] || { fail "no class log at $log"; exit 1; }
head -c 3 "$log" | cmp -s - <(printf '\xEF\xBB\xBF') || fail "the log has no byte-order mark"
lines=$(tr -d '\r' <"$log" | sed '1s/^\xEF\xBB\xBF//')
[ "$(wc -l <<<"$lines")" -eq 2 ] || fail "the log holds: $lines"
IFS=, read -r _ host name level ending result numbers duration _ <<<"$(sed -n 2p <<<"$lines")"
[ -n "$host" ] || fail "no computer's name in the log"
[ "$name" = "Wang" ] && [ "$level" = 1 ] && [ "$ending" = "挑战成功" ] && [ "$numbers" = 50 ] ||
    fail "the log's line: $(sed -n 2p <<<"$lines")"
[ "$result" = "$shown" ] || fail "the log says $result, the report showed $shown"
[ "$duration" = "$result" ] || fail "duration $duration against result $result"

[ "$failures" -eq 0 ] && echo "PASS: level 1 won under $(wine --version), logged as the report showed ($result s)"
exit "$failures"
