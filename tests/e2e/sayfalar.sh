#!/bin/bash
# Screenshots of the five pages of the real program at a fixed moment (faketime), each after
# its slide has ended: build/screenshots/sayfa_0.png .. sayfa_4.png (sayfa_4.png: "Dini
# Günler", the religious days of 2026 seen from 21 June, Aşure Günü next).
source "$(dirname "$0")/lib.sh" "$1"
PROGRAM="$E2E_BUILD/orvanel"
[ -x "$PROGRAM" ] || e2e_fail "$PROGRAM is missing"
BASLIK='^Orvanel orvanel\.example\.org$'

e2e_start
e2e_start_window "$PROGRAM"
for i in 0 1 2 3 4; do
  ONCE=$(e2e_area "$X" "$Y" 242 341)
  xdotool mousemove $((X + 4 + 38 * i + 19)) $((Y + 298 + 19)) click 1
  # Page 0 is already shown: nothing changes there.
  e2e_settle "$([ "$i" -gt 0 ] && echo "$ONCE")" "$X" "$Y" 242 341 || e2e_fail "page $i never settled"
  import -window root -crop "242x341+$X+$Y" +repage "$E2E_SHOTS/sayfa_$i.png"
done
kill -0 "$PID" || e2e_fail "the program ended"
echo "pages: $E2E_SHOTS/sayfa_0.png .. sayfa_4.png"
echo PASS
