#!/bin/bash
# One program per session: a second start while the first is stopped (busy, under a
# debugger) waits, then ends quietly without a window or an icon of its own; once the first
# answers again a start hands over at once; the lock of a program that was killed is taken
# over by the next start.
source "$(dirname "$0")/lib.sh" "$1"
PROGRAM="$E2E_BUILD/orvanel"
[ -x "$PROGRAM" ] || e2e_fail "$PROGRAM is missing"
BASLIK='^Orvanel orvanel\.example\.org$'
pencereler() { e2e_visible_windows "$BASLIK" | wc -l; }

e2e_start
"$PROGRAM" >"$E2E_TMP/ilk.log" 2>&1 &
ILK=$!
E2E_PIDS+=($ILK)
e2e_wait_for 20 '[ "$(pencereler)" -eq 1 ]' || e2e_fail "no window: $(cat "$E2E_TMP/ilk.log")"
e2e_wait_for 10 '[ -n "$(e2e_icons orvanel)" ]' || e2e_fail "no icon"

kill -STOP "$ILK"
BASLA=$(date +%s%N)
timeout 20 "$PROGRAM" >"$E2E_TMP/ikinci.log" 2>&1 || e2e_fail "the second start: status $?"
SURE=$((($(date +%s%N) - BASLA) / 1000000))
[ "$(pencereler)" -eq 1 ] || e2e_fail "a second window"
[ "$(e2e_icons orvanel | wc -l)" -eq 1 ] || e2e_fail "a second icon"
echo "first stopped: the second start ended after $SURE ms without a window or an icon"

kill -CONT "$ILK"
BASLA=$(date +%s%N)
timeout 10 "$PROGRAM" -startup >"$E2E_TMP/ucuncu.log" 2>&1 || e2e_fail "the third start: status $?"
SURE=$((($(date +%s%N) - BASLA) / 1000000))
[ "$SURE" -lt 2000 ] || e2e_fail "the hand-over took $SURE ms"
echo "first running again: handed over in $SURE ms"

kill -KILL "$ILK"
wait "$ILK" 2>/dev/null || true
e2e_wait_for 10 '[ "$(pencereler)" -eq 0 ]' || e2e_fail "the killed program's window stayed"
"$PROGRAM" >"$E2E_TMP/dorduncu.log" 2>&1 &
DORT=$!
E2E_PIDS+=($DORT)
e2e_wait_for 10 '[ "$(pencereler)" -eq 1 ]' || e2e_fail "no start after the kill: $(cat "$E2E_TMP/dorduncu.log")"
kill -0 "$DORT" || e2e_fail "the start after the kill ended"
echo "killed owner: the next start took over"
echo PASS
