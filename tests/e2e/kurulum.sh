#!/bin/bash
# An installed copy stands on its own: `cmake --install` into a folder, that folder copied
# elsewhere and the first one deleted. No installed file names the build or source folder,
# and the copy starts, shows its window and, for the warning at 13:00 on 21 June 2026, starts
# the sound player of its own layout. Its windows carry the class the menu entry names.
source "$(dirname "$0")/lib.sh" "$1"
KAYNAK=$(cd "$(dirname "$0")/../.." && pwd)
e2e_start

cmake --install "$E2E_BUILD" --prefix "$E2E_TMP/kur" --strip >"$E2E_TMP/kurulum.log" 2>&1 ||
  e2e_fail "install failed: $(cat "$E2E_TMP/kurulum.log")"
cp -a "$E2E_TMP/kur" "$E2E_TMP/kopya"
rm -rf "$E2E_TMP/kur"

# As 8-bit text or as the UTF-16 of a QStringLiteral.
ADAYLAR=$(find "$E2E_TMP/kopya" -type f -print0 | perl -0ne '
  BEGIN { @yollar = map { ($_, join("\0", split(//, $_)) . "\0") } @ARGV[0, 1]; @ARGV = () }
  chomp; my $f = $_; local $/; open(my $h, "<", $f) or next; my $d = <$h>;
  for my $y (@yollar) { if (index($d, $y) >= 0) { print "$f\n"; last } }' \
  "$(cd "$E2E_BUILD" && pwd)" "$KAYNAK")
[ -z "$ADAYLAR" ] || e2e_fail "installed files name the build or source folder: $ADAYLAR"

PROGRAM=$(find "$E2E_TMP/kopya" -type f -name orvanel -perm -u+x | head -1)
[ -n "$PROGRAM" ] || e2e_fail "no orvanel in the install"
CLI=$(dirname "$PROGRAM")/orvanel-cli
"$CLI" times --date 2026-06-21 | grep -q "Öğle.*13:12" || e2e_fail "orvanel-cli: $("$CLI" times 2>&1)"

FAKETIME="@2026-06-21 13:00:00" "${E2E_SAATTE[@]}" "$PROGRAM" >"$E2E_TMP/orvanel.log" 2>&1 &
PID=$!
E2E_PIDS+=($PID)
e2e_wait_for 30 "[ -n \"\$(e2e_visible_windows '^Yeni Mesaj$')\" ]" ||
  e2e_fail "no warning popup: $(cat "$E2E_TMP/orvanel.log")"
ORVANEL=$PID
SINIF=$(sed -n 's/^StartupWMClass=//p' "$E2E_TMP"/kopya/share/applications/*.desktop)
xprop -id "$(e2e_visible_windows '^Yeni Mesaj$' | head -1)" WM_CLASS | grep -q ", \"$SINIF\"$" ||
  e2e_fail "the menu entry's StartupWMClass '$SINIF' is not the window's class"
oynatici() { readlink "/proc/$(pgrep -P "$ORVANEL" -x orvanel-ses | head -1)/exe"; }
e2e_wait_for 20 "oynatici | grep -qx '$E2E_TMP/kopya/libexec/orvanel/orvanel-ses'" ||
  e2e_fail "the sound player was not started from the copy: $(oynatici)"
echo PASS
