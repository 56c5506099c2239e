#!/bin/bash
# Adding a place in the real program: "Şehir Ekle" on the regional page opens the dialog,
# the fields are typed with the keyboard, "Kaydet" hides it; data.db gains the line, the
# settings hold the new place, and the next start shows it. The program runs from a copy of
# its folder, so the build's own data.db is never touched.
source "$(dirname "$0")/lib.sh" "$1"
[ -x "$E2E_BUILD/orvanel" ] || e2e_fail "$E2E_BUILD/orvanel is missing"
BASLIK='^Orvanel 127\.0\.0\.1$' # the product address points at a port where nothing listens

e2e_start
KLASOR="$E2E_TMP/program"
mkdir -p "$KLASOR"
cp -r "$E2E_BUILD/orvanel" "$E2E_BUILD/data.db" "$E2E_BUILD/Ezan" "$E2E_BUILD/uyari.wma" "$KLASOR/"
SATIR_SAYISI=$(iconv -f WINDOWS-1254 -t UTF-8 "$KLASOR/data.db" | grep -c '|')
SON_ID=$(iconv -f WINDOWS-1254 -t UTF-8 "$KLASOR/data.db" | tail -1 | cut -d'|' -f1)
# A suggestion, if one went out, goes nowhere.
export ORVANEL_URUN_ADRESI=http://127.0.0.1:9

baslat() {
  FAKETIME="@2026-06-21 10:00:00" "${E2E_SAATTE[@]}" "$KLASOR/orvanel" >"$E2E_TMP/orvanel_$1.log" 2>&1 &
  PID=$!
  E2E_PIDS+=($PID)
  e2e_wait_for 30 "[ -n \"\$(e2e_visible_windows '$BASLIK')\" ]" ||
    e2e_fail "no window: $(cat "$E2E_TMP/orvanel_$1.log")"
  W=$(e2e_visible_windows "$BASLIK" | head -1)
  eval "$(xdotool getwindowgeometry --shell "$W")"
  PROGRAM_PID=$PID
  e2e_settle "$SIYAH" "$X" "$Y" 242 341 || e2e_fail "the window never finished drawing"
}

baslat 1
# The regional tab, then "Şehir Ekle" (page area at 8, 92; the button at 72, 182 on it).
ONCE=$(e2e_area "$X" "$Y" 242 341)
xdotool mousemove $((X + 42 + 19)) $((Y + 298 + 19)) click 1
e2e_settle "$ONCE" "$X" "$Y" 242 341 || e2e_fail "the regional page did not come"
xdotool mousemove $((X + 8 + 72 + 36)) $((Y + 92 + 182 + 11)) click 1
e2e_wait_for 10 "[ -n \"\$(e2e_visible_windows '^Şehir / Bölge$')\" ]" ||
  e2e_fail "the dialog did not open"
D=$(e2e_visible_windows '^Şehir / Bölge$' | head -1)
eval "$(xdotool getwindowgeometry --shell --prefix D_ "$D")"
[ "$D_WIDTH" -eq 242 ] && [ "$D_HEIGHT" -eq 221 ] || e2e_fail "dialog ${D_WIDTH}x$D_HEIGHT"
e2e_settle "" "$D_X" "$D_Y" 242 221 || e2e_fail "the dialog never finished drawing"

yaz() { # field top, text
  xdotool mousemove $((D_X + 160)) $((D_Y + $1 + 10)) click --repeat 3 1
  xdotool type --delay 20 "$2"
}
yaz 70 "Yeni Yer"
yaz 118 "38.5"
yaz 142 "27,25"
ONCE=$(e2e_area "$D_X" "$D_Y" 242 221)
xdotool mousemove $((D_X + 19)) $((D_Y + 174)) click 1 # the suggestion switch off
e2e_settle "$ONCE" "$D_X" "$D_Y" 242 221 || e2e_fail "the suggestion switch did not change"
import -window root -crop "242x221+$D_X+$D_Y" +repage "$E2E_SHOTS/sehir_ekle_dialog.png"
xdotool mousemove $((D_X + 82 + 36)) $((D_Y + 188 + 11)) click 1
e2e_wait_for 10 "[ -z \"\$(e2e_visible_windows '^Şehir / Bölge$')\" ]" ||
  e2e_fail "the dialog stayed open"
e2e_settle "" "$X" "$Y" 242 341 || e2e_fail "the window never finished drawing"
import -window root -crop "242x341+$X+$Y" +repage "$E2E_SHOTS/sehir_ekle_sonra.png"
# The new place is the list's active row (dark red), not a selected one: no selection colour
# (#A2EF58) among the rows, left of the scrollbar.
SECIM=$(convert "$E2E_SHOTS/sehir_ekle_sonra.png" -crop 195x74+13+120 +repage -fuzz 6% \
  -fill black +opaque '#A2EF58' -fill white -opaque '#A2EF58' -format '%[fx:round(mean*w*h)]' info:)
[ "$SECIM" = 0 ] || e2e_fail "the new row is drawn selected ($SECIM pixels)"

SON=$(iconv -f WINDOWS-1254 -t UTF-8 "$KLASOR/data.db" | tail -1)
[ "$SON" = "$((SON_ID + 1))|Türkiye|Yeni Yer|2|38,5|27,25" ] || e2e_fail "last line: $SON"
[ "$(tail -c 2 "$KLASOR/data.db" | od -An -c | tr -d ' ')" != '\r\n' ] ||
  e2e_fail "data.db ends with a line break"
AYAR="$XDG_CONFIG_HOME/Orvanel/Orvanel.ini"
grep -qx "bSehir=Yeni Yer" "$AYAR" || e2e_fail "settings: $(cat "$AYAR")"
grep -qx "bIndex=$((SATIR_SAYISI + 1))" "$AYAR" || e2e_fail "settings: $(cat "$AYAR")"
echo "added: $SON"

# The next start reads the new place back.
kill "$PROGRAM_PID"
e2e_wait_for 10 "! kill -0 $PROGRAM_PID" || e2e_fail "the program did not end"
wait "$PID" 2>/dev/null || true
e2e_wait_for 10 "[ -z \"\$(e2e_visible_windows '$BASLIK')\" ]" || e2e_fail "the window stayed"
baslat 2
kill -0 "$PROGRAM_PID" || e2e_fail "the second run ended"
import -window root -crop "242x341+$X+$Y" +repage "$E2E_SHOTS/sehir_ekle_yeniden.png"
grep -qx "bSehir=Yeni Yer" "$AYAR" || e2e_fail "settings changed at start: $(cat "$AYAR")"
echo "screenshots: $E2E_SHOTS/sehir_ekle_*.png"
echo PASS
