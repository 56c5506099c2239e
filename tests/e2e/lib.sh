# Shared set-up of the end-to-end tests: a private Xvfb display with a trayer
# notification area, a temporary HOME with its own XDG folders, and helpers to wait for
# windows and take screenshots. Source it, then call e2e_start; cleanup is automatic.
set -euo pipefail

E2E_BUILD=${1:?build folder}
E2E_SHOTS="$E2E_BUILD/screenshots"
mkdir -p "$E2E_SHOTS"
E2E_TMP=$(mktemp -d)
E2E_PIDS=()

e2e_cleanup() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

e2e_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts Xvfb (1920x1080) and trayer at the bottom-right, and sets up a fresh user.
e2e_start() {
  e2e_start_x
  e2e_start_tray
}

# Xvfb and a fresh user, without a notification area yet.
e2e_start_x() {
  export HOME="$E2E_TMP/home"
  export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
  export XDG_CACHE_HOME="$HOME/.cache" XDG_RUNTIME_DIR="$E2E_TMP/run"
  export TMPDIR="$E2E_TMP" LC_ALL=C.UTF-8 LANG=C.UTF-8 TZ=${TZ:-Europe/Istanbul}
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS

  local fifo="$E2E_TMP/displayfd"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$fifo" &
  E2E_PIDS+=($!)
  local n
  read -r -t 20 n <"$fifo" || e2e_fail "Xvfb did not start"
  export DISPLAY=":$n"
  # The empty screen under a main window's 242 x 341, for e2e_settle.
  SIYAH=$(e2e_area 0 0 242 341)
}

# trayer, the notification area, at the bottom-right; E2E_PANEL is its window. trayer now and
# then dies at start-up on a display that has just come up; one that ended is started again.
e2e_start_tray() {
  local try pid
  for try in 1 2 3; do
    trayer --edge bottom --align right --widthtype pixel --width 120 --heighttype pixel \
      --height 40 --SetDockType true --SetPartialStrut true --transparent false \
      --tint 0xdddddd >>"$E2E_TMP/trayer.log" 2>&1 &
    pid=$!
    E2E_PIDS+=($pid)
    if e2e_wait_for 10 "xdotool search --classname panel || ! kill -0 $pid" &&
      xdotool search --classname panel >/dev/null 2>&1; then
      E2E_PANEL=$(xdotool search --classname panel | head -1)
      return 0
    fi
    kill -0 "$pid" 2>/dev/null && break
  done
  e2e_fail "trayer did not start: $(cat "$E2E_TMP/trayer.log")"
}

# The lines of the panel's window tree that are icons of the named program.
e2e_icons() {
  xwininfo -tree -id "$E2E_PANEL" 2>/dev/null | grep "\"$1\"" || true
}

# e2e_wait_gone SECONDS PID: true once the process has ended.
e2e_wait_gone() {
  e2e_wait_for "$1" "! kill -0 $2"
}

# e2e_wait_for SECONDS COMMAND...: polls the command every 100 ms until it succeeds.
e2e_wait_for() {
  local limit=$(($1 * 10))
  shift
  local i
  for ((i = 0; i < limit; i++)); do
    if eval "$*" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  return 1
}

# e2e_area X Y W H: a checksum of what the screen shows there.
e2e_area() {
  import -window root -crop "$3x$4+$1+$2" -depth 8 rgb:- 2>/dev/null | md5sum
}

# e2e_settle BEFORE X Y W H: waits (up to 10 s) until the area differs from the checksum
# BEFORE (empty: any) and then shows the same in two grabs 100 ms apart: whatever an action
# started there (a paint, a page sliding in, a menu opening) has finished.
e2e_settle() {
  local once=$1 onceki="" simdi i
  shift
  for ((i = 0; i < 100; i++)); do
    simdi=$(e2e_area "$@")
    if [ "$simdi" != "$once" ] && [ "$simdi" = "$onceki" ]; then return 0; fi
    onceki=$simdi
    sleep 0.1
  done
  return 1
}

# Visible top-level window ids whose name matches.
e2e_visible_windows() {
  xdotool search --onlyvisible --name "$1" 2>/dev/null || true
}

e2e_screenshot() {
  import -window root "$E2E_SHOTS/$1.png"
}
