#!/usr/bin/env bash
# Soak run, on demand (not part of ctest): SOAK_WRITES (default 500) writes of
# both pages from the command line to one simulated unit, each with other
# typed values. Every write must succeed, the unit must log every block as
# one this tool builds ("exact"), and the unit must not grow.
set -euo pipefail
cd "$(dirname "$0")/.."
writes=${SOAK_WRITES:-500}
cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug > /dev/null
cmake --build build -j"$(nproc)" --target alarmcfg alarmcfg-unit > /dev/null
scratch=$(mktemp -d)
export XDG_CONFIG_HOME="$scratch/config" XDG_STATE_HOME="$scratch/state" QT_QPA_PLATFORM=offscreen
coproc unit { exec build/unit/alarmcfg-unit --log "$scratch/unit.log"; }
trap 'kill "$unit_PID" 2> /dev/null; rm -rf "$scratch"' EXIT
read -r -t 10 device <&"${unit[0]}"
rss() { awk '/^VmRSS/ { print $2 }' "/proc/$unit_PID/status"; }
first_rss=
for ((k = 1; k <= writes; ++k)); do
    # Other values each time: a number, a pass phrase and a multi-line sensor
    # text. The first write, a first run, stores every file with its default.
    if [ "$k" -gt 1 ]; then
        printf '1380013%04d\r\n' "$k" | iconv -t GB18030 > "$XDG_CONFIG_HOME/woclc1k/tel1.cck"
        printf '口令%d\r\n' "$k" | iconv -t GB18030 > "$XDG_CONFIG_HOME/woclc1k/k1.cck"
        printf '第%d次\r\n后门\r\n' "$k" | iconv -t GB18030 > "$XDG_CONFIG_HOME/woclc1k/SMS1.cck"
    fi
    build/app/alarmcfg --write all --send-default-secrets --port "COM1=$device" > /dev/null \
        || { echo "soak: write $k failed" >&2; exit 1; }
    [ "$k" -eq 10 ] && first_rss=$(rss)
done
blocks=$(grep -c '"exact":true' "$scratch/unit.log" || true)
expected=$((writes * 8))
echo "soak: $writes writes, $blocks of $expected blocks exact, unit memory ${first_rss:-?} kB -> $(rss) kB"
[ "$blocks" -eq "$expected" ] || { echo "soak: blocks missing or not exact" >&2; exit 1; }
if [ -n "$first_rss" ] && [ "$(rss)" -gt $((first_rss * 2)) ]; then
    echo "soak: the unit's memory grew" >&2
    exit 1
fi
