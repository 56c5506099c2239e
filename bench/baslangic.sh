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
# Both programs run under faketime with the wall clock moved to a fixed local time (İstanbul,
# the first-run place): 10:00 on 21 June 2026, a quiet start, and then, as a second figure,
# 13:00, inside the warning window of Öğle (13:12), where orvanel shows its popup and starts its
# warning sound at once. The moved clock is moved back before the times are compared.
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
# The session's runtime folder in memory, as a desktop session has it (/run/user/<uid> is a
# tmpfs): the single-instance lock file is synced to its disk, which there costs nothing.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  XDG_RUNTIME_DIR=$(mktemp -d /dev/shm/orvanel-baslangic.XXXXXX)
  trap 'rm -rf "$XDG_RUNTIME_DIR"; e2e_cleanup' EXIT
fi
export ORVANEL_ILK_KAREDE_CIK=1 FAKETIME_DONT_FAKE_MONOTONIC=1
# The library itself rather than the faketime wrapper, whose named semaphore now and then
# collides between runs this close together.
FAKETIME_LIB=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -1)
[ -n "$FAKETIME_LIB" ] || e2e_fail "libfaketime is missing"

# olc PROGRAM: prints "<ms to first frame> <peak RSS in KiB>", the program's clock at $SAAT.
olc() {
  local err="$E2E_TMP/err" rss="$E2E_TMP/rss" bas son kayma
  kayma=$(($(date -d "$SAAT" +%s) - $(date +%s)))
  bas=$(date +%s%N)
  LD_PRELOAD=$FAKETIME_LIB FAKETIME="$([ "$kayma" -ge 0 ] && echo +)${kayma}s" \
    /usr/bin/time -f "%M" -o "$rss" "$1" 2>"$err"
  son=$(grep -o 'ilk-kare [0-9]*' "$err" | awk '{print $2}')
  [ -n "$son" ] || { echo "no frame from $1: $(cat "$err")" >&2; return 1; }
  echo "$(((son - kayma * 1000000000 - bas) / 1000000)) $(tail -1 "$rss")"
}

# olcum TITLE: RUNS alternating runs of each program at $SAAT, and their medians.
olcum() {
  olc "$ORVANEL" >/dev/null
  olc "$BUILD/minimal_pencere" >/dev/null
  : >"$E2E_TMP/orvanel.txt"
  : >"$E2E_TMP/minimal.txt"
  for ((i = 0; i < RUNS; i++)); do
    olc "$ORVANEL" >>"$E2E_TMP/orvanel.txt" || exit 1
    olc "$BUILD/minimal_pencere" >>"$E2E_TMP/minimal.txt" || exit 1
  done
  om=$(median 1 "$E2E_TMP/orvanel.txt")
  mm=$(median 1 "$E2E_TMP/minimal.txt")
  orss=$(median 2 "$E2E_TMP/orvanel.txt")
  mrss=$(median 2 "$E2E_TMP/minimal.txt")
  paste "$E2E_TMP/orvanel.txt" "$E2E_TMP/minimal.txt" | awk '{printf "%.3f\n", $1 / $3}' >"$E2E_TMP/oran.txt"
  echo "$1 ($SAAT), runs: $RUNS each, medians"
  echo "  first frame: orvanel $om ms, minimal $mm ms, ratio $(awk -v a="$om" -v b="$mm" 'BEGIN {printf "%.2f", a / b}')$2"
  echo "               median of the run-by-run ratios $(median 1 "$E2E_TMP/oran.txt")"
  echo "  peak RSS:    orvanel $(mib "$orss") MiB, minimal $(mib "$mrss") MiB, difference $(mib $((orss - mrss))) MiB$3"
}

# median COLUMN FILE
median() { awk -v c="$1" '{print $c}' "$2" | sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
mib() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }

SAAT="2026-06-21 10:00:00"
olcum "Quiet start" " (goal <= 1.30)" " (goal <= 15)"
SAAT="2026-06-21 13:00:00"
olcum "Start inside a warning window" "" ""
