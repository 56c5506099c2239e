#!/bin/bash
# The windows the program opens over its main window, under a real window manager (openbox)
# that keeps an "always on top" window above the others. "Şehir Ekle" opens the add dialog as
# the topmost window with the keyboard focus, with always on top on (the default, the main
# window in the window manager's top layer) and again after the title strip's switch has
# turned it off; a message box of the dialog ("Kaydet" with empty fields) comes over both.
# Screenshots: build/screenshots/pencere_sirasi_*.png.
source "$(dirname "$0")/lib.sh" "$1"
PROGRAM="$E2E_BUILD/orvanel"
[ -x "$PROGRAM" ] || e2e_fail "$PROGRAM is missing"
BASLIK='^Orvanel orvanel\.example\.org$'
DIALOG='^Şehir / Bölge$'

e2e_start_x
e2e_start_wm
e2e_start_tray
e2e_start_window "$PROGRAM"
ustte() { xprop -id "$W" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
e2e_wait_for 5 ustte || e2e_fail "the main window is not always on top: $(xprop -id "$W" _NET_WM_STATE)"

# en_ustte WINDOW WHAT: waits until the window is the topmost one and has the focus.
en_ustte() {
  e2e_wait_for 5 "[ \$(e2e_topmost) -eq $1 ] && [ \$(e2e_focus) -eq $1 ]" ||
    e2e_fail "$2 is not on top with the focus: stacking $(xprop -root _NET_CLIENT_LIST_STACKING)," \
      "focus $(printf '0x%x' "$(e2e_focus)"), $2 $(printf '0x%x' "$1"), main window $(printf '0x%x' "$W")"
}
# ac WHEN: "Şehir Ekle" on the regional page opens the dialog on top (D is its window).
ac() {
  xdotool mousemove $((X + 8 + 72 + 36)) $((Y + 92 + 182 + 11)) click 1
  e2e_wait_for 10 "[ -n \"\$(e2e_visible_windows '$DIALOG')\" ]" || e2e_fail "the dialog did not open"
  D=$(e2e_visible_windows "$DIALOG" | head -1)
  en_ustte "$D" "the dialog ($1)"
  eval "$(xdotool getwindowgeometry --shell --prefix D_ "$D")"
  e2e_settle "" "$D_X" "$D_Y" 242 221 || e2e_fail "the dialog never finished drawing"
  e2e_screenshot "pencere_sirasi_$1"
  echo "$1: the dialog is on top with the focus"
}

ONCE=$(e2e_area "$X" "$Y" 242 341)
xdotool mousemove $((X + 42 + 19)) $((Y + 298 + 19)) click 1
e2e_settle "$ONCE" "$X" "$Y" 242 341 || e2e_fail "the regional page did not come"
ac ustte

# "Kaydet" with the fields empty: the message box comes over the dialog; Return answers it.
xdotool mousemove $((D_X + 82 + 36)) $((D_Y + 188 + 11)) click 1
e2e_wait_for 10 "[ -n \"\$(e2e_visible_windows '^Orvanel$')\" ]" || e2e_fail "no message box"
K=$(e2e_visible_windows '^Orvanel$' | head -1)
en_ustte "$K" "the message box"
e2e_screenshot pencere_sirasi_mesaj
xdotool key Return
e2e_wait_for 10 "[ -z \"\$(e2e_visible_windows '^Orvanel$')\" ]" || e2e_fail "the message box stayed"
echo "the dialog's message box is on top with the focus"

# The dialog's close button, then the switch in the title strip: always on top off.
xdotool mousemove $((D_X + 212 + 12)) $((D_Y + 6 + 12)) click 1
e2e_wait_for 10 "[ -z \"\$(e2e_visible_windows '$DIALOG')\" ]" || e2e_fail "the dialog did not close"
xdotool mousemove $((X + 188 + 12)) $((Y + 6 + 12)) click 1
e2e_wait_for 5 "! ustte" || e2e_fail "the switch left the main window always on top"
ac ustte_degil
echo PASS
