#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the fuzz targets and the pictures need,
# skipping what is already there.
set -euo pipefail
# clang and libclang-rt-14-dev: the fuzz targets (libFuzzer and the sanitizers'
# runtimes for clang); g++ brings the sanitizers' runtimes for the sanitizer build.
packages=(cmake g++ make qt6-base-dev qt6-serialport-dev libqt6serialport6-dev libgl-dev
          fonts-noto-cjk clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
