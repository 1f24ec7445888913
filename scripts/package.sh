#!/usr/bin/env bash
# Builds the Debian package alarmcfg_<version>_<arch>.deb from a Release build
# in build-package (stripped, without tests) and prints its path as the last line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=build-package
# Debian's own compiler and linker flags: stack protector, fortified functions,
# read-only relocations bound at start-up.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" > /dev/null
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/alarmcfg_*.deb
(cd "$build" && cpack -G DEB > cpack.log) || { cat "$build/cpack.log"; exit 1; }
debs=("$PWD/$build"/alarmcfg_*.deb)
echo "${debs[0]}"
