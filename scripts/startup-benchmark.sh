#!/usr/bin/env bash
# Times the main page from exec to its first visible window against a bare Qt
# window with one Chinese label, both Release builds (build-bench), run in
# turn under one Xvfb. Two cases: --simulate, and the four COM options on
# pseudo-terminals with a simulated unit behind each (--port COMk=DEVICE).
# Prints each case's medians, their ratio and the resident memory once started.
#   RUNS=N      runs of each program per case (default 9, at least 8)
#   IDLE_SECONDS=N   also the CPU time an open window takes in N idle seconds
#   ALARMCFG_BUILD=DIR  time the alarmcfg of another build (the bare window is
#                       still built in build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != --measure ]; then
    scripts/install-deps.sh
    command -v xvfb-run >/dev/null && command -v xdotool >/dev/null || {
        echo "startup-benchmark.sh: needs xvfb-run and xdotool (apt-get install xvfb xdotool)" >&2
        exit 1
    }
    cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    targets=(bare-window)
    [ -n "${ALARMCFG_BUILD:-}" ] || targets+=(alarmcfg alarmcfg-unit)
    cmake --build build-bench -j"$(nproc)" --target "${targets[@]}" >/dev/null
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --measure
fi

runs=${RUNS:-9}
bin=${ALARMCFG_BUILD:-build-bench}
config=$(mktemp -d)
pids=()
cleanup() {
    local p
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$config"
}
trap cleanup EXIT
export XDG_CONFIG_HOME=$config  # a fresh settings directory, not the user's

now_ms() { date +%s%3N; }
# Resident memory in kB, all of it and the anonymous part (the program's own
# allocations: the rest is mapped files such as libraries and fonts).
rss_kb() { awk '/^VmRSS:/ { all = $2 } /^RssAnon:/ { anon = $2 } END { print all "/" anon }' "/proc/$1/status"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# Starts the program, polls every 5 ms for its visible window and prints
# "milliseconds rss_kB/anonymous_kB"; the program is ended afterwards.
time_start() {
    local start pid
    start=$(now_ms)
    "$@" >/dev/null 2>"$config/stderr" &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid" && status=0 || status=$?
            echo "startup-benchmark.sh: $1 ended without a window (status $status):" >&2
            tail -n 5 "$config/stderr" >&2
            exit 1
        fi
        sleep 0.005
    done
    local elapsed=$(( $(now_ms) - start ))
    sleep 1  # what it does just after the first picture counts for the memory
    echo "$elapsed $(rss_kb "$pid")"
    if [ -n "${IDLE_SECONDS:-}" ] && [ -z "${idle_done:-}" ]; then
        local before
        before=$(cpu_ticks "$pid")
        sleep "$IDLE_SECONDS"
        echo "  idle $IDLE_SECONDS s: $(( ($(cpu_ticks "$pid") - before) * 1000 / $(getconf CLK_TCK) )) ms CPU ($1)" >&2
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

run_case() {
    local name=$1
    shift
    local bare=() program=() bare_rss program_rss line i
    for ((i = 0; i < runs; i++)); do
        line=$(idle_done=1 time_start build-bench/tools/bare-window)
        bare+=("${line% *}"); bare_rss=${line#* }
        if ((i == runs - 1)); then line=$(time_start "$@"); else line=$(idle_done=1 time_start "$@"); fi
        program+=("${line% *}"); program_rss=${line#* }
    done
    local bm pm
    bm=$(printf '%s\n' "${bare[@]}" | median)
    pm=$(printf '%s\n' "${program[@]}" | median)
    echo "$name: alarmcfg ${pm} ms (runs: ${program[*]}), bare window ${bm} ms (runs: ${bare[*]})," \
         "ratio $(awk -v p="$pm" -v b="$bm" 'BEGIN { printf "%.2f", p / b }');" \
         "RSS alarmcfg ${program_rss%/*} kB, bare window ${bare_rss%/*} kB," \
         "ratio $(awk -v p="${program_rss%/*}" -v b="${bare_rss%/*}" 'BEGIN { printf "%.2f", p / b }');" \
         "anonymous ${program_rss#*/} kB against ${bare_rss#*/} kB," \
         "ratio $(awk -v p="${program_rss#*/}" -v b="${bare_rss#*/}" 'BEGIN { printf "%.2f", p / b }')"
}

# Four simulated units for the pseudo-terminal case, started once for all its runs.
ports=()
for com in 1 2 3 4; do
    : >"$config/unit$com.log"  # there before the unit's first line, for the wait below
    "$bin/unit/alarmcfg-unit" >"$config/unit$com.log" 2>&1 &
    pids+=("$!")
    until [ "$(wc -l <"$config/unit$com.log")" -ge 1 ]; do sleep 0.01; done
    ports+=(--port "COM$com=$(head -n 1 "$config/unit$com.log")")
done

run_case "--simulate" "$bin/app/alarmcfg" --simulate
run_case "four pseudo-terminals" "$bin/app/alarmcfg" "${ports[@]}"
