#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the fuzz targets and the
# pictures need, and asks apt for nothing when every one is already there.
# Each name must be a real package that dpkg can report as installed (not a
# name some other package merely provides): the check at the end fails
# otherwise, so a later run would not call apt again for nothing.
set -euo pipefail
# clang and libclang-rt-14-dev: the fuzz targets (libFuzzer and the sanitizers'
# runtimes for clang); g++ brings the sanitizers' runtimes for the sanitizer build;
# dpkg-dev (dpkg-shlibdeps) and lintian: the Debian package and its check;
# qt6-tools-dev (CMake's Qt6LinguistTools), qt6-l10n-tools (lupdate, lrelease)
# and qt6-translations-l10n (Qt's own texts in Chinese): the translations;
# libudev-dev and pkgconf: udev's notice of serial adapters plugged in.
packages=(cmake g++ make qt6-base-dev qt6-serialport-dev libgl-dev libudev-dev pkgconf
          fonts-noto-cjk clang libclang-rt-14-dev dpkg-dev lintian
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)

not_installed() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
    done
}

mapfile -t missing < <(not_installed "${packages[@]}")
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
    mapfile -t missing < <(not_installed "${packages[@]}")
    if ((${#missing[@]})); then
        echo "install-deps.sh: dpkg does not report ${missing[*]} as installed;" \
             "name the real package in scripts/install-deps.sh" >&2
        exit 1
    fi
fi
