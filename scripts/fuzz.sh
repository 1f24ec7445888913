#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang in build-fuzz and runs them
# side by side, each for FUZZ_SECONDS seconds (default 12) from its seeds.
# New inputs go to a scratch folder, so tests/fuzz/corpus stays as it is; an
# input that breaks a target is kept as build-fuzz/<target>-crash-* and fails
# the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-12}
targets=(fuzz_settings_file fuzz_validation)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DALARMCFG_FUZZ=ON \
    -DBUILD_TESTING=OFF > /dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The targets run side by side, one process each.
fuzz() {
    local target=$1 options
    options=(-max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="build-fuzz/$target-")
    [ -f "tests/fuzz/$target.dict" ] && options+=(-dict="tests/fuzz/$target.dict")
    mkdir "$scratch/$target"
    build-fuzz/tests/fuzz/"$target" "${options[@]}" "$scratch/$target" "tests/fuzz/corpus/$target" \
        > "build-fuzz/$target.log" 2>&1
}
pids=()
for target in "${targets[@]}"; do
    fuzz "$target" &
    pids+=("$!")
done
failed=0
for i in "${!targets[@]}"; do
    target=${targets[$i]}
    log="build-fuzz/$target.log"
    if wait "${pids[$i]}"; then
        echo "$target: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") inputs in ${seconds}s, every property held"
    else
        tail -n 30 "$log"
        echo "$target: FAILED (see $log)"
        failed=1
    fi
done
exit "$failed"
