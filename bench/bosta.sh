#!/bin/bash
# The program at rest: started on a private Xvfb with trayer at a quiet time of day (10:00 on
# 21 June 2026 in İstanbul, no warning due), then left alone for a minute. Reports the CPU
# time it used in that minute and how often it woke (voluntary context switches of all its
# threads), from /proc.
#
#   bash bench/bosta.sh BUILD_FOLDER [SECONDS]      (default build, 60 seconds)
set -uo pipefail
BUILD=$(cd "${1:-build}" && pwd)
SURE=${2:-60}
source "$(dirname "$0")/../tests/e2e/lib.sh" "$BUILD"
set +e
[ -x "$BUILD/orvanel" ] || e2e_fail "$BUILD/orvanel is missing"
e2e_start
FAKETIME="@2026-06-21 10:00:00" "${E2E_SAATTE[@]}" "$BUILD/orvanel" >"$E2E_TMP/orvanel.log" 2>&1 &
E2E_PIDS+=($!)
e2e_wait_for 30 "[ -n \"\$(e2e_visible_windows '^Orvanel ')\" ]" || e2e_fail "no window"
PID=$!
sleep 5 # the start-up's deferred work and the first pictures are done well before this

# cpu PID: utime + stime of every thread, in clock ticks; uyanma PID: voluntary switches.
cpu() { awk '{t += $14 + $15} END {print t}' /proc/"$1"/task/*/stat; }
uyanma() { cat /proc/"$1"/task/*/status | awk '/^voluntary_ctxt_switches/ {t += $2} END {print t}'; }
HZ=$(getconf CLK_TCK)
c0=$(cpu "$PID"); u0=$(uyanma "$PID")
for t in /proc/"$PID"/task/*; do
  echo "$(cat "$t/comm") $(awk '/^voluntary_ctxt_switches/ {print $2}' "$t/status")"
done >"$E2E_TMP/once"
sleep "$SURE"
c1=$(cpu "$PID"); u1=$(uyanma "$PID")
for t in /proc/"$PID"/task/*; do
  echo "$(cat "$t/comm") $(awk '/^voluntary_ctxt_switches/ {print $2}' "$t/status")"
done | paste - /dev/null | awk 'NR == FNR {o[$1] = $2; next} {printf "  thread %s: %d wake-ups\n", $1, $2 - o[$1]}' "$E2E_TMP/once" -
echo "at rest for $SURE s: CPU $(((c1 - c0) * 1000 / HZ)) ms, $((u1 - u0)) wake-ups ($(awk -v u=$((u1 - u0)) -v s="$SURE" 'BEGIN {printf "%.1f", u / s}') a second)"
