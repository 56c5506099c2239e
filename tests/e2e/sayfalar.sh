#!/bin/bash
# Screenshots of the five pages of the real program at a fixed moment (faketime), each after
# its slide has ended: build/screenshots/sayfa_0.png .. sayfa_4.png (sayfa_4.png: "Dini
# Günler", the religious days of 2026 seen from 21 June, Aşure Günü next), and the regional
# page again with its place list scrolled by the wheel (sayfa_1_kaydirilmis.png).
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
  if [ "$i" -eq 1 ]; then
    # Two wheel notches down over the place list: six rows further on, the thumb lower.
    ONCE=$(e2e_area "$X" "$Y" 242 341)
    xdotool mousemove $((X + 60)) $((Y + 150)) click --repeat 2 --delay 50 5
    e2e_settle "$ONCE" "$X" "$Y" 242 341 || e2e_fail "the list did not scroll"
    import -window root -crop "242x341+$X+$Y" +repage "$E2E_SHOTS/sayfa_1_kaydirilmis.png"
    # The list's frame (#D2EFA8, 218x78 at 12,118) stays at its edges: none of it among the rows.
    CERCEVE=$(convert "$E2E_SHOTS/sayfa_1_kaydirilmis.png" -crop 190x70+14+121 +repage -fuzz 6% \
      -fill black +opaque '#D2EFA8' -fill white -opaque '#D2EFA8' -format '%[fx:round(mean*w*h)]' info:)
    [ "$CERCEVE" = 0 ] || e2e_fail "$CERCEVE pixels of the list's frame among its scrolled rows"
  fi
done
kill -0 "$PID" || e2e_fail "the program ended"
echo "pages: $E2E_SHOTS/sayfa_0.png .. sayfa_4.png, sayfa_1_kaydirilmis.png"
echo PASS
