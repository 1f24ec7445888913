#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang in build-fuzz and runs each
# for FUZZ_SECONDS seconds (default 12) from its seeds. New inputs go to a
# scratch folder, so tests/fuzz/corpus stays as it is; an input that breaks a
# target is kept as build-fuzz/<target>-crash-* and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-12}
targets=(fuzz_settings_file fuzz_phone_number fuzz_validation)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DALARMCFG_FUZZ=ON \
    -DBUILD_TESTING=OFF > /dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
for target in "${targets[@]}"; do
    options=(-max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="build-fuzz/$target-")
    [ -f "tests/fuzz/$target.dict" ] && options+=(-dict="tests/fuzz/$target.dict")
    mkdir "$scratch/$target"
    log="build-fuzz/$target.log"
    if build-fuzz/tests/fuzz/"$target" "${options[@]}" "$scratch/$target" "tests/fuzz/corpus/$target" > "$log" 2>&1; then
        echo "$target: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") inputs in ${seconds}s, every property held"
    else
        tail -n 30 "$log"
        echo "$target: FAILED (see $log)"
        failed=1
    fi
done
exit "$failed"
