#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Tavrino authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package of the build tree BUILD_DIR with CPack into a
# temporary folder and checks it:
#   check_deb.sh CPACK BUILD_DIR APP_ID
# Ends with 77 (skipped) where there is no dpkg-deb, i.e. not on Debian.
set -uo pipefail
cpack=$1 build=$2 app=$3

if ! command -v dpkg-deb >/dev/null 2>&1; then
    echo "SKIP: dpkg-deb is not available here"
    exit 77
fi
if ! command -v lintian >/dev/null 2>&1; then
    echo "FAIL: lintian is missing (tools/deps.sh installs it with the test packages)"
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! (cd "$build" && "$cpack" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1); then
    cat "$work/cpack.log"
    echo "FAIL: cpack could not build the package"
    exit 1
fi
shopt -s nullglob
debs=("$work"/out/tavrino_*.deb)
if [ ${#debs[@]} -ne 1 ]; then
    echo "FAIL: expected one tavrino_*.deb, found ${#debs[@]}"
    exit 1
fi
deb=${debs[0]}
echo "package: $(basename "$deb")"

# --- contents ---------------------------------------------------------------
dpkg-deb -c "$deb" >"$work/contents" || fail "dpkg-deb -c cannot read the package"
has() { # mode-prefix path
    grep -Eq "^$1 +root/root +[0-9]+ .* \./$2\$" "$work/contents" || fail "the package lacks $2 (with mode $1)"
}
has '-rwxr-xr-x' usr/bin/tavrino
grep -Eq '^-rw-r--r-- +root/root +[0-9]+ .* \./usr/lib/(.*/)?tavrino/tavrino-print\.so$' "$work/contents" ||
    fail "the package lacks the printing module"
has '-rw-r--r--' "usr/share/applications/$app.desktop"
has '-rw-r--r--' "usr/share/metainfo/$app.metainfo.xml"
has '-rw-r--r--' usr/share/doc/tavrino/copyright
has '-rw-r--r--' "usr/share/icons/hicolor/scalable/apps/$app.svg"
has '-rw-r--r--' usr/share/tavrino/fonts/TavrinoHeiti-Regular.otf
sizes="16 22 24 32 48 64 128 256"
for s in $sizes; do
    has '-rw-r--r--' "usr/share/icons/hicolor/${s}x$s/apps/$app.png"
done

dpkg-deb -x "$deb" "$work/root" || fail "dpkg-deb -x cannot unpack the package"
root=$work/root
[ "$(head -c 4 "$root/usr/bin/tavrino" | od -An -c | tr -d ' ')" = '177ELF' ] ||
    fail "usr/bin/tavrino is not an ELF program"
# Each PNG must really be as large as its folder says (width and height
# stand at bytes 16-23 of the IHDR chunk).
for s in $sizes; do
    png=$root/usr/share/icons/hicolor/${s}x$s/apps/$app.png
    [ -f "$png" ] || continue
    read -r w h <<<"$(od -An -tu1 -j16 -N8 "$png" |
        awk '{ printf "%d %d\n", (($1*256+$2)*256+$3)*256+$4, (($5*256+$6)*256+$7)*256+$8 }')"
    [ "$w" = "$s" ] && [ "$h" = "$s" ] || fail "the ${s}x$s icon is ${w}x$h"
done

desktop=$root/usr/share/applications/$app.desktop
if [ -f "$desktop" ]; then
    for line in 'Type=Application' 'Exec=tavrino' "Icon=$app" 'Name=Tavrino' \
        'Name[zh_CN]=Tavrino 数字专注力训练' 'GenericName=Number typing trainer'; do
        grep -qxF "$line" "$desktop" || fail "the desktop entry lacks the line '$line'"
    done
    grep -Eq '^Categories=(.*;)?Education;' "$desktop" || fail "the desktop entry is not in Education"
    grep -q '^Keywords\[zh_CN\]=' "$desktop" || fail "the desktop entry has no Chinese keywords"
    # Hints are advice; errors and warnings are not allowed.
    desktop-file-validate "$desktop" >"$work/desktop" 2>&1 || fail "desktop-file-validate fails"
    grep -vE '^\S+: hint: ' "$work/desktop" | grep . && fail "desktop-file-validate complains"
fi
metainfo=$root/usr/share/metainfo/$app.metainfo.xml
if [ -f "$metainfo" ]; then
    grep -q "<id>$app</id>" "$metainfo" || fail "the metainfo has another id"
    grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $app.desktop"
    grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" ||
        fail "the metainfo names no project licence"
    # Pedantic, with one hint kept: the id's capital letter, which the
    # desktop entry's and the icons' file names share.
    appstreamcli validate --pedantic --no-net "$metainfo" >"$work/appstream" 2>&1 ||
        { cat "$work/appstream"; fail "appstreamcli finds the metainfo invalid"; }
    grep -E '^[EWIP]: ' "$work/appstream" | grep -v ': cid-contains-uppercase-letter ' &&
        fail "appstreamcli --pedantic has more to say"
fi

# --- licence ------------------------------------------------------------------
copyright=$root/usr/share/doc/tavrino/copyright
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$copyright" ||
    fail "the copyright file is not machine-readable"
grep -qx 'License: GPL-3+' "$copyright" || fail "the copyright file does not give the GPL"
grep -qF '/usr/share/common-licenses/GPL-3' "$copyright" ||
    fail "the copyright file does not point to the GPL's text"
grep -qx 'License: OFL-1.1' "$copyright" || fail "the copyright file does not give the fonts' licence"

# --- control fields -------------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
depends=$(field Depends)
echo "Depends: $depends"
for p in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 fonts-noto-cjk qt6-translations-l10n; do
    echo "$depends" | grep -Eq "(^|, )$p( |,|$)" || fail "Depends lacks $p"
done
# The pictures are drawn when the program is built: it loads no SVG renderer.
echo "$depends" | grep -q libqt6svg6 && fail "Depends names libqt6svg6"
[ "$(field Package)" = tavrino ] || fail "the package is not called tavrino"
for f in Maintainer Section Description Version; do
    [ -n "$(field "$f")" ] || fail "the control field $f is empty"
done

# --- lintian ------------------------------------------------------------------
lintian --tag-display-limit 0 "$deb" >"$work/lintian" 2>&1
grep -v 'running with root privileges' "$work/lintian"
if grep -Eq '^(E|W): ' "$work/lintian"; then
    fail "lintian reports errors or warnings"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all package checks passed"
