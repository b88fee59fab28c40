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
run() { # args...; sets out, err, status
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= XDG_RUNTIME_DIR="$runtime" \
        "$program" "$@" 2>"$runtime/err")
    status=$?
    err=$(cat "$runtime/err")
}

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

run
[ "$status" -eq 1 ] || fail "without a display the program ended with $status"
[ "$(wc -l <<<"$err")" -eq 1 ] || fail "without a display it wrote: $err"
grep -q "无法连接到图形显示" <<<"$err" || fail "without a display it said: $err"

[ "$failed" -eq 0 ] && echo "PASS: the command line without a display"
exit "$failed"
