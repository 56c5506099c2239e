#!/bin/bash
# The main window's first place beside a real panel, under openbox, which publishes the area
# trayer's strut leaves free. By default the window keeps 100 twips (7 px) from the screen's
# right edge and 700 twips (47 px) above its bottom, which the usual 40-pixel panel leaves
# free (e2e_ana_pencere). A 64-pixel panel at the bottom would cover its lower edge: it stands
# on the panel instead (top 1016 - 341 = 675). A 64-pixel panel at the right would cover its
# right edge: it stands beside it (left 1856 - 242 = 1614). Screenshots:
# build/screenshots/panel_*.png.
source "$(dirname "$0")/lib.sh" "$1"
PROGRAM="$E2E_BUILD/orvanel"
[ -x "$PROGRAM" ] || e2e_fail "$PROGRAM is missing"
BASLIK='^Orvanel orvanel\.example\.org$'

e2e_start_x
e2e_start_wm

# yer EDGE FREE_AREA X Y: with a 64-pixel panel at EDGE, a fresh start puts the window at X, Y.
yer() {
  e2e_start_tray "$1" 64
  e2e_wait_workarea "$2"
  FAKETIME="@2026-06-21 10:00:00" "${E2E_SAATTE[@]}" "$PROGRAM" >"$E2E_TMP/orvanel_$1.log" 2>&1 &
  local pid=$!
  E2E_PIDS+=($pid)
  e2e_wait_for 30 "[ -n \"\$(e2e_visible_windows '$BASLIK')\" ]" ||
    e2e_fail "no window: $(cat "$E2E_TMP/orvanel_$1.log")"
  eval "$(xdotool getwindowgeometry --shell "$(e2e_visible_windows "$BASLIK" | head -1)")"
  e2e_settle "$SIYAH" "$X" "$Y" 242 341 || e2e_fail "the window never finished drawing"
  e2e_screenshot "panel_$1"
  [ "$X" -eq "$3" ] && [ "$Y" -eq "$4" ] ||
    e2e_fail "a 64-pixel panel at the $1 (free area $2): the window at $X,$Y, not $3,$4"
  echo "a 64-pixel panel at the $1: the window at $X,$Y"
  kill "$pid" "$E2E_TRAYER"
  wait "$pid" "$E2E_TRAYER" 2>/dev/null || true
  e2e_wait_for 10 "[ -z \"\$(e2e_visible_windows '$BASLIK')\" ] && ! xdotool search --classname panel" ||
    e2e_fail "the program or the panel stayed"
}

yer bottom "0, 0, 1920, 1016" 1671 675
yer right "0, 0, 1856, 1080" 1614 692
echo PASS
