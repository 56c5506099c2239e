#!/bin/bash
# What the Orca screen reader says on each page of the real program, from its debug log:
# under Xvfb in a private D-Bus session (tests/e2e/lib.sh), Alt+1 .. Alt+5 open the pages and
# Tab walks each; prints Orca's speech, a line per utterance, after a "== Alt+N" line.
#   scripts/orca_sozleri.sh BUILD [TABS]
# Needs orca (Debian; not among the test packages: apt-get install orca). A measurement for
# people, not a test: speech has no event to wait for,
# so each key waits until Orca has said something (at most 3 s).
source "$(dirname "$0")/../tests/e2e/lib.sh" "${1:?build folder}"
TABS=${2:-10}
PROGRAM="$E2E_BUILD/orvanel"
command -v orca >/dev/null || e2e_fail "orca is missing"
e2e_start
LOG="$E2E_TMP/orca.log"
export LOG TABS PROGRAM E2E_SAATTE_PRELOAD="${E2E_SAATTE[1]}"
dbus-run-session -- bash -c '
  # Utterances so far, the echo of a pressed key aside.
  soz() { grep "SPEECH OUTPUT" "$LOG" 2>/dev/null | grep -vc "'"'"'tab '"'"'\|'"'"'left alt '"'"'"; }
  # Waits for Orca to speak after a key.
  bekle() { local n=$1 i; for i in $(seq 30); do [ "$(soz)" -gt "$n" ] && return; sleep 0.1; done; }
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  orca --debug-file="$LOG" >/dev/null 2>&1 &
  ORCA=$!
  bekle 0
  env "$E2E_SAATTE_PRELOAD" FAKETIME="@2026-06-21 10:00:00" "$PROGRAM" &
  P=$!
  n=$(soz); bekle "$n"
  W=$(xdotool search --sync --onlyvisible --name "^Orvanel orvanel" | head -1)
  xdotool windowfocus --sync "$W"
  for sayfa in 1 2 3 4 5; do
    n=$(soz); echo "$n $sayfa" >>"$LOG.sayfalar"; xdotool key --clearmodifiers "alt+$sayfa"; bekle "$n"
    for t in $(seq "$TABS"); do n=$(soz); xdotool key Tab; bekle "$n"; done
  done
  kill $P $ORCA
  wait $ORCA 2>/dev/null
  true
'
# Each utterance, with "== Alt+N" where page N was opened.
grep "SPEECH OUTPUT" "$LOG" | grep -v "'tab '\|'left alt '" |
  sed "s/^.*SPEECH OUTPUT: '//; s/' *{'established.*\$//" |
  awk -v s="$LOG.sayfalar" 'BEGIN { while ((getline l < s) > 0) { split(l, a, " "); at[a[1]] = a[2] } }
    (NR - 1) in at { print "== Alt+" at[NR - 1] } { print }' |
  grep -vx "Screen reader on.\|Screen reader off."
