#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: first the logic tests under
# AddressSanitizer and UndefinedBehaviorSanitizer (their own build folder), then every test of
# the full build.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh test
# Every build of the suite stops at the first compiler warning, and every C++ file is formatted.
export ORVANEL_WERROR=ON
bash scripts/bicim.sh
jobs=$(nproc)

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANEL_SANITIZE=ON -DORVANEL_LOGIC_ONLY=ON \
  -DBUILD_TESTING=ON -DORVANEL_WERROR=ON >/dev/null
cmake --build build-asan --target orvanel_logic_tests -j "$jobs"
echo "== Sanitizer build: logic tests"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan -L logic -j "$jobs" --output-on-failure

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
  -DORVANEL_WERROR=ON >/dev/null
cmake --build build -j "$jobs"

# Windows: where the Qt for Windows is cached (scripts/windows-qt.sh builds it once).
windows_qt=${ORVANEL_WINDOWS_QT:-$HOME/.cache/orvanel/qt-6.4.2-mingw64}
if [ -f "$windows_qt/.orvanel-complete" ]; then
  echo "== Windows stage: build, tests under Wine, installer"
  bash scripts/windows.sh build-windows
else
  echo "== Windows stage skipped: no Qt for Windows in $windows_qt" \
    "(build it once with scripts/windows-qt.sh, about 35 minutes)"
fi

echo "== Full build: every test"
ctest --test-dir build -j "$jobs" --output-on-failure
