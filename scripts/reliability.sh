#!/usr/bin/env bash
# What scripts/test.sh runs after the ordinary build and tests:
#  1. every test again in a build with AddressSanitizer, LeakSanitizer and
#     UndefinedBehaviorSanitizer (build-asan); any finding fails its test;
#  2. the leak check of a full GUI write: both pages' write buttons clicked
#     against the simulated unit (test_pages writeButtons) under LeakSanitizer,
#     on its own;
#  3. the fuzz targets, about a minute in all (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DALARMCFG_SANITIZE=ON > /dev/null
cmake --build build-asan -j"$(nproc)"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"

echo "== leak check of a full GUI write"
build-asan/tests/test_pages -silent writeButtons

echo "== fuzz targets"
scripts/fuzz.sh
