#!/usr/bin/env bash
# Checks that every C++ file of the project is laid out as .clang-format says (Debian's
# clang-format); prints the files that are not. Formats them instead with --fix.
#   scripts/bicim.sh [--fix]
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t dosyalar < <(git ls-files -co --exclude-standard '*.cpp' '*.h' | grep -vE '^build')
if [ "${1:-}" = --fix ]; then
  clang-format -i "${dosyalar[@]}"
  exit 0
fi
bozuk=$(clang-format --dry-run "${dosyalar[@]}" 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning:.*/\1/p' | sort -u)
if [ -n "$bozuk" ]; then
  echo "Not formatted as .clang-format says (scripts/bicim.sh --fix):" >&2
  echo "$bozuk" >&2
  exit 1
fi
echo "== Format: ${#dosyalar[@]} C++ files as .clang-format says"
