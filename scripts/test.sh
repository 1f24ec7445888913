#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, headless;
# then the sanitizer build, the leak check and the fuzz targets (scripts/reliability.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug
cmake --build build -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
scripts/package-test.sh
scripts/reliability.sh
