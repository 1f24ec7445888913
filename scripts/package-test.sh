#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh), checks it with lintian,
# installs it, runs the installed programs (a dry run, then a real main-page
# write to the installed simulated unit), removes it again and checks that
# nothing it installed is left. Leaves the installed packages as it found them.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen DEBIAN_FRONTEND=noninteractive
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

fail() { echo "package-test.sh: $*" >&2; exit 1; }
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
package_set() { dpkg-query -W -f='${Package}:${Architecture} ${db:Status-Abbrev}\n' | grep ' ii' | sort; }

installed alarmcfg && fail "alarmcfg is installed already; remove it first (apt-get remove alarmcfg)"

scratch=$(mktemp -d)
unit_pid=""
cleanup() {
    [ -z "$unit_pid" ] || kill "$unit_pid" 2> /dev/null || true
    if installed alarmcfg; then $sudo apt-get remove -y -qq alarmcfg > /dev/null; fi
    rm -rf "$scratch"
}
trap cleanup EXIT

scripts/package.sh | tee "$scratch/package.log"
deb=$(tail -n 1 "$scratch/package.log")
[ -f "$deb" ] || fail "package.sh named no package (\"$deb\")"

echo "== lintian"
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"

echo "== install"
package_set > "$scratch/packages-before"
$sudo apt-get install -y -qq --no-install-recommends "$deb" > /dev/null
dpkg-query -L alarmcfg > "$scratch/files"

echo "== alarmcfg --version"
version=$(/usr/bin/alarmcfg --version)
[[ "$version" == "alarmcfg "[0-9]* ]] || fail "--version printed \"$version\""
echo "$version"

echo "== alarmcfg --write main --dry-run"
XDG_CONFIG_HOME="$scratch/dry-run" /usr/bin/alarmcfg --write main --dry-run > "$scratch/dry-run.out" \
    || fail "the dry run failed"
lines=$(wc -l < "$scratch/dry-run.out")
blocks=$(grep -cE '^COMSMS[0-9A-Z]{2} [0-9A-F]+$' "$scratch/dry-run.out" || true)
if [ "$lines" -ne 6 ] || [ "$blocks" -ne 6 ]; then
    fail "the dry run printed $lines lines, $blocks of them blocks, not 6"
fi
cut -c 1-8 "$scratch/dry-run.out" | paste -sd ' '

echo "== alarmcfg --write main to the installed simulated unit"
coproc unit { exec /usr/bin/alarmcfg-unit --log "$scratch/unit.log"; }
# shellcheck disable=SC2154  # coproc sets unit_PID
unit_pid=$unit_PID
read -r -t 10 device <&"${unit[0]}" || fail "alarmcfg-unit printed no device"
# English lines, whatever the machine's locale; the history goes to the scratch folder too.
XDG_CONFIG_HOME="$scratch/write" XDG_STATE_HOME="$scratch/state" \
    /usr/bin/alarmcfg --lang en --write main --send-default-secrets --port "COM1=$device" > "$scratch/write.out" \
    || { cat "$scratch/write.out"; fail "the write failed"; }
cat "$scratch/write.out"
answered=$(grep -c '^COMSMS[0-9A-Z]\{2\} answered$' "$scratch/write.out" || true)
[ "$answered" -eq 6 ] || fail "$answered blocks answered, not 6"
kill "$unit_pid"
wait "$unit_pid" || true
unit_pid=""
[ "$(wc -l < "$scratch/unit.log")" -eq 6 ] || fail "the unit logged $(wc -l < "$scratch/unit.log") blocks, not 6"

echo "== remove"
$sudo apt-get remove -y -qq alarmcfg > /dev/null
installed alarmcfg && fail "alarmcfg is still installed"
while IFS= read -r path; do
    if [ -d "$path" ] && [ ! -L "$path" ]; then
        # A directory stays only while another package holds it.
        dpkg-query -S "$path" > /dev/null 2>&1 || fail "the directory $path was left behind"
    elif [ -e "$path" ] || [ -L "$path" ]; then
        fail "$path was left behind"
    fi
done < "$scratch/files"
package_set | diff "$scratch/packages-before" - > /dev/null \
    || fail "installing the package changed other packages: $(package_set | diff "$scratch/packages-before" - | grep '^[<>]')"
echo "package-test.sh: the package installs, runs and removes cleanly ($(basename "$deb"))"
