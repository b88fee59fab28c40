#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Tavrino authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The command line answers with no display at all: --help and --version
# print and end with 0, a wrong option gives one line on stderr and 2, and
# without a display the program ends with a clear line and 1 - never an abort
# and a core dump. The options --help lists are the manual page's.
#   check_commandline.sh PROGRAM MANPAGE
set -u
program=$1
manpage=$2
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

# No display, no platform chosen, and a runtime folder of its own.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
run() { # args...; sets out, err, status (the system's language: $lang)
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$lang" \
        QT_QPA_PLATFORM= XDG_RUNTIME_DIR="$runtime" "$program" "$@" 2>"$runtime/err")
    status=$?
    err=$(cat "$runtime/err")
}

lang=C.UTF-8
run --version
[ "$status" -eq 0 ] || fail "--version ended with $status"
[ "$out" = "tavrino 2.0.0" ] || fail "--version printed '$out'"

for option in --help -h; do
    run "$option"
    [ "$status" -eq 0 ] || fail "$option ended with $status"
    grep -q "用法 Usage: tavrino" <<<"$out" || fail "$option printed no usage line"
    [ -z "$err" ] || fail "$option wrote to stderr: $err"
done
run --help
listed=$(grep -oE -- '--[a-z]+' <<<"$out" | sort -u)
documented=$(grep -oE -- '\\-\\-[a-z]+' "$manpage" | sed 's/\\//g' | sort -u)
[ "$listed" = "$documented" ] || fail "--help lists '$listed', the manual page '$documented'"

for wrong in --bogus -x "--help=3" stray; do
    run "$wrong"
    [ "$status" -eq 2 ] || fail "$wrong ended with $status"
    [ "$(wc -l <<<"$err")" -eq 1 ] || fail "$wrong wrote more than one line: $err"
    grep -qF -- "${wrong%%=*}" <<<"$err" || fail "$wrong: the error does not name it: $err"
    [ -z "$out" ] || fail "$wrong printed to stdout: $out"
done

# The language: the system's, where the program speaks it (Hong Kong reads
# Traditional Chinese), else the design's; --lang before both.
for row in "zh_HK.UTF-8::用法 Usage" "de_DE.UTF-8::用法 Usage" "en_GB.UTF-8::^Usage" \
    "de_DE.UTF-8:--lang en:^Usage" "en_US.UTF-8:--lang zh_TW:用法 Usage"; do
    IFS=: read -r lang option expected <<<"$row"
    # shellcheck disable=SC2086
    run $option --help
    grep -q -- "$expected" <<<"$out" || fail "$option --help with LANG=$lang: $(head -1 <<<"$out")"
    case $lang$option in
    zh_HK*|*zh_TW) grep -q "顯示" <<<"$out" || fail "$option --help with LANG=$lang is not Traditional" ;;
    de_DE.UTF-8) grep -q "显示" <<<"$out" || fail "--help with LANG=$lang is not Simplified" ;;
    *) ! grep -qP '[\x{4e00}-\x{9fff}]' <<<"$out" || fail "$option --help with LANG=$lang is not English" ;;
    esac
done
lang=en_US.UTF-8
run --lang fr
[ "$status" -eq 2 ] && grep -q -- "--lang" <<<"$err" || fail "--lang fr: $status $err"
lang=C.UTF-8

run
[ "$status" -eq 1 ] || fail "without a display the program ended with $status"
[ "$(wc -l <<<"$err")" -eq 1 ] || fail "without a display it wrote: $err"
grep -q "无法连接到图形显示" <<<"$err" || fail "without a display it said: $err"

[ "$failed" -eq 0 ] && echo "PASS: the command line without a display"
exit "$failed"
