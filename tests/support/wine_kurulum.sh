#!/usr/bin/env bash
# The Windows installer under Wine, as a user meets it: a silent install into Program Files,
# the installed orvanel-cli printing what the Linux one prints, the program starting from the
# Start-menu entry's target, and a silent uninstall that removes every file it installed and
# its "Apps" entry, while the user's settings stay. Also the portable .zip's contents.
#   tests/support/wine_kurulum.sh BUILD_DIR [NATIVE_BUILD_DIR]
set -euo pipefail
out=$(realpath "$1")
native=$(realpath "${2:-build}")
kaynak=$(realpath "$(dirname "$0")/../..")
kok=$out/wine
on=$kok/kurulum
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPREFIX=$on
unset TZ
hata() { echo "wine_kurulum: $*" >&2; exit 1; }

rm -rf "$on" && cp -a "$kok/sablon" "$on"
kurucu=$(ls "$out"/Orvanel-*-win64.exe)
zip=$(ls "$out"/Orvanel-*-win64.zip)
echo "installer $(basename "$kurucu"): $(du -h "$kurucu" | cut -f1); zip: $(du -h "$zip" | cut -f1)"
icerik=$(unzip -Z1 "$zip")
grep -q '/orvanel.exe$' <<<"$icerik" || hata "the .zip has no orvanel.exe"
grep -q '/platforms/qwindows.dll$' <<<"$icerik" || hata "the .zip has no platform plugin"

wine "$kurucu" /S
wineserver -w
klasor="$on/drive_c/Program Files/Orvanel"
kurulan=$(cd "$klasor" && find . -type f | sort)
for f in orvanel.exe orvanel-cli.exe orvanel-ses.exe data.db uyari.wma Ezan/ezan.wma \
  Qt6Core.dll platforms/qwindows.dll Uninstall.exe; do
  [ -f "$klasor/$f" ] || hata "not installed: $f"
done
ls "$on/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Orvanel/"*.lnk >/dev/null ||
  hata "no Start-menu entry"
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvanel' >/dev/null ||
  hata "not listed among the installed programs"

# The installed command line prints what the Linux one prints (Windows ends lines with CR LF).
args=(times --date 2026-06-21 --place "istanbul,türkiye")
beklenen=$("$native/orvanel-cli" "${args[@]}" 2>&1)
alinan=$(wine "C:\\Program Files\\Orvanel\\orvanel-cli.exe" "${args[@]}" 2>&1)
[ "$alinan" = "$beklenen" ] || hata "orvanel-cli.exe prints
$alinan
where orvanel-cli prints
$beklenen"
echo "orvanel-cli.exe times prints what orvanel-cli prints"

# The program starts from the Start-menu entry's target and shows its window.
wine "C:\\Program Files\\Orvanel\\orvanel.exe" >"$on/orvanel.txt" 2>&1 &
for _ in $(seq 600); do
  xdotool search --onlyvisible --class orvanel.exe >/dev/null 2>&1 && break
  kill -0 $! 2>/dev/null || hata "orvanel.exe ended at start: $(cat "$on/orvanel.txt")"
  sleep 0.1
done
xdotool search --onlyvisible --class orvanel.exe >/dev/null || hata "orvanel.exe shows no window"
wine taskkill /IM orvanel.exe /F >/dev/null 2>&1 || true
wineserver -w

# A place added by the installed copy goes to the user's own data.db, never into Program
# Files; with the chosen place it stays after uninstalling.
wine "C:\\Program Files\\Orvanel\\orvanel-cli.exe" add --country Türkiye --city "Deneme Köyü" \
  --tz 2 --lat 41.2 --lon 29.1 --select >/dev/null
kullanici="$on/drive_c/users/${USER:-$(id -un)}/AppData/Local/Orvanel/data.db"
[ -f "$kullanici" ] || hata "the added place is not in %LOCALAPPDATA%\\Orvanel\\data.db"
cmp -s "$klasor/data.db" "$kaynak/assets/data.db" || hata "the installed data.db was changed"

# Uninstalled silently: every installed file and the "Apps" entry go, the settings stay.
wine "C:\\Program Files\\Orvanel\\Uninstall.exe" /S
wineserver -w
kalan=$( [ -d "$klasor" ] && cd "$klasor" && find . | sort || true)
[ -z "$kalan" ] || hata "left after uninstalling: $kalan"
! wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvanel' \
  >/dev/null 2>&1 || hata "still listed after uninstalling"
[ -f "$kullanici" ] || hata "the user's places went with the program"
wine reg query 'HKCU\Software\VB and VBA Program Settings\Orvanel\Vakit' /v bSehir \
  >/dev/null || hata "the user's settings went with the program"
echo "installed $(echo "$kurulan" | wc -l) files, uninstalled all of them; the user's data stays"
