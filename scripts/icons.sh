#!/usr/bin/env bash
# Renders the PNG icons the package installs from the SVG drawing, once, at
# development time (the PNGs are committed, so building needs no renderer).
# At 16 px the full drawing blurs into a blot: that size comes from
# packaging/icons/alarmcfg-16.svg, the same picture simplified onto whole pixels.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v rsvg-convert > /dev/null; then
    echo "icons.sh: needs rsvg-convert (Debian package librsvg2-bin)" >&2
    exit 1
fi
for size in 16 22 24 32 48 64 128 256; do
    drawing=app/alarmcfg.svg
    [ "$size" -eq 16 ] && drawing=packaging/icons/alarmcfg-16.svg
    rsvg-convert --width "$size" --height "$size" "$drawing" -o "packaging/icons/alarmcfg-$size.png"
done
echo "Wrote packaging/icons/alarmcfg-{16,22,24,32,48,64,128,256}.png"
