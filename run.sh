#!/usr/bin/env bash
# Installs what is missing, builds, and starts Orvanel.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
  -DORVANEL_WERROR=OFF >/dev/null
cmake --build build --target orvanel orvanel-cli
if [ -x build/orvanel ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec build/orvanel "$@"
fi
build/orvanel-cli times
if [ -x build/orvanel ]; then
  echo
  echo "Pencere için bir masaüstü oturumunda çalıştırın: build/orvanel"
fi
