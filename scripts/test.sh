#!/usr/bin/env bash
# Installs what is missing, builds everything once with AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer and runs every test headless
# under them (any finding fails its test), then the leak check of a full GUI
# write, the Debian package's test (scripts/package-test.sh) and the fuzz
# targets (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug -DALARMCFG_SANITIZE=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"

# Both pages' write buttons clicked against the simulated unit, on its own.
echo "== leak check of a full GUI write"
build/tests/test_pages -silent writeButtons

scripts/package-test.sh

echo "== fuzz targets"
scripts/fuzz.sh
