#!/usr/bin/env bash
# Cross-builds Qt for 64-bit Windows once, from Debian's own qt6-base source
# package, with the host's Qt as the host tools (moc, rcc, uic). Only the
# modules the program uses are kept. The result is cached outside the checkout,
# keyed by the Qt version and the configure options; a second call only prints
# its path. Last line: the install prefix (for CMAKE_PREFIX_PATH).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
toolchain="$here/mingw-toolchain.cmake"

qt_version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"   # the host tools' version
options=(
    -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF
    # Windows-only third-party folders that Debian's source leaves out
    -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF
)
key="$(printf '%s\n' "$qt_version" "${options[@]}" "$(cat "$toolchain")" | sha256sum | cut -c1-12)"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/alarmcfg"
prefix="$cache/qt-${qt_version%%+*}-mingw64-$key"
# Qt's qt.toolchain.cmake loads the toolchain file Qt was configured with: a
# copy in the cache, which outlives the checkout that built Qt.
cached_toolchain="$cache/mingw-toolchain-$key.cmake"
point_qt_at_cached_toolchain() {
    sed -i "s|[^\"' ]*/mingw-toolchain[-0-9a-f]*\.cmake|$cached_toolchain|g" \
        "$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
}
if [ -f "$prefix/.complete" ]; then
    [ -f "$cached_toolchain" ] || cp "$toolchain" "$cached_toolchain"
    point_qt_at_cached_toolchain
    echo "$prefix"
    exit 0
fi

work="$cache/qt-work-$key"
# One build at a time: a second one would remove the first one's work folder.
mkdir -p "$cache"
exec 9>"$cache/qt-$key.lock"
if ! flock -n 9 || { [ -f "$work/build.log" ] && [ -n "$(find "$work/build.log" -mmin -30)" ]; }; then
    echo "Qt for Windows is being built in $work (see its build.log): wait for it to finish" \
         "(remove that folder if no build runs)" >&2
    exit 1
fi
rm -rf "$work"
cp "$toolchain" "$cached_toolchain"
mkdir -p "$work/sources.list.d" "$work/lists/partial" "$work/apt-cache/archives/partial"
# A private source list and package index: the system's apt configuration and
# lists stay as they are.
cat > "$work/sources.list.d/debian-src.sources" <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
apt_options=(-o Dir::Etc::SourceList=/dev/null
             -o Dir::Etc::SourceParts="$work/sources.list.d"
             -o Dir::State::Lists="$work/lists"
             -o Dir::Cache="$work/apt-cache")
apt-get "${apt_options[@]}" update -qq
(cd "$work" && apt-get "${apt_options[@]}" source -qq "qt6-base=$qt_version" >/dev/null)
source_dir="$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -1)"

cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$cached_toolchain" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >"$work/configure.log"
cmake --build "$work/build" -j"$(nproc)" >"$work/build.log"
cmake --install "$work/build" >"$work/install.log"
point_qt_at_cached_toolchain
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
