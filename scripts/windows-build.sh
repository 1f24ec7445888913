#!/usr/bin/env bash
# Builds alarmcfg for 64-bit Windows on Debian 12 with MinGW-w64: the cross
# Qt first (scripts/windows/build-qt.sh, cached: built once), then the
# program in build-windows with that Qt's qt-cmake, a folder of everything it
# needs, the portable .zip of that folder and the NSIS setup program.
# Prints what it made; the last line is the setup program.
# Needs g++-mingw-w64-x86-64-posix, nsis, imagemagick, zip, ninja-build and
# qt6-translations-l10n; nothing comes from anywhere but Debian's archive.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
build=${ALARMCFG_WINDOWS_BUILD:-$source/build-windows}

qt=$(scripts/windows/build-qt.sh | tail -1)
version=$(sed -n 's/^project(alarmcfg VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

# Qt's tools for the host (moc, rcc, lrelease) come from the host's Qt.
mkdir -p "$build"
"$qt/bin/qt-cmake" -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DQt6LinguistTools_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6LinguistTools \
    ${ALARMCFG_WINDOWS_CMAKE_OPTIONS:-} >"$build/configure.log"
cmake --build "$build" -j"$(nproc)" --target alarmcfg alarmcfg-cli ${ALARMCFG_WINDOWS_TARGETS:-}

# The program's folder: both executables, the icon, the Qt libraries and
# plugins it loads, Qt's own Chinese texts, and the MinGW runtime.
stage=$build/stage/alarmcfg-$version
rm -rf "$build/stage"
mkdir -p "$stage/plugins/platforms" "$stage/plugins/styles" "$stage/translations"
cp "$build/app/alarmcfg.exe" "$build/app/alarmcfg-cli.exe" "$build/app/alarmcfg.ico" "$stage/"
cp "$qt/bin/Qt6Core.dll" "$qt/bin/Qt6Gui.dll" "$qt/bin/Qt6Widgets.dll" "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/plugins/platforms/"
cp "$qt/plugins/styles/"*.dll "$stage/plugins/styles/" 2>/dev/null || rmdir "$stage/plugins/styles"  # the Windows Vista look
cp /usr/share/qt6/translations/qtbase_zh_CN.qm "$stage/translations/"
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
cp "$runtime/libstdc++-6.dll" "$runtime/libgcc_s_seh-1.dll" /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$stage/"
printf '[Paths]\nPrefix = .\nPlugins = plugins\nTranslations = translations\n' >"$stage/qt.conf"
cp README.md "$stage/README.md"
x86_64-w64-mingw32-strip "$stage"/*.exe

# What the setup program installs and its uninstaller removes, file by file.
lists=$build/nsis
rm -rf "$lists" && mkdir -p "$lists"
(
    cd "$stage"
    find . -type d | sort | while read -r dir; do
        rel=${dir#./}; rel=${rel#.}
        echo "SetOutPath \"\$INSTDIR${rel:+\\${rel//\//\\}}\""
        find "$dir" -maxdepth 1 -type f | sort | while read -r file; do echo "File \"$stage/${file#./}\""; done
    done
    echo 'SetOutPath "$INSTDIR"'
) >"$lists/files.nsh"
(
    cd "$stage"
    find . -type f | sort | while read -r file; do f=${file#./}; echo "Delete \"\$INSTDIR\\${f//\//\\}\""; done
    find . -mindepth 1 -type d | sort -r | while read -r dir; do d=${dir#./}; echo "RMDir \"\$INSTDIR\\${d//\//\\}\""; done
) >"$lists/unfiles.nsh"
cp "$stage/alarmcfg.ico" "$lists/"

setup=$build/alarmcfg-$version-setup.exe
portable=$build/alarmcfg-$version-windows-x64.zip
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$lists" -DOUTFILE="$setup" \
    packaging/windows/alarmcfg.nsi
rm -f "$portable"
(cd "$build/stage" && zip -qr -X "$portable" "alarmcfg-$version")

echo "$stage/alarmcfg.exe"
echo "$stage/alarmcfg-cli.exe"
echo "$portable"
echo "$setup"
