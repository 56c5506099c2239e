#!/bin/bash
# A program folder without data.db: the message "Dosya Bulunamadı" appears, no main window,
# and the program ends once it is closed.
source "$(dirname "$0")/lib.sh" "$1"
[ -x "$E2E_BUILD/orvanel" ] || e2e_fail "$E2E_BUILD/orvanel is missing"
e2e_start

KLASOR="$E2E_TMP/program"
mkdir -p "$KLASOR"
cp "$E2E_BUILD/orvanel" "$KLASOR/"
cp -r "$E2E_BUILD/Ezan" "$E2E_BUILD/uyari.wma" "$KLASOR/"
"$KLASOR/orvanel" >"$E2E_TMP/orvanel.log" 2>&1 &
PID=$!
E2E_PIDS+=($PID)

e2e_wait_for 20 "[ -n \"\$(e2e_visible_windows '^Dosya Bulunamadı$')\" ]" ||
  e2e_fail "no message: $(cat "$E2E_TMP/orvanel.log")"
[ -z "$(e2e_visible_windows '^Orvanel orvanel')" ] || e2e_fail "the main window shows"
e2e_screenshot data_db_yok
KUTU=$(e2e_visible_windows '^Dosya Bulunamadı$' | head -1)
xdotool windowfocus --sync "$KUTU" key Return 2>/dev/null || xdotool key Return
for i in $(seq 1 50); do
  kill -0 "$PID" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$PID" 2>/dev/null && e2e_fail "the program did not end"
DURUM=0
wait "$PID" || DURUM=$?
[ "$DURUM" -eq 1 ] || e2e_fail "ended with status $DURUM, not 1"
echo PASS
