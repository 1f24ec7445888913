#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it with a simulated
# alarm unit behind every COM option. Extra arguments go to alarmcfg.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug
cmake --build build -j"$(nproc)" --target alarmcfg alarmcfg-unit
exec build/app/alarmcfg --simulate "$@"
