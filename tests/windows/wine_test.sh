#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Tavrino authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a test program of the Windows build under Wine:
#   wine_test.sh TEST.exe [ARGS...]
# Its Qt Test report goes to a file that is then shown: Wine passes a
# console program's output to a terminal but not into a pipe, where CTest
# reads it.
set -u
exe=$1
shift
report=$(mktemp)
trap 'rm -f "$report"' EXIT
wine "$exe" "$@" -o "$report,txt"
status=$?
cat "$report"
exit "$status"
