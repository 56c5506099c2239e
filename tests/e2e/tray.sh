#!/bin/bash
# The tray icon, its menu and the warning popup on a real X server with a real notification
# area (trayer): the icon docks, a left click opens the main window, a right click opens the
# menu, "Çıkış" ends the program and takes the icon away; the popup stands at full size
# above the panel (screenshot build/screenshots/popup.png).
source "$(dirname "$0")/lib.sh" "$1"
DEMO="$E2E_BUILD/orvanel_tray_demo"
[ -x "$DEMO" ] || e2e_fail "$DEMO is missing"

e2e_start
# A desktop's window manager publishes the area left free by trayer's strut; there is no
# window manager here, so publish it as one would: 1920 x 1040 above the 40-pixel panel.
xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0, 0, 1920, 1040"

LOG="$E2E_TMP/demo.log"
"$DEMO" --popup >"$LOG" 2>&1 &
DEMO_PID=$!
E2E_PIDS+=($DEMO_PID)

log_has() { grep -qx -- "$1" "$LOG"; }
e2e_wait_for 20 "log_has 'Shown 1'" || e2e_fail "the icon was not shown: $(cat "$LOG")"

# The icon: a window of the program docked inside trayer's panel.
PANEL=$(xdotool search --classname panel | head -1)
icon_line() { xwininfo -tree -id "$PANEL" | grep '"orvanel_tray_demo"'; }
e2e_wait_for 10 icon_line || e2e_fail "the icon is not docked in trayer"
read -r ICON_X ICON_Y < <(icon_line | head -1 | sed -E 's/.*\+(-?[0-9]+)\+(-?[0-9]+)$/\1 \2/')
[ "$ICON_X" -ge 1800 ] && [ "$ICON_Y" -ge 1040 ] || e2e_fail "icon at $ICON_X,$ICON_Y, not in the panel"
echo "icon docked at $ICON_X,$ICON_Y"

# The popup at full size: left 1711, top 914, 197 x 116, ten pixels above the panel.
e2e_wait_for 20 "grep -q '^Popup ' '$LOG'" || e2e_fail "the popup did not reach full size"
grep -qx 'Popup 1711 914 197 116 T 585' "$LOG" || e2e_fail "popup geometry: $(grep '^Popup' "$LOG")"
POPUP=$(e2e_visible_windows '^Yeni Mesaj$' | head -1)
[ -n "$POPUP" ] || e2e_fail "no visible window \"Yeni Mesaj\""
xdotool getwindowgeometry "$POPUP" | grep -q 'Position: 1711,914' || e2e_fail "$(xdotool getwindowgeometry "$POPUP")"
e2e_screenshot popup
echo "popup at full size: $E2E_SHOTS/popup.png"

# Left click: the main window on its prayer-times tab.
xdotool mousemove $((ICON_X + 10)) $((ICON_Y + 15)) click 1
e2e_wait_for 10 "log_has 'Click'" || e2e_fail "no Click: $(cat "$LOG")"
e2e_wait_for 10 "[ -n \"\$(e2e_visible_windows '^Orvanel deneme$')\" ]" || e2e_fail "main window not shown"
grep -A2 -x 'Click' "$LOG" | tr '\n' ' ' | grep -q 'Click Tablar_Click 0 Goster' || e2e_fail "$(cat "$LOG")"

# Right click: the tray menu at the pointer. The menu is the program's visible
# override-redirect window other than the docked icon.
ICON_ID=$(($(icon_line | head -1 | awk '{print $1}')))
menus() {
  local w
  for w in $(xdotool search --onlyvisible --classname orvanel_tray_demo 2>/dev/null); do
    [ "$w" -ne "$ICON_ID" ] || continue
    if xwininfo -id "$w" | grep -q 'Override Redirect State: yes'; then echo "$w"; fi
  done
}
xdotool mousemove $((ICON_X + 10)) $((ICON_Y + 15)) click 3
e2e_wait_for 10 "log_has 'ContextMenu'" || e2e_fail "no ContextMenu: $(cat "$LOG")"
e2e_wait_for 10 '[ -n "$(menus)" ]' || e2e_fail "the menu did not open"
e2e_screenshot tray_menu

# "Çıkış", the last item: the windows go in order, the program ends, the icon goes.
xdotool key Up Return
e2e_wait_for 10 "! kill -0 $DEMO_PID" || e2e_fail "the program did not end after Çıkış"
STATUS=0
wait "$DEMO_PID" || STATUS=$?
[ "$STATUS" -eq 0 ] || e2e_fail "the program ended with status $STATUS"
sed -n '/^AnaFormKapat$/,$p' "$LOG" | tr '\n' ' ' | grep -q '^AnaFormKapat EkleFormKapat ProgramiBitir $' ||
  e2e_fail "exit order: $(cat "$LOG")"
icon_line && e2e_fail "the icon stayed in the panel"
echo "PASS"
