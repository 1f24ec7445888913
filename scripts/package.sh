#!/usr/bin/env bash
# Builds the Debian package alarmcfg_<version>_<arch>.deb from a Release build
# in build-package (stripped, without tests) and prints its path as the last line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build="build-package"
# Debian's own compiler and linker flags (-O2, stack protector, fortified
# functions, read-only relocations bound at start-up) in place of CMake's -O3;
# no debugging information, which stripping would only throw away.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON > /dev/null
# Only what the package holds (not the benchmark or the picture renderer).
cmake --build "$build" -j"$(nproc)" --target alarmcfg alarmcfg-unit compressed_documents
rm -f "$build"/alarmcfg_*.deb
(cd "$build" && cpack -G DEB > cpack.log) || { cat "$build/cpack.log"; exit 1; }
debs=("$PWD/$build"/alarmcfg_*.deb)
echo "${debs[0]}"
