#!/usr/bin/env bash
# Installs what is missing, builds the program as people run it (Release, in
# build-release, apart from the test build) and starts it with a simulated
# alarm unit behind every COM option. Extra arguments go to alarmcfg.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF > /dev/null
cmake --build build-release -j"$(nproc)" --target alarmcfg alarmcfg-unit
exec build-release/app/alarmcfg --simulate "$@"
