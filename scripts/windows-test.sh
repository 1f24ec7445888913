#!/usr/bin/env bash
# Tests the Windows build under Wine (64-bit), headless, in a temporary Wine
# prefix that no real serial port is reachable from:
#  1. the test programs that need no pseudo-terminal;
#  2. real writes through Wine's COM1, a pseudo-terminal with the Linux
#     simulated unit at its far end: the unit's log of blocks, and the
#     settings files, must be byte for byte those of the Linux build;
#  3. the setup program: silent install, --version and a dry run of the
#     installed program, silent uninstall, nothing installed left behind;
#  4. a picture of the main page (docs/main-page-windows.png), on Xvfb.
# Builds what it needs first (scripts/windows-build.sh, and the Linux unit
# and program in build/). Not part of .ci/run.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
tests=(test_blocks test_store test_write_sequences test_profile test_history test_language test_windows)

setup=$(ALARMCFG_WINDOWS_TARGETS="${tests[*]}" scripts/windows-build.sh | tail -1)
build=$(dirname "$setup")
stage=$(echo "$build"/stage/alarmcfg-*)
qt=$(scripts/windows/build-qt.sh | tail -1)

linux=$source/build
[ -f "$linux/CMakeCache.txt" ] || cmake -S . -B "$linux" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$linux" --target alarmcfg alarmcfg-unit >/dev/null

work=$(mktemp -d /tmp/alarmcfg-windows-test.XXXXXX)
export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="  # no Mono, Gecko or menu entries
unit_pid=""
finish() {
    [ -z "$unit_pid" ] || kill "$unit_pid" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# Wine's programs keep its output open: never pipe it, only redirect it to files.
run() { wine "$@" >"$work/out.txt" 2>"$work/err.txt"; }

echo "== Wine prefix $WINEPREFIX"
wineboot -i >/dev/null 2>&1
# A fresh prefix maps com1 to the machine's /dev/ttyS0. Wine maps the ports
# of HKLM\Software\Wine\Ports first and the devices it finds after them, at
# each start of its server: COM1 is the pseudo-terminal (through a link that
# follows the unit), COM2 to COM16 lead nowhere, and the links Wine makes for
# the machine's own devices (COM17 on) are removed once the server is up; it
# then stays up for the whole run, so they are not made again.
com1=$work/com1
nowhere=$work/no-such-port
{
    echo 'Windows Registry Editor Version 5.00'
    echo '[HKEY_LOCAL_MACHINE\Software\Wine\Ports]'
    echo "\"COM1\"=\"$com1\""
    for n in $(seq 2 16); do echo "\"COM$n\"=\"$nowhere\""; done
} >"$work/ports.reg"
run regedit /S "$work/ports.reg"
wineserver -k
wineserver -w
(wineserver -p >/dev/null 2>&1 &)
run cmd /c exit
for link in "$WINEPREFIX"/dosdevices/com*; do
    target=$(readlink "$link")
    [ "$target" = "$com1" ] || [ "$target" = "$nowhere" ] || rm -f "$link"
done
for link in "$WINEPREFIX"/dosdevices/com*; do
    case "$(readlink "$link")" in "$com1"|"$nowhere") ;; *) echo "a port still reaches $(readlink "$link")"; exit 1 ;; esac
done
export WINEPATH="$qt/bin;$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)");/usr/x86_64-w64-mingw32/lib"
export QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$qt/plugins"

echo "== test programs"
# Qt's own Chinese texts beside the tests, as beside the program.
printf '[Paths]\nPrefix = Z:%s\nTranslations = Z:%s/translations\n' "$qt" "$stage" >"$build/tests/qt.conf"
for test in "${tests[@]}"; do
    start=$SECONDS
    # QTest's report goes to a file: Wine loses part of a console program's output.
    if run "$build/tests/$test.exe" -o "Z:${work//\//\\}\\$test.txt,txt"; then
        echo "PASS $test ($((SECONDS - start)) s)"
    else
        fail "$test"; grep -ah -A2 -e "^FAIL!" -e "^Totals" "$work/$test.txt" | head -30 || tail -5 "$work/err.txt"
    fi
done

echo "== writes through COM1 to the simulated unit"
# The same profile imported on both systems, then both pages written.
profile=$source/tests/golden_profile.json
linux_home=$work/linux-home
mkdir -p "$linux_home"
start_unit() {  # $1: the unit's log
    rm -f "$1"
    "$linux/unit/alarmcfg-unit" --log "$1" --link "$com1" >"$work/unit.out" 2>&1 &
    unit_pid=$!
    for _ in $(seq 100); do [ -L "$com1" ] && break; sleep 0.1; done
}
stop_unit() { kill "$unit_pid"; wait "$unit_pid" 2>/dev/null || true; unit_pid=""; }
linux_run() { HOME=$linux_home XDG_CONFIG_HOME=$linux_home/config XDG_STATE_HOME=$linux_home/state \
              QT_QPA_PLATFORM=offscreen "$linux/app/alarmcfg" --lang en "$@"; }

start_unit "$work/linux.log"
linux_run --import "$profile" >/dev/null
device=$(readlink "$com1")
linux_run --write main --send-default-secrets --port "COM1=$device" >/dev/null || fail "Linux main page write"
linux_run --write sensor --port "COM1=$device" >/dev/null || fail "Linux sensor page write"
stop_unit

# Wine's current drive is C: there, so \woclc1k is the prefix's C:\woclc1k.
cd "$WINEPREFIX/drive_c"
start_unit "$work/windows.log"
run "$stage/alarmcfg-cli.exe" --lang en --import "Z:${profile//\//\\}" || fail "import: $(cat "$work/err.txt")"
if run "$stage/alarmcfg-cli.exe" --lang en --write main --send-default-secrets --com 1; then
    cat "$work/out.txt"
else
    fail "Windows main page write: $(cat "$work/out.txt" "$work/err.txt")"
fi
run "$stage/alarmcfg-cli.exe" --lang en --write sensor --com 1 || fail "Windows sensor page write: $(cat "$work/err.txt")"
stop_unit
cd "$source"
if cmp -s "$work/linux.log" "$work/windows.log" && [ -s "$work/linux.log" ]; then
    echo "PASS the unit logged the same $(wc -l <"$work/linux.log") blocks from both builds"
else
    fail "the blocks differ"; diff "$work/linux.log" "$work/windows.log" | head -10
fi
# The lock file is the Linux build's own.
if diff -r -x alarmcfg.lock "$linux_home/config/woclc1k" "$WINEPREFIX/drive_c/woclc1k" >"$work/settings.diff"; then
    echo "PASS the settings files are the same bytes ($(ls "$linux_home/config/woclc1k" | wc -l) files)"
else
    fail "the settings files differ"; head -10 "$work/settings.diff"
fi
if run "$stage/alarmcfg-cli.exe" --write main --send-default-secrets --com 2; then
    fail "a write to a port that leads nowhere succeeded"
else
    echo "PASS COM2 (no such device) refused: $(head -1 "$work/err.txt")"
fi

echo "== setup program"
before=$(cd "$WINEPREFIX/drive_c" && find . -path ./woclc1k -prune -o -print | sort)
run "$setup" /S || fail "the setup program failed"
program=$(find "$WINEPREFIX/drive_c" -name alarmcfg.exe -path '*alarmcfg/alarmcfg.exe' | head -1)
if [ -n "$program" ]; then
    echo "PASS installed in ${program#"$WINEPREFIX"/}"
    unset QT_PLUGIN_PATH WINEPATH  # the installed program finds its own
    run "$(dirname "$program")/alarmcfg-cli.exe" --version && echo "PASS --version: $(cat "$work/out.txt")" || fail "--version"
    (cd "$WINEPREFIX/drive_c" && run "$(dirname "$program")/alarmcfg-cli.exe" --write main --dry-run) \
        && echo "PASS dry run: $(wc -l <"$work/out.txt") blocks" || fail "dry run: $(cat "$work/err.txt")"
    # The uninstaller runs as a copy of itself and returns at once: wait for
    # its folder to go (the server stays up, so the port links stay as checked).
    run "$(dirname "$program")/uninstall.exe" /S || fail "the uninstaller failed"
    for _ in $(seq 60); do [ -e "$program" ] || [ -d "$(dirname "$program")" ] || break; sleep 1; done
    sleep 2
    after=$(cd "$WINEPREFIX/drive_c" && find . -path ./woclc1k -prune -o -print | sort)
    left=$(comm -13 <(echo "$before") <(echo "$after") | grep -i alarmcfg | grep -v -e '/AppData/Local/alarmcfg' || true)
    if [ -z "$left" ]; then echo "PASS uninstalled, nothing left"; else fail "left after uninstall: $left"; fi
    [ -d "$WINEPREFIX/drive_c/woclc1k" ] && echo "PASS the settings stay" || fail "the settings went"
else
    fail "the setup program installed no alarmcfg.exe"
fi

echo "== picture of the main page"
unset QT_PLUGIN_PATH WINEPATH  # the program's folder holds all it needs
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb_pid=$!
sleep 2
(cd "$WINEPREFIX/drive_c" && DISPLAY=$display QT_QPA_PLATFORM=windows \
    wine "$stage/alarmcfg.exe" --simulate >"$work/gui.txt" 2>&1 &)
shown=""
for _ in $(seq 60); do
    sleep 1
    shown=$(DISPLAY=$display xdotool search --name "GSM" 2>/dev/null | head -1 || true)
    [ -n "$shown" ] && break
done
if [ -n "$shown" ]; then
    sleep 3
    DISPLAY=$display import -window root -crop "$(DISPLAY=$display xdotool getwindowgeometry --shell "$shown" |
        awk -F= '/WIDTH/{w=$2}/HEIGHT/{h=$2}/^X/{x=$2}/^Y/{y=$2}END{printf "%dx%d+%d+%d", w, h, x, y}')" \
        +repage docs/main-page-windows.png
    echo "PASS docs/main-page-windows.png"
else
    fail "the main page did not show"
fi
wineserver -k
kill "$xvfb_pid" 2>/dev/null || true

echo "== $failures failures"
[ "$failures" -eq 0 ]
