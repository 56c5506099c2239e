#!/bin/bash
# The real program on a real X server with a real notification area (trayer): "-startup"
# shows only the tray icon; a second start makes the first window appear and ends; the
# window sits near the bottom-right corner with its corners cut; "Çıkış" from the tray menu
# ends the program and takes the icon away.
source "$(dirname "$0")/lib.sh" "$1"
PROGRAM="$E2E_BUILD/orvanel"
[ -x "$PROGRAM" ] || e2e_fail "$PROGRAM is missing"
BASLIK='^Orvanel orvanel\.example\.org$'

e2e_start
LOG="$E2E_TMP/orvanel.log"
# At a fixed moment far from any time: within a warning's lead the popup would cover the icon.
FAKETIME="@2026-06-21 10:00:00" "${E2E_SAATTE[@]}" "$PROGRAM" -startup >"$LOG" 2>&1 &
PID=$!
E2E_PIDS+=($PID)

# "-startup" with the icon option on (the default): the icon docks, no window shows.
PANEL=$(xdotool search --classname panel | head -1)
icon_line() { xwininfo -tree -id "$PANEL" | grep '"orvanel"'; }
e2e_wait_for 20 icon_line || e2e_fail "the icon is not docked in trayer: $(cat "$LOG")"
sleep 1 # a window that does not come gives nothing to wait for: a second's grace
[ -z "$(e2e_visible_windows "$BASLIK")" ] || e2e_fail "-startup showed the window"
kill -0 "$PID" || e2e_fail "the program ended"
echo "-startup: only the icon"

# A second start: it hands over and ends within a second; the first window appears.
BASLA=$(date +%s%N)
timeout 5 "$PROGRAM" >"$E2E_TMP/ikinci.log" 2>&1 || e2e_fail "the second start: status $?"
SURE=$((($(date +%s%N) - BASLA) / 1000000))
[ "$SURE" -lt 1000 ] || e2e_fail "the second start took $SURE ms"
e2e_wait_for 5 "[ -n \"\$(e2e_visible_windows '$BASLIK')\" ]" || e2e_fail "the first window did not appear"
[ "$(icon_line | wc -l)" -eq 1 ] || e2e_fail "more than one icon: $(icon_line)"
echo "second start: ended after $SURE ms, the first window shows"

# Place: right edge 100 twips (7 px) from the screen's, bottom edge 700 twips (47 px) above
# the screen's bottom: left 1671, top 692 on 1920 x 1080.
W=$(e2e_visible_windows "$BASLIK" | head -1)
eval "$(xdotool getwindowgeometry --shell "$W")"
[ "$X" -eq 1671 ] && [ "$Y" -eq 692 ] && [ "$WIDTH" -eq 242 ] && [ "$HEIGHT" -eq 341 ] ||
  e2e_fail "window at $X,$Y size ${WIDTH}x$HEIGHT"
echo "window at $X,$Y (right gap $((1920 - X - WIDTH)) px, bottom gap $((1080 - Y - HEIGHT)) px)"

# The four rounded corners are cut alike: the desktop (black) shows at each corner pixel.
piksel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | tail -1 | grep -o '#[0-9A-F]\{6\}'; }
e2e_settle "" "$X" "$Y" 242 341 || e2e_fail "the window never finished drawing"
for k in "$X $Y" "$((X + 241)) $Y" "$X $((Y + 340))" "$((X + 241)) $((Y + 340))"; do
  [ "$(piksel $k)" = "#000000" ] || e2e_fail "corner $k not cut: $(piksel $k)"
done
[ "$(piksel $((X + 5)) $((Y + 5)))" != "#000000" ] || e2e_fail "the window is not drawn"
echo "corners cut"

e2e_screenshot ana_pencere

# "Çıkış", the last item of the tray menu: the program ends and the icon goes.
read -r ICON_X ICON_Y < <(icon_line | head -1 | sed -E 's/.*\+(-?[0-9]+)\+(-?[0-9]+)$/\1 \2/')
EKRAN=$(e2e_area 0 0 1920 1080)
xdotool mousemove $((ICON_X + 8)) $((ICON_Y + 8)) click 3
e2e_settle "$EKRAN" 0 0 1920 1080 || e2e_fail "no tray menu"
e2e_screenshot tepsi_menusu
xdotool key Up Return
e2e_wait_gone 10 "$PID" || e2e_fail "the program did not end after Çıkış"
wait "$PID" || e2e_fail "the program ended with status $?"
e2e_wait_for 5 "! icon_line" || e2e_fail "the icon stayed in the panel"
echo "Çıkış: ended, icon removed"
echo PASS
