#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Tavrino authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows Installer package under Wine, as a school's administrator
# deploys it:
#
#   check_msi.sh TAVRINO.MSI TAVRINO.EXE
#
# msiexec /i /qn with LOGPATH installs an older version and the class log's
# setting; the package replaces it in place with the program, its Start menu
# entries, its one entry in the list of programs, keeping the setting; the
# installed program logs a round there, and a group policy's path wins over
# that setting; msiexec /x /qn removes all it installed and leaves the logs.
# TAVRINO.EXE is the program tools/windows made the package of.
set -uo pipefail
msi=$1
exe=$2
[ "$msi" -nt "$exe" ] || { echo "FAIL: $msi is missing or older than $exe: run tools/windows" >&2; exit 1; }
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
policy='HKLM\SOFTWARE\Policies\Tavrino'
on_exit=remove
remove() {
    wine reg delete "$policy" /f >/dev/null 2>&1
    wine msiexec /x "$(winepath -w "$msi")" /qn >/dev/null 2>&1
    [ -f "${old:-}" ] && wine msiexec /x "$(winepath -w "$old")" /qn >/dev/null 2>&1
}
. "$(dirname "$0")/wine_session.sh"

drive=$(winepath -u 'C:\' | sed 's:/*$::')
installed="$drive/Program Files/Tavrino"
value() { # key name: the registry value as reg export writes it
    wine reg export "$1" "$work/export.reg" /y >/dev/null 2>&1 &&
        iconv -f UTF-16 -t UTF-8 "$work/export.reg" | tr -d '\r' | sed -n "s/^\"$2\"=\"\(.*\)\"$/\1/p"
}
# A round of level 1 left with Back after three numbers, which the log keeps.
play() { # name [keys]: typed into the name box, then the keys pressed
    wine "$installed/tavrino.exe" >"$work/out" 2>&1 &
    game=$!
    local start form
    start=$(window 'Tavrino  V2.0 2017-11-22 ') || { fail "no start window: $(cat "$work/out")"; return; }
    sleep 1
    click "$start" 824 256
    xdotool type --delay 40 "$1"
    [ $# -gt 1 ] && { sleep 0.5; xdotool key --delay 200 "${@:2}"; }
    click "$start" 116 346
    click "$start" 875 404
    form=$(window 'Tavrino') || { fail "level 1 did not open"; return; }
    sleep 1
    click "$form" 893 388
    for n in 1 2 3; do xdotool type --delay 20 "$n"; xdotool key Return; done
    back_and_quit "$form" "$start"
}
logged() { # file name: the file holds that pupil's round, left after 3 numbers
    tr -d '\r' <"$1" 2>/dev/null | grep -q "^[^,]*,[^,]*,$2,1,中途返回,3,3," || fail "$1 holds: $(cat "$1" 2>&1)"
}

mkdir -p "$work/四年级"
log="$work/四年级/机房.csv"
# Last year's version first, set to log there: this package as 1.9.0 under a
# product code of its own. This one replaces it in place, keeping the setting.
old="$work/tavrino-1.9.0-x64.msi"
cp "$msi" "$old"
uuid() { tr a-z A-Z </proc/sys/kernel/random/uuid; }
msibuild "$old" -q "UPDATE Property SET Value='1.9.0' WHERE Property='ProductVersion'" &&
    msibuild "$old" -q "UPDATE Property SET Value='{$(uuid)}' WHERE Property='ProductCode'" &&
    msibuild "$old" -s Tavrino "The Tavrino authors" "x64;2052" "{$(uuid)}" || fail "no older package"
wine msiexec /i "$(winepath -w "$old")" /qn LOGPATH="$(winepath -w "$log")" || fail "msiexec /i 1.9.0 ended with $?"
wine msiexec /i "$(winepath -w "$msi")" /qn /l* "$(winepath -w "$work/install.log")" ||
    fail "msiexec /i ended with $?: $(tr -d '\0\r' <"$work/install.log" 2>/dev/null | tail -20)"
[ -f "$installed/tavrino.exe" ] && [ -f "$installed/LICENSE.txt" ] || fail "in $installed: $(ls "$installed" 2>&1)"
# Wine puts a package's shortcuts for all users into the user's own menu.
menu=$(find "$drive/" -path '*/Start Menu/Programs/Tavrino' -type d | head -1)
[ -f "$menu/Tavrino.lnk" ] && [ -f "$menu/班级记录.lnk" ] || fail "Start menu: $(ls "$menu" 2>&1)"
[ "$(value 'HKLM\SOFTWARE\tavrino\tavrino' log)" = "$(winepath -w "$log" | sed 's/\\/\\\\/g')" ] ||
    fail "LOGPATH was not written to the computer's setting"
entry=$(wine reg query 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall' | tr -d '\r' |
    grep -i '\\{' | while read -r key; do [ "$(value "$key" DisplayName)" = Tavrino ] && echo "$key"; done)
[ -n "$entry" ] && [ "$(wc -l <<<"$entry")" -eq 1 ] && [ "$(value "$entry" DisplayVersion)" = 2.0.0 ] &&
    [ "$(value "$entry" Publisher)" = "The Tavrino authors" ] || fail "the list of programs holds: $entry"
ls "$drive"/windows/Installer/*/tavrino.ico >/dev/null 2>&1 || fail "no icon for the list of programs"

play Wang
logged "$log" Wang
# The policy's log, and its class list as an older spreadsheet saves one (GBK):
# the pupil types his number and picks his name from the offer.
wine reg add "$policy" /v log /t REG_EXPAND_SZ /d "$(winepath -w "$work")\\%USERNAME%.csv" /f >/dev/null
printf '学号,姓名\r\n12,李四\r\n13,李思思\r\n' | iconv -t GBK >"$work/名单.csv"
wine reg add "$policy" /v roster /t REG_SZ /d "$(winepath -w "$work/名单.csv")" /f >/dev/null
play 12 Down Return
logged "$work/$(wine cmd /c 'echo %USERNAME%' | tr -d '\r').csv" 李四
[ "$(grep -c ,李四, "$log")" -eq 0 ] || fail "the policy's path did not win over the computer's setting"
wine reg delete "$policy" /f >/dev/null

wine msiexec /x "$(winepath -w "$msi")" /qn || fail "msiexec /x ended with $?"
[ ! -e "$installed" ] && [ ! -e "$menu" ] || fail "left behind: $(ls "$installed" "$menu" 2>&1)"
wine reg query 'HKLM\SOFTWARE\tavrino' >/dev/null 2>&1 && fail "the registry keeps HKLM\\SOFTWARE\\tavrino"
wine reg query "$entry" >/dev/null 2>&1 && fail "the list of programs keeps Tavrino"
logged "$log" Wang
on_exit=true

[ "$failures" -eq 0 ] && echo "PASS: installed, logged as set and as the policy said, names from its class list, removed"
exit "$failures"
