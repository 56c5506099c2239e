#!/usr/bin/env bash
# The Windows program under Wine on an X display with a notification area (trayer), as a user
# sees it: the window at its place with the warning popup above the panel, a page, the tray
# menu, and a second start handing over to the first. The screenshots go to
# BUILD_DIR/screenshots/windows_*.png (the README shows them).
#   tests/support/wine_ekran.sh BUILD_DIR      (under an X display: scripts/windows.sh)
set -euo pipefail
out=$(realpath "$1")
kok=$out/wine
on=$kok/ekran
resimler=$out/screenshots
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPREFIX=$on
hata() { echo "wine_ekran: $*" >&2; exit 1; }
# Polls a condition for up to $1 seconds.
bekle() {
  local son=$((SECONDS + $1))
  shift
  until eval "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $son ] || return 1
    sleep 0.1
  done
}
# The screen's lower right quarter once it has stopped changing (two grabs alike).
cek() {
  local once="" simdi
  for _ in $(seq 100); do
    simdi=$(import -window root -crop 640x560+640+464 -depth 8 rgb:- 2>/dev/null | md5sum)
    [ "$simdi" = "$once" ] && break
    once=$simdi
    sleep 0.2
  done
  import -window root -crop 640x560+640+464 +repage "$resimler/windows_$1.png"
}

mkdir -p "$resimler"
rm -rf "$on" && cp -a "$kok/sablon" "$on"
trayer --edge bottom --align right --widthtype pixel --width 120 --heighttype pixel --height 40 \
  --SetDockType true --SetPartialStrut true --transparent false --tint 0xdddddd \
  >"$on/trayer.log" 2>&1 &
tepsi=$!
trap 'wineserver -k 2>/dev/null; kill $tepsi 2>/dev/null' EXIT
bekle 10 "xdotool search --classname panel" || hata "no notification area"

# A warning lead of nine hours: the first tick warns, so the popup shows at start.
wine reg add 'HKCU\Software\VB and VBA Program Settings\Orvanel\Vakit' /v BADakika /d 546 \
  /f >/dev/null
(cd "$out" && exec wine orvanel.exe >"$on/orvanel.txt" 2>&1) &
disown
bekle 60 "xdotool search --onlyvisible --class orvanel.exe" ||
  hata "no window: $(cat "$on/orvanel.txt")"
pencere=$(xdotool search --onlyvisible --class orvanel.exe | while read -r w; do
  [ "$(xdotool getwindowgeometry "$w" | grep -o '[0-9]*x[0-9]*$')" = 242x341 ] && echo "$w"
done | head -1)
[ -n "$pencere" ] || hata "no 242x341 main window"
cek pencere

# A second start hands its command line to the first (a named pipe of the session and user)
# and ends at once; the first stays.
(cd "$out" && timeout 30 wine orvanel.exe) || hata "the second start did not end by itself"
[ "$(xdotool search --onlyvisible --class orvanel.exe | wc -l)" -ge 1 ] || hata "the first ended"

# The popup goes after its eight seconds; then the page and the menu are seen whole.
gorunen() { xdotool search --onlyvisible --class orvanel.exe | while read -r w; do
  xdotool getwindowgeometry "$w" | grep -o '[0-9]*x[0-9]*$'; done | grep -vc '^2[0-9]x2[0-9]$'; }
bekle 30 '[ "$(gorunen)" -eq 1 ]' || hata "the popup stays"

# The religious-days page through its tab button (156, 298, 38 x 38).
eval "$(xdotool getwindowgeometry --shell "$pencere")"
xdotool mousemove $((X + 175)) $((Y + 317)) click 1
cek sayfa

# The tray menu from the icon's right button.
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --classname panel | head -1)")"
xdotool mousemove $((X + WIDTH - 12)) $((Y + HEIGHT / 2)) click 3
cek menu
xdotool key Escape
echo "screenshots: $resimler/windows_{pencere,sayfa,menu}.png"
