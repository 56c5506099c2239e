#!/usr/bin/env bash
# Builds the Qt for Windows that the Windows programs link against, from Debian's own Qt 6.4.2
# source packages, with the mingw-w64 cross compiler: qtbase (Core, Gui, Widgets, Network,
# Test, the windows and offscreen platform plugins, the image formats) and qtmultimedia (its
# Windows Media Foundation backend, which plays WMA). Installs into $ORVANEL_WINDOWS_QT
# (default ~/.cache/orvanel/qt-6.4.2-mingw64), outside the tree; does nothing when that folder
# is complete. Takes about 35 minutes of two free cores; prints how long it took.
#   scripts/windows-qt.sh
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
prefix=${ORVANEL_WINDOWS_QT:-$HOME/.cache/orvanel/qt-6.4.2-mingw64}
work=${ORVANEL_WINDOWS_QT_WORK:-$HOME/.cache/orvanel/qt-6.4.2-mingw64-work}
stamp=$prefix/.orvanel-complete
jobs=$(nproc)
mingw=/usr/x86_64-w64-mingw32

if [ -f "$stamp" ]; then
  echo "Qt for Windows: $prefix is complete"
  exit 0
fi
start=$(date +%s)
bash scripts/deps.sh windows

# Debian's source packages need a deb-src entry for the archive the packages come from.
if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  awk 'BEGIN { RS = ""; ORS = "\n\n" }
       /Types: deb/ && /debian\.org/ { sub(/Types: deb/, "Types: deb-src"); print }' \
    /etc/apt/sources.list.d/debian.sources |
    "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/orvanel-deb-src.sources >/dev/null
  "${sudo_cmd[@]}" apt-get update -qq
fi
mkdir -p "$work/src" "$prefix"
cd "$work/src"
[ -d qt6-base-6.4.2+dfsg ] || apt-get source -qq qt6-base=6.4.2+dfsg-10
[ -d qt6-multimedia-6.4.2 ] || apt-get source -qq qt6-multimedia=6.4.2-5

# The toolchain file goes with the installed Qt: its CMake packages name it.
cp "$top/cmake/mingw-w64.cmake" "$prefix/mingw-w64.cmake"
host=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)

echo "== qtbase for Windows"
if [ ! -f "$prefix/.orvanel-qtbase" ]; then
cmake -S "$work/src/qt6-base-6.4.2+dfsg" -B "$work/qtbase" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64.cmake" "${host[@]}" \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF \
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_freetype=ON \
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_openssl=OFF -DFEATURE_jpeg=OFF \
  -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF \
  -DFEATURE_dbus=OFF -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF \
  -DFEATURE_tabletevent=OFF >"$work/qtbase-configure.log"
# (The source package leaves out Wacom's tablet header, so tablet events are off; with
# Direct2D off, DirectWrite 3 must be off too, or the platform plugin names a font database
# QtGui does not build.)
cmake --build "$work/qtbase" -j "$jobs"
cmake --install "$work/qtbase" >/dev/null
touch "$prefix/.orvanel-qtbase"
fi

echo "== qtmultimedia for Windows (Media Foundation)"
# Qt's sources name some Windows headers with capitals where mingw's are lower case.
mkdir -p "$work/case"
for h in Mferror Mfidl Mfreadwrite Wmcodecdsp Dbt InitGuid Functiondiscoverykeys_devpkey \
  Mfapi Mfobjects Mmdeviceapi Propvarutil Audioclient Evr Ks Ksmedia Wmsdkidl Dshow; do
  lower=$(echo "$h" | tr '[:upper:]' '[:lower:]')
  [ -f "$mingw/include/$lower.h" ] && ln -sf "$mingw/include/$lower.h" "$work/case/$h.h"
done
ln -sf "$prefix/include/QtCore/qurl.h" "$work/case/QUrl.h"
# Its build only runs the shader tool, on this machine: a package that gives Debian's own qsb.
mkdir -p "$prefix/lib/cmake/Qt6ShaderTools"
cat >"$prefix/lib/cmake/Qt6ShaderTools/Qt6ShaderToolsConfig.cmake" <<'CMAKE'
# Qt Multimedia's build needs only the shader tool, which runs on the build machine.
include(/usr/lib/x86_64-linux-gnu/cmake/Qt6ShaderToolsTools/Qt6ShaderToolsToolsConfig.cmake)
set(Qt6ShaderTools_FOUND TRUE)
CMAKE
"$prefix/bin/qt-cmake" -S "$work/src/qt6-multimedia-6.4.2" -B "$work/qtmultimedia" -G Ninja \
  "${host[@]}" -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF \
  -DCMAKE_CXX_FLAGS="-isystem $work/case" \
  -DFEATURE_spatialaudio=OFF -DFEATURE_spatialaudio_quick3d=OFF -DFEATURE_ffmpeg=OFF \
  -DFEATURE_gstreamer=OFF \
  -DWMF_MF_LIBRARY="$mingw/lib/libmf.a" -DWMF_MFUUID_LIBRARY="$mingw/lib/libmfuuid.a" \
  -DWMF_MFPLAT_LIBRARY="$mingw/lib/libmfplat.a" -DWMF_MFCORE_LIBRARY="$mingw/lib/libmfcore.a" \
  -DWMF_PROPSYS_LIBRARY="$mingw/lib/libpropsys.a" >"$work/qtmultimedia-configure.log"
cmake --build "$work/qtmultimedia" -j "$jobs"
cmake --install "$work/qtmultimedia" >/dev/null

touch "$stamp"
echo "Qt for Windows built into $prefix in $(( ($(date +%s) - start) / 60 )) min" \
  "($(du -sh "$prefix" | cut -f1))"
