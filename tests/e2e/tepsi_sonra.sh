#!/bin/bash
# At logon the program often starts before the panel: with no notification area at start the
# window shows and the close button would end the program; trayer started four seconds later
# gets the icon docked, and from then on the close button only hides the window.
source "$(dirname "$0")/lib.sh" "$1"
PROGRAM="$E2E_BUILD/orvanel"
[ -x "$PROGRAM" ] || e2e_fail "$PROGRAM is missing"
BASLIK='^Orvanel orvanel\.example\.org$'

e2e_start_x
"$PROGRAM" -startup >"$E2E_TMP/orvanel.log" 2>&1 &
PID=$!
E2E_PIDS+=($PID)
# Without a notification area "-startup" still shows the window: nothing else reaches it.
e2e_wait_for 20 "[ -n \"\$(e2e_visible_windows '$BASLIK')\" ]" || e2e_fail "no window: $(cat "$E2E_TMP/orvanel.log")"
sleep 4 # the panel comes later: a wait for something that has not happened yet
e2e_start_tray
e2e_wait_for 10 '[ -n "$(e2e_icons orvanel)" ]' || e2e_fail "the icon did not dock: $(cat "$E2E_TMP/orvanel.log")"
echo "trayer four seconds later: icon docked"

# The close button (212, 6 in the window, 24 x 24) hides the window and the program runs on.
W=$(e2e_visible_windows "$BASLIK" | head -1)
eval "$(xdotool getwindowgeometry --shell "$W")"
xdotool mousemove $((X + 224)) $((Y + 18)) click 1
e2e_wait_for 10 "[ -z \"\$(e2e_visible_windows '$BASLIK')\" ]" || e2e_fail "the window did not hide"
kill -0 "$PID" || e2e_fail "the close button ended the program"
echo "close hides the window, the program runs on"
echo PASS
