# SPDX-FileCopyrightText: 2026 The Tavrino authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages a task needs when they are missing.
# Sourced by tools/play and tools/test; not meant to be run on its own.

# The build cuts the Chinese faces from fonts-noto-cjk with fontTools
# (python3-fonttools) and hands them to fontconfig (libfontconfig-dev).
TAVRINO_BUILD_PACKAGES="cmake make g++ qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools libgl-dev
  fonts-noto-cjk fonts-dejavu-core qt6-translations-l10n python3-fonttools libfontconfig-dev"
# The tests need an X server with xdotool, lintian and the desktop-entry and
# AppStream validators for the package, reuse for the licences, and for the
# end-to-end tests a session bus, the accessibility bus and its client
# library, xmodmap and the X client library.
TAVRINO_TEST_PACKAGES="xvfb xauth xdotool x11-utils x11-xserver-utils lintian dpkg-dev pkgconf
  reuse desktop-file-utils appstream poppler-utils
  dbus-daemon dbus-bin at-spi2-core libatspi2.0-dev libx11-dev"
# The Windows program: the MinGW-w64 cross compiler, Debian's Qt host tools
# and its source package, Ninja, zip and wixl (msitools) for the Windows
# Installer package; Wine under Xvfb to run it,
# xdotool, xclip and ImageMagick to play it and look at it, and the C
# library's locale sources for a Chinese Windows under Wine.
TAVRINO_WINDOWS_PACKAGES="g++-mingw-w64-x86-64-posix mingw-w64-tools qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools ninja-build dpkg-dev
  wine wine64 zip wixl msitools xvfb xauth xdotool x11-utils xclip imagemagick locales"

tavrino_missing_packages() {
    local missing=""
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing="$missing $p"
        fi
    done
    echo "$missing"
}

tavrino_ensure_packages() {
    if ! command -v apt-get >/dev/null 2>&1 || ! command -v dpkg-query >/dev/null 2>&1; then
        cat >&2 <<MSG
This is not a Debian or Ubuntu system, so nothing is installed automatically.
Install by hand: CMake 3.25 or later, a C++20 compiler, Qt 6.4 or later with
the Widgets, Svg and Test modules, a CJK font (Noto Sans CJK SC and Noto Serif
CJK SC), and for the tests an X server (Xvfb), xdotool, xprop, xmodmap,
dbus-daemon and dbus-send, the AT-SPI accessibility bus (at-spi2-core) with
its client library (libatspi, found through pkg-config) and libX11.
MSG
        return 0
    fi
    local missing
    missing=$(tavrino_missing_packages "$@")
    [ -z "$missing" ] && return 0
    echo "Installing:$missing" >&2
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

# apt-get source needs a deb-src entry for the release the packages come from.
tavrino_ensure_deb_src() {
    if apt-get source --print-uris qt6-base >/dev/null 2>&1; then
        return 0
    fi
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    local codename
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
    echo "Adding a deb-src entry for $codename" >&2
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s %s-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$codename" "$codename" | $sudo tee /etc/apt/sources.list.d/tavrino-src.sources >/dev/null
    $sudo apt-get update -qq
}

# Where the Qt for Windows that tools/windows-qt builds is kept.
tavrino_windows_qt() {
    local version
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | sed 's/+.*//')
    echo "${TAVRINO_WINDOWS_QT:-$HOME/.cache/tavrino/qt-${version:-6.4.2}-mingw-static}"
}
