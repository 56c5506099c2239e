#!/bin/bash
# The program's memory after a sound against a quiet start. The real program runs on a private
# Xvfb with trayer and a PulseAudio server of its own (a null sink: a paced device without
# hardware), started under faketime in İstanbul on 21 June 2026 (Öğle at 13:12, 15 minutes of
# warning by default):
#   warning  at 12:57:58: the warning on its first tick; measured 15 s after its sound ended;
#   ezan     at 13:11:56: the warning, then Öğle's ezan at 13:12:00; measured 25 s after the
#            ezan ended;
#   quiet    at 10:00:00: no sound; measured as long after its start as each of the two.
# A sound plays while the audio server holds a stream for it. Prints the resident memory
# (VmRSS) and PSS of each measure, the sound libraries mapped into the program, and the peak
# memory (VmHWM) of the player processes while they play. Exits 1 when the program holds more
# than 5 MiB above the quiet start after a sound, or has a sound library mapped.
#
#   bash bench/ses_bellek.sh BUILD_FOLDER
#   needs pulseaudio and pulseaudio-utils (not part of scripts/deps.sh)
set -uo pipefail
BUILD=$(cd "${1:-build}" && pwd)
source "$(dirname "$0")/../tests/e2e/lib.sh" "$BUILD"
set +e
PROGRAM=$BUILD/orvanel
[ -x "$PROGRAM" ] || e2e_fail "$PROGRAM is missing"
command -v pulseaudio >/dev/null && command -v pactl >/dev/null ||
  e2e_fail "needs pulseaudio and pactl: apt-get install pulseaudio pulseaudio-utils"
# The libraries that only playing a sound brings in.
SES_KUTUPHANELERI='libQt6Multimedia|libgst|gstreamer|libpulse|libasound|libsndfile|libav(codec|format)'

e2e_start
cat >"$E2E_TMP/pa.pa" <<'PA'
load-module module-null-sink sink_name=olcum
set-default-sink olcum
load-module module-native-protocol-unix
PA
pulseaudio -n -F "$E2E_TMP/pa.pa" --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  >"$E2E_TMP/pa.log" 2>&1 &
E2E_PIDS+=($!)
e2e_wait_for 10 "pactl info" || e2e_fail "PulseAudio did not start: $(cat "$E2E_TMP/pa.log")"
akis_var() { [ -n "$(pactl list short sink-inputs 2>/dev/null)" ]; }

# baslat TIME: starts the program at that moment of its clock; PID, BAS (wall clock, s).
baslat() {
  BAS=$(date +%s.%N)
  FAKETIME="@2026-06-21 $1" "${E2E_SAATTE[@]}" "$PROGRAM" >>"$E2E_TMP/orvanel.log" 2>&1 &
  PID=$!
  E2E_PIDS+=($PID)
  e2e_wait_for 30 "[ -n \"\$(e2e_visible_windows '^Orvanel ')\" ]" || e2e_fail "no window"
}
gecen() { awk -v b="$BAS" -v s="$(date +%s.%N)" 'BEGIN {printf "%.1f", s - b}'; }
# sesi_izle: waits for a stream to come and go, noting the players' peak memory meanwhile.
sesi_izle() {
  e2e_wait_for 60 akis_var || e2e_fail "no sound was played: $(tail -5 "$E2E_TMP/orvanel.log")"
  while akis_var; do
    for p in $(pgrep -P "$PID" -x orvanel-ses); do
      h=$(awk '/^VmHWM/ {print $2}' "/proc/$p/status" 2>/dev/null)
      [ -n "$h" ] && [ "$h" -gt "$TEPE" ] && TEPE=$h
    done
    sleep 0.1
  done
}
# olc NAME: the program's memory now, as "NAME seconds rss_kib pss_kib sound_library_mappings".
olc() {
  local rss pss kut
  rss=$(awk '/^VmRSS/ {print $2}' "/proc/$PID/status")
  pss=$(awk '/^Pss:/ {print $2}' "/proc/$PID/smaps_rollup")
  kut=$(grep -cE "$SES_KUTUPHANELERI" "/proc/$PID/maps")
  echo "$1 $(gecen) $rss $pss $kut"
}
bitir() {
  kill "$PID"
  wait "$PID" 2>/dev/null
}

TEPE=0
baslat 12:57:58
sesi_izle
sleep 15
UYARI=($(olc uyari))
bitir

baslat 13:11:56
# Anything playing past 13:12:01 is the ezan (it cuts off a warning that still plays).
sleep 5
sesi_izle
sleep 25
EZAN=($(olc ezan))
bitir

baslat 10:00:00
akis_var && e2e_fail "a sound at a quiet time"
SESSIZ=()
for s in $(printf '%s\n' "${UYARI[1]}" "${EZAN[1]}" | sort -n); do
  sleep "$(awk -v s="$s" -v g="$(gecen)" 'BEGIN {d = s - g; print (d > 0) ? d : 0}')"
  SESSIZ+=("$(olc sessiz)")
done
bitir
read -r _ SESSIZ1_S SESSIZ1_RSS SESSIZ1_PSS _ <<<"${SESSIZ[0]}"
read -r _ SESSIZ2_S SESSIZ2_RSS SESSIZ2_PSS _ <<<"${SESSIZ[1]}"

mib() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }
sonuc=0
rapor() { # NAME MEASURE... QUIET_RSS QUIET_PSS
  local ad=$1 s=$3 rss=$4 pss=$5 kut=$6 qrss=$7 qpss=$8 fark
  fark=$((rss - qrss))
  echo "  $ad, $s s after start: RSS $(mib "$rss") MiB (quiet start $(mib "$qrss"), difference" \
    "$(mib "$fark")), PSS $(mib "$pss") MiB (quiet $(mib "$qpss")), sound-library mappings: $kut"
  if [ "$fark" -gt 5120 ] || [ "$kut" -gt 0 ]; then sonuc=1; fi
}
echo "Memory after a sound ($PROGRAM)"
if [ "${UYARI[1]%.*}" -le "${EZAN[1]%.*}" ]; then
  rapor "warning, 15 s after its sound" "${UYARI[@]}" "$SESSIZ1_RSS" "$SESSIZ1_PSS"
  rapor "ezan, 25 s after its sound" "${EZAN[@]}" "$SESSIZ2_RSS" "$SESSIZ2_PSS"
else
  rapor "warning, 15 s after its sound" "${UYARI[@]}" "$SESSIZ2_RSS" "$SESSIZ2_PSS"
  rapor "ezan, 25 s after its sound" "${EZAN[@]}" "$SESSIZ1_RSS" "$SESSIZ1_PSS"
fi
if [ "$TEPE" -gt 0 ]; then
  echo "  the player processes' peak memory while they played: $(mib "$TEPE") MiB"
else
  echo "  no player process: the sound played inside the program"
fi
[ $sonuc -eq 0 ] && echo "PASS: within 5 MiB of the quiet start, no sound library mapped" ||
  echo "FAIL: more than 5 MiB above the quiet start, or a sound library mapped"
exit $sonuc
