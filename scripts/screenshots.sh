#!/usr/bin/env bash
# Renders the real main page, sensor page and wait window off-screen, with a
# Simplified Chinese font (Debian's fonts-noto-cjk), into docs/main-page.png,
# docs/sensor-page.png and docs/wait-window.png, the main page in English
# into docs/main-page-en.png, and the main page on a 1366×768 screen at 150 %
# (the screen of tests/screens/1366x768-150.json) into docs/main-page-small-screen.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if ! fc-list :lang=zh-cn family | grep -q 'Noto Sans CJK SC'; then
    echo "screenshots.sh: the font Noto Sans CJK SC (fonts-noto-cjk) is missing" >&2
    exit 1
fi
build="${BUILD_DIR:-build}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug
cmake --build "$build" -j"$(nproc)" --target render-pages
mkdir -p docs
QT_QPA_PLATFORM=offscreen "$build/tools/render-pages" docs
QT_QPA_PLATFORM="offscreen:configfile=$PWD/tests/screens/1366x768-150.json" \
    "$build/tools/render-pages" docs main-page-small-screen
echo "Wrote docs/main-page.png, docs/main-page-en.png, docs/sensor-page.png, docs/wait-window.png and docs/main-page-small-screen.png"
