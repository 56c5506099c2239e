#!/bin/bash
# The advance warning end to end: the real program started under faketime at 13:00 on
# 21 June 2026 in İstanbul (Öğle at 13:12, 15 minutes of warning by default) gives the
# warning on its first tick: the popup "Yeni Mesaj" slides up above the panel
# (build/screenshots/uyari.png), and the warning sound plays in a player process of its own,
# after which the program holds no sound library (QtMultimedia, GStreamer, the audio system's).
source "$(dirname "$0")/lib.sh" "$1"
PROGRAM="$E2E_BUILD/orvanel"
[ -x "$PROGRAM" ] || e2e_fail "$PROGRAM is missing"

e2e_start
xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0, 0, 1920, 1040"
FAKETIME="@2026-06-21 13:00:00" "${E2E_SAATTE[@]}" "$PROGRAM" >"$E2E_TMP/orvanel.log" 2>&1 &
PID=$!
E2E_PIDS+=($PID)

e2e_wait_for 30 "[ -n \"\$(e2e_visible_windows '^Yeni Mesaj$')\" ]" ||
  e2e_fail "no popup: $(cat "$E2E_TMP/orvanel.log")"
POPUP=$(e2e_visible_windows '^Yeni Mesaj$' | head -1)
# Grown to its full height above the panel.
e2e_wait_for 10 "xdotool getwindowgeometry '$POPUP' | grep -q 'Geometry: 197x116'" ||
  e2e_fail "the popup did not reach full size: $(xdotool getwindowgeometry "$POPUP")"
eval "$(xdotool getwindowgeometry --shell --prefix P_ "$POPUP")"
e2e_settle "" "$P_X" "$P_Y" 197 116 || e2e_fail "the popup never finished drawing"
e2e_screenshot uyari
e2e_wait_for 20 "pgrep -P $PID -x orvanel-ses" || e2e_fail "no player was started for the warning"
e2e_wait_for 30 "! pgrep -P $PID -x orvanel-ses" || e2e_fail "the warning's player did not end"
SES='libQt6Multimedia|libgst|libpulse|libasound'
if grep -qE "$SES" "/proc/$PID/maps"; then
  e2e_fail "sound libraries in the program: $(grep -oE "[^/]*($SES)[^ ]*" "/proc/$PID/maps" | sort -u)"
fi
kill -0 "$PID" || e2e_fail "the program ended"
echo PASS
