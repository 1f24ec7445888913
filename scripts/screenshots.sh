#!/usr/bin/env bash
# Renders the real main page, sensor page and wait window off-screen, with a
# Simplified Chinese font (Debian's fonts-noto-cjk), into docs/main-page.png,
# docs/sensor-page.png and docs/wait-window.png, and the main page in English
# into docs/main-page-en.png.
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
echo "Wrote docs/main-page.png, docs/main-page-en.png, docs/sensor-page.png and docs/wait-window.png"
