#!/bin/bash
# Start-up time and peak memory of orvanel against a minimal Qt program that shows one
# 242 x 341 window, both on the same private Xvfb (with trayer), in one run, alternating.
# Start-up: from just before exec to the first painted frame (each program writes the moment
# its first frame is painted and ends, under ORVANEL_ILK_KAREDE_CIK). Memory: peak RSS from
# /usr/bin/time. Each program runs once unmeasured first (the system's file caches). Both
# run with the same fresh HOME and XDG folders, so neither finds a font cache of its own.
# Besides the ratio of the medians, the median of the ratios of each orvanel run to the
# minimal run right after it, which other load on the machine disturbs less.
#
#   bash bench/baslangic.sh BUILD_FOLDER [RUNS]      (default build, 15 runs)
#   BASLANGIC_ORVANEL=/other/orvanel bash bench/baslangic.sh ...   (another build's program)
set -uo pipefail
BUILD=$(cd "${1:-build}" && pwd)
RUNS=${2:-15}
source "$(dirname "$0")/../tests/e2e/lib.sh" "$BUILD"
set +e
ORVANEL=${BASLANGIC_ORVANEL:-$BUILD/orvanel}
for p in "$ORVANEL" "$BUILD/minimal_pencere"; do
  [ -x "$p" ] || e2e_fail "$p is missing (cmake --build $BUILD --target orvanel minimal_pencere)"
done
e2e_start
export ORVANEL_ILK_KAREDE_CIK=1

# olc PROGRAM: prints "<ms to first frame> <peak RSS in KiB>".
olc() {
  local err="$E2E_TMP/err" rss="$E2E_TMP/rss" bas son
  bas=$(date +%s%N)
  /usr/bin/time -f "%M" -o "$rss" "$1" 2>"$err"
  son=$(grep -o 'ilk-kare [0-9]*' "$err" | awk '{print $2}')
  [ -n "$son" ] || { echo "no frame from $1: $(cat "$err")" >&2; return 1; }
  echo "$(((son - bas) / 1000000)) $(tail -1 "$rss")"
}

olc "$ORVANEL" >/dev/null
olc "$BUILD/minimal_pencere" >/dev/null
: >"$E2E_TMP/orvanel.txt"
: >"$E2E_TMP/minimal.txt"
for ((i = 0; i < RUNS; i++)); do
  olc "$ORVANEL" >>"$E2E_TMP/orvanel.txt" || exit 1
  olc "$BUILD/minimal_pencere" >>"$E2E_TMP/minimal.txt" || exit 1
done

# median COLUMN FILE
median() { awk -v c="$1" '{print $c}' "$2" | sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
om=$(median 1 "$E2E_TMP/orvanel.txt")
mm=$(median 1 "$E2E_TMP/minimal.txt")
orss=$(median 2 "$E2E_TMP/orvanel.txt")
mrss=$(median 2 "$E2E_TMP/minimal.txt")
echo "runs: $RUNS each, medians"
paste "$E2E_TMP/orvanel.txt" "$E2E_TMP/minimal.txt" | awk '{printf "%.3f\n", $1 / $3}' >"$E2E_TMP/oran.txt"
echo "first frame: orvanel $om ms, minimal $mm ms, ratio $(awk -v a="$om" -v b="$mm" 'BEGIN {printf "%.2f", a / b}') (goal <= 1.30)"
echo "             median of the run-by-run ratios $(median 1 "$E2E_TMP/oran.txt")"
mib() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }
echo "peak RSS:    orvanel $(mib "$orss") MiB, minimal $(mib "$mrss") MiB, difference $(mib $((orss - mrss))) MiB (goal <= 15)"
