#!/usr/bin/env bash
# Builds Orvanel for Windows against the Qt for Windows of scripts/windows-qt.sh, runs the test
# programs under Wine (two at a time, each in a Wine prefix of its own), gathers the portable
# folder BUILD_DIR/orvanel/ and builds the installer BUILD_DIR/Orvanel-<version>-win64.exe and
# the portable BUILD_DIR/Orvanel-<version>-win64.zip. Exits non-zero when anything fails.
#   scripts/windows.sh [BUILD_DIR]     (default build-windows)
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
qt=${ORVANEL_WINDOWS_QT:-$HOME/.cache/orvanel/qt-6.4.2-mingw64}
out=$(realpath -m "${1:-build-windows}")
native=$(realpath -m "${ORVANEL_NATIVE_BUILD:-build}")
jobs=$(nproc)
if [ ! -f "$qt/.orvanel-complete" ]; then
  echo "No Qt for Windows in $qt: build it with scripts/windows-qt.sh" >&2
  exit 1
fi
bash scripts/deps.sh windows
# Wine needs an X display even for programs on the offscreen platform.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" "$@"
fi
adim() { echo "== $1 ($(( $(date +%s) - basla )) s)"; }
basla=$(date +%s)

adim "Windows build"
# The pictures' build-time converter runs on this machine: the native one.
if [ ! -x "$native/tools/orvanel-rawskin" ]; then
  cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$native" --target orvanel-rawskin >/dev/null
fi
# ccache keeps the objects of earlier runs (a clean clone elsewhere too: paths are relative).
export CCACHE_BASEDIR=$top CCACHE_NOHASHDIR=1
cmake -S . -B "$out" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake" \
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache \
  -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DCMAKE_BUILD_TYPE=Release \
  -DORVANEL_RAWSKIN="$native/tools/orvanel-rawskin" -DORVANEL_WERROR="${ORVANEL_WERROR:-OFF}" \
  ${ORVANEL_WINDOWS_CMAKE_ARGS:-} >/dev/null
cmake --build "$out" --target orvanel_windows -j "$jobs"

adim "Tests under Wine"
bash tests/support/wine_testleri.sh "$out"

adim "Installer"
(cd "$out" && cpack -G "NSIS;ZIP" >/dev/null)
ls -l "$out"/Orvanel-*-win64.exe "$out"/Orvanel-*-win64.zip
bash tests/support/wine_kurulum.sh "$out" "$native"
adim "Screenshots under Wine"
bash tests/support/wine_ekran.sh "$out"
adim "Windows stage done"
