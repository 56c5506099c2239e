#!/bin/bash
# The delay from the countdown's call to play a sound (SesCalar::Cal) to its first sample reaching
# the audio server, and how long the call itself takes (the tick waits for it): a PulseAudio server of its own with a null sink (a paced device without
# hardware), parec recording that sink's monitor, and build/ses_gecikmesi playing uyari.wma
# twice in one process, RUNS times. Prints the medians of the first and of the second sound.
# The first run is not counted (the system's file caches); GStreamer's plugin registry is
# kept between runs, as on a user's machine.
#
#   bash bench/ses_gecikmesi.sh BUILD_FOLDER [RUNS]      (default build, 15 runs)
#   needs pulseaudio and pulseaudio-utils (not part of scripts/deps.sh)
set -uo pipefail
BUILD=$(cd "${1:-build}" && pwd)
RUNS=${2:-15}
PROGRAM=$BUILD/ses_gecikmesi
[ -x "$PROGRAM" ] || { echo "$PROGRAM is missing (cmake --build $BUILD --target ses_gecikmesi)"; exit 1; }
command -v pulseaudio >/dev/null && command -v parec >/dev/null ||
  { echo "needs pulseaudio and parec: apt-get install pulseaudio pulseaudio-utils"; exit 1; }
T=$(mktemp -d)
mkdir -p "$T/home" "$T/run"
chmod 700 "$T/run"
export HOME=$T/home XDG_RUNTIME_DIR=$T/run XDG_CACHE_HOME=$T/home/.cache XDG_CONFIG_HOME=$T/home/.config
unset DISPLAY WAYLAND_DISPLAY PULSE_SERVER
cat >"$T/pa.pa" <<'PA'
load-module module-null-sink sink_name=olcum rate=44100
set-default-sink olcum
load-module module-native-protocol-unix
PA
pulseaudio -n -F "$T/pa.pa" --daemonize=no --exit-idle-time=-1 --use-pid-file=no >"$T/pa.log" 2>&1 &
PA=$!
trap 'kill $PA 2>/dev/null; wait $PA 2>/dev/null; rm -rf "$T"' EXIT
for ((i = 0; i < 100; i++)); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { echo "PulseAudio did not start: $(cat "$T/pa.log")"; exit 1; }

olc() {
  (cd "$BUILD" && "$PROGRAM" "$BUILD/uyari.wma" parec --raw --format=s16le --rate=44100 \
    --channels=2 --latency-msec=5 -d olcum.monitor 2>>"$T/err")
}
olc >/dev/null
: >"$T/olcumler"
for ((i = 0; i < RUNS; i++)); do
  olc >>"$T/olcumler" || { echo "run $i failed: $(tail -5 "$T/err")"; exit 1; }
done
median() { awk -v a="$1" -v c="${2:-2}" '$1 == a {print $c}' "$T/olcumler" | sort -n |
  awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }
range() { awk -v a="$1" '$1 == a {print $2}' "$T/olcumler" | sort -n | sed -n '1p;$p' | paste -sd- ; }
echo "uyari.wma, $RUNS runs, medians: first sound $(median first) ms (range $(range first))," \
  "second sound $(median second) ms (range $(range second)); the call itself held the tick" \
  "$(median first 3) ms for the first, $(median second 3) ms for the second"
