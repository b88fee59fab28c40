#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Tavrino authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Every file the project wrote carries its licence: `reuse lint` where the
# reuse tool is installed, else an SPDX identifier in each tracked file or
# an entry for it in .reuse/dep5.
#   check_licences.sh SOURCE_DIR
set -uo pipefail
cd "$1" || exit 1
if command -v reuse >/dev/null 2>&1; then
    reuse lint
    exit
fi
echo "reuse is not installed: checking the SPDX identifiers alone"
read -ra patterns <<<"$(sed -n 's/^Files: //p' .reuse/dep5 | tr '\n' ' ')"
missing=0
while IFS= read -r f; do
    case $f in LICENSES/* | .reuse/*) continue ;; esac
    grep -q 'SPDX-License-Identifier:' "$f" && continue
    for p in "${patterns[@]}"; do
        # shellcheck disable=SC2053
        [[ $f == $p ]] && continue 2
    done
    echo "no licence: $f"
    missing=1
done < <(git ls-files)
exit $missing
