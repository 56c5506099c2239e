# Shared set-up of the end-to-end tests: a private Xvfb display with a trayer
# notification area, a temporary HOME with its own XDG folders, and helpers to wait for
# windows and take screenshots. Source it, then call e2e_start; cleanup is automatic
# (E2E_KEEP=DIR copies the run's files, its logs and HOME, to DIR first).
set -euo pipefail

E2E_BUILD=${1:?build folder}
E2E_SHOTS="$E2E_BUILD/screenshots"
mkdir -p "$E2E_SHOTS"
E2E_TMP=$(mktemp -d)
E2E_PIDS=()

# Whether the process still is one of this test's (it runs with this test's HOME): the
# system hands process numbers out again within seconds while tests run side by side, and a
# number recorded earlier may by now belong to another test's X server.
e2e_ours() {
  { tr '\0' '\n' <"/proc/$1/environ"; } 2>/dev/null | grep -qxF "HOME=$E2E_TMP/home"
}

e2e_cleanup() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do
    if e2e_ours "$pid"; then kill "$pid" 2>/dev/null || true; fi
  done
  for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  if [ -n "${E2E_KEEP:-}" ]; then cp -r "$E2E_TMP" "$E2E_KEEP"; fi
  rm -rf "$E2E_TMP"
}

# Runs a command with its clock starting at a fixed moment, e.g.
#   FAKETIME="@2026-06-21 13:00:00" "${E2E_SAATTE[@]}" "$PROGRAM" &
# libfaketime preloaded directly: the faketime wrapper's named semaphore now and then collides
# between tests running side by side. The command itself is the background job.
E2E_SAATTE=(env "LD_PRELOAD=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -1)")
export FAKETIME_DONT_FAKE_MONOTONIC=1
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

  # A display number of its own, drawn at random, so that tests side by side do not start on
  # a number another test's server has just left; a number in use makes Xvfb end, and another
  # is drawn. -noreset: without it the server resets whenever its last client leaves (the
  # readiness check and e2e_area are clients), and a program connecting right then is turned
  # away ("could not connect to display").
  local try n pid
  for try in 1 2 3 4 5; do
    n=$((1000 + RANDOM % 30000))
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp -noreset >"$E2E_TMP/xvfb.log" 2>&1 &
    pid=$!
    if e2e_wait_for 20 "xdpyinfo -display :$n || ! kill -0 $pid" && xdpyinfo -display ":$n" >/dev/null 2>&1; then
      E2E_PIDS+=($pid)
      break
    fi
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    n=
  done
  [ -n "$n" ] || e2e_fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
  export DISPLAY=":$n"
  # The empty screen under a main window's 242 x 341, for e2e_settle.
  SIYAH=$(e2e_area 0 0 242 341)
}

# e2e_start_tray [EDGE [THICKNESS]]: trayer, the notification area, along the screen's bottom
# edge (or EDGE) at its far end, 120 pixels long and 40 (or THICKNESS) thick; its strut
# reserves that strip for a window manager to leave free. E2E_PANEL is its window, E2E_TRAYER
# its process. trayer now and then dies at start-up on a display that has just come up; one
# that ended is started again.
e2e_start_tray() {
  local try pid
  for try in 1 2 3; do
    trayer --edge "${1:-bottom}" --align right --widthtype pixel --width 120 --heighttype pixel \
      --height "${2:-40}" --SetDockType true --SetPartialStrut true --transparent false \
      --tint 0xdddddd >>"$E2E_TMP/trayer.log" 2>&1 &
    pid=$!
    E2E_PIDS+=($pid)
    if e2e_wait_for 10 "xdotool search --classname panel || ! kill -0 $pid" &&
      xdotool search --classname panel >/dev/null 2>&1; then
      E2E_PANEL=$(xdotool search --classname panel | head -1)
      E2E_TRAYER=$pid
      return 0
    fi
    kill -0 "$pid" 2>/dev/null && break
  done
  e2e_fail "trayer did not start: $(cat "$E2E_TMP/trayer.log")"
}

# openbox, a window manager that keeps "always on top" windows and the dialogs of a window
# above it, and publishes the area the panels leave free (_NET_WORKAREA). It has taken the
# screen once it names itself on the root window, but a window mapped while it still sets
# itself up may go unmanaged: it is ready when it runs its start-up command.
e2e_start_wm() {
  openbox --sm-disable --startup "touch $E2E_TMP/openbox.ready" >"$E2E_TMP/openbox.log" 2>&1 &
  E2E_PIDS+=($!)
  e2e_wait_for 10 "[ -e $E2E_TMP/openbox.ready ] &&
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" ||
    e2e_fail "openbox did not start: $(cat "$E2E_TMP/openbox.log")"
}

# e2e_wait_workarea "X, Y, W, H": waits until the window manager publishes that free area.
e2e_wait_workarea() {
  e2e_wait_for 10 "xprop -root _NET_WORKAREA | grep -q '= $1\(,\|\$\)'" ||
    e2e_fail "free area $(xprop -root _NET_WORKAREA), not $1;" \
      "panel $(xprop -id "$E2E_PANEL" _NET_WM_STRUT_PARTIAL)"
}

# The topmost managed window, panels aside (a window manager keeps them above ordinary
# windows), and the one with the keyboard focus, in decimal.
e2e_topmost() {
  local w i
  w=($(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*#//; s/,/ /g'))
  for ((i = ${#w[@]} - 1; i > 0; i--)); do
    xprop -id "${w[i]}" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DOCK || break
  done
  echo $((w[i]))
}
e2e_focus() {
  xdotool getwindowfocus
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

# e2e_start_window PROGRAM: the program started at 10:00 on 21 June 2026 (faketime) and its
# main window (the title pattern BASLIK) found and drawn: PID is the process, W the window,
# X and Y its place.
e2e_start_window() {
  FAKETIME="@2026-06-21 10:00:00" "${E2E_SAATTE[@]}" "$1" >"$E2E_TMP/orvanel.log" 2>&1 &
  PID=$!
  E2E_PIDS+=($PID)
  e2e_wait_for 30 "[ -n \"\$(e2e_visible_windows '$BASLIK')\" ]" ||
    e2e_fail "no window: $(cat "$E2E_TMP/orvanel.log")"
  W=$(e2e_visible_windows "$BASLIK" | head -1)
  eval "$(xdotool getwindowgeometry --shell "$W")"
  e2e_settle "$SIYAH" "$X" "$Y" 242 341 || e2e_fail "the window never finished drawing"
}
