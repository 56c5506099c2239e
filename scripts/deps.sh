#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the program need; does nothing when they are
# all present. run.sh runs it first. With "test" (test.sh): also what the tests need. With
# "windows": the packages of the Windows build instead (the cross compiler, Wine, NSIS;
# scripts/windows-qt.sh).
set -euo pipefail

ORVANEL_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev qt6-multimedia-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly gstreamer1.0-libav
  fonts-liberation fonts-dejavu-core
)
if [ "${1:-}" = test ]; then
  ORVANEL_PACKAGES+=(
    libgtest-dev libgmock-dev libbenchmark-dev qt6-base-private-dev clang-format
    xvfb xauth trayer openbox xdotool x11-utils imagemagick faketime dbus-daemon
    python3-icalendar poppler-utils lintian appstream
    python3-pyatspi at-spi2-core dbus qt6ct
  )
fi

if [ "${1:-}" = windows ]; then
  ORVANEL_PACKAGES=(
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools
    wine64 wine fonts-wine nsis dpkg-dev qt6-shadertools-dev qt6-base-dev ninja-build cmake
    googletest zip unzip ccache xvfb xauth trayer xdotool imagemagick
  )
fi

missing=()
for p in "${ORVANEL_PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Kuruluyor: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
