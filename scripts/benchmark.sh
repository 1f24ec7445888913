#!/usr/bin/env bash
# Builds and runs the write benchmark: a main-page write against the simulated
# unit pacing a 9600-baud line. Its last line is the ratio to the line's lower bound.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build-release -j"$(nproc)" --target alarmcfg-benchmark
exec build-release/tools/alarmcfg-benchmark
