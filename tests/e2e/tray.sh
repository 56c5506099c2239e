#!/bin/bash
# The tray icon and the warning popup of the real program on a real X server with a real
# notification area (trayer), where the other scripts do not look. Started with -startup under
# faketime at 13:00 on 21 June 2026 in İstanbul (Öğle at 13:12, 15 minutes of warning by
# default), the popup grows to full size in the corner the 40-pixel panel leaves free, at
# 1711, 914, as the desktop reports that corner (screenshot build/screenshots/popup.png); a
# left click on the icon then opens the main window.
source "$(dirname "$0")/lib.sh" "$1"
PROGRAM="$E2E_BUILD/orvanel"
[ -x "$PROGRAM" ] || e2e_fail "$PROGRAM is missing"
BASLIK='^Orvanel orvanel\.example\.org$'

e2e_start
# A desktop's window manager publishes the area left free by trayer's strut; there is no
# window manager here, so publish it as one would: 1920 x 1040 above the 40-pixel panel.
xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0, 0, 1920, 1040"
FAKETIME="@2026-06-21 13:00:00" "${E2E_SAATTE[@]}" "$PROGRAM" -startup >"$E2E_TMP/orvanel.log" 2>&1 &
PID=$!
E2E_PIDS+=($PID)

e2e_wait_for 30 "[ -n \"\$(e2e_visible_windows '^Yeni Mesaj$')\" ]" ||
  e2e_fail "no popup: $(cat "$E2E_TMP/orvanel.log")"
POPUP=$(e2e_visible_windows '^Yeni Mesaj$' | head -1)
# It slides up into place: at rest, at full size, in the corner above the panel.
geometri() { xdotool getwindowgeometry "$POPUP" | tr -s '\n ' ' '; }
e2e_wait_for 10 "geometri | grep -q 'Position: 1711,914 (screen: 0) Geometry: 197x116'" ||
  e2e_fail "the popup did not come to rest at full size above the panel: $(geometri)"
e2e_screenshot popup
echo "popup at full size at 1711,914: $E2E_SHOTS/popup.png"

# A left click on the icon: the main window, which -startup left hidden.
e2e_wait_for 20 '[ -n "$(e2e_icons orvanel)" ]' || e2e_fail "the icon is not docked in trayer"
[ -z "$(e2e_visible_windows "$BASLIK")" ] || e2e_fail "-startup showed the window"
read -r ICON_X ICON_Y < <(e2e_icons orvanel | head -1 | sed -E 's/.*\+(-?[0-9]+)\+(-?[0-9]+)$/\1 \2/')
xdotool mousemove $((ICON_X + 8)) $((ICON_Y + 8)) click 1
e2e_wait_for 10 "[ -n \"\$(e2e_visible_windows '$BASLIK')\" ]" ||
  e2e_fail "a left click on the icon did not open the main window"
kill -0 "$PID" || e2e_fail "the program ended"
echo PASS
