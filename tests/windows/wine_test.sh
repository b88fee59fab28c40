#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Tavrino authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a test program of the Windows build under Wine:
#   wine_test.sh TEST.exe [ARGS...]
# Its Qt Test report goes to a file that is then shown: Wine passes a
# console program's output to a terminal but not into a pipe, where CTest
# reads it. Wine's own output goes to a file too: the Windows services a
# first program starts inherit it and outlive the test, and CTest would wait
# for them to close its pipe.
set -u
exe=$1
shift
report=$(mktemp)
output=$(mktemp)
trap 'rm -f "$report" "$output"' EXIT
wine "$exe" "$@" -o "$report,txt" </dev/null >"$output" 2>&1
status=$?
cat "$output" "$report"
exit "$status"
