#!/usr/bin/env bash
# Lines of C++ under tests/ against those under src/: non-blank lines that are not comments
# (// lines and /* */ blocks), as the project counts them. The ratio should stay at most 0.35.
#   scripts/oran.sh
set -euo pipefail
cd "$(dirname "$0")/.."
satirlar() {
  find "$1" \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 cat | sed -E 's|^\s+||' |
    grep -vE '^(//|$)' | awk '
      blok { if (index($0, "*/")) blok = 0; next }
      substr($0, 1, 2) == "/*" { if (!index($0, "*/")) blok = 1; next }
      { n++ } END { print n + 0 }'
}
kod=$(satirlar src)
test=$(satirlar tests)
echo "src $kod, tests $test, tests/src $(awk -v t="$test" -v k="$kod" 'BEGIN {printf "%.3f", t / k}')"
