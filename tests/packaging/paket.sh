#!/bin/bash
# The Debian package as a user gets it: built from this build folder by cpack, without a
# lintian error, warning or note, its AppStream file valid, and unpacked into a read-only root where a user
# with a home of their own runs orvanel-cli from it. The installed data.db stays as shipped,
# even when the files' owner adds; the places a user adds go to a copy in the user's data
# folder, made by the first add and read from then on.
#   tests/packaging/paket.sh BUILD_FOLDER
set -euo pipefail
BUILD=$(cd "$1" && pwd)
KAYNAK=$(cd "$(dirname "$0")/../.." && pwd)
T=$(mktemp -d)
trap 'chmod -R u+w "$T"; rm -rf "$T"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$T/paket" >"$T/cpack.log" 2>&1 ||
  fail "cpack: $(cat "$T/cpack.log")"
DEB=$(ls "$T"/paket/orvanel_*_amd64.deb 2>/dev/null || ls "$T"/paket/orvanel_*.deb)
[ -f "$DEB" ] || fail "no package: $(cat "$T/cpack.log")"
# Not even a note: manual pages, hardening, the sound player in the private libexec folder.
lintian --display-info --fail-on error,warning,info "$DEB" >"$T/lintian.log" 2>&1 || fail "lintian: $(cat "$T/lintian.log")"

KOK=$T/kok
dpkg-deb -x "$DEB" "$KOK"
# One reverse-DNS id, not under the reserved example domain, names the menu entry and the
# AppStream component; the homepage is the configured product address.
MENU=$(ls "$KOK"/usr/share/applications/*.desktop)
ID=$(basename "$MENU" .desktop)
[[ $ID =~ ^[a-z]+(\.[A-Za-z0-9_-]+){2,}$ && ! $ID =~ (^|\.)example\. ]] || fail "application id $ID"
for f in usr/bin/orvanel usr/bin/orvanel-cli usr/libexec/orvanel/orvanel-ses \
  usr/share/orvanel/data.db usr/share/orvanel/uyari.wma usr/share/orvanel/Ezan/ezan.wma \
  usr/share/metainfo/$ID.metainfo.xml usr/share/icons/hicolor/48x48/apps/orvanel.png \
  usr/share/doc/orvanel/copyright; do
  [ -f "$KOK/$f" ] || fail "$f is not in the package"
done
METAINFO=$KOK/usr/share/metainfo/$ID.metainfo.xml
ADRES=$(sed -n 's/^ORVANEL_URUN_ADRESI:STRING=//p' "$BUILD/CMakeCache.txt")
grep -q "<id>$ID</id>" "$METAINFO" && grep -q ">$ID.desktop</launchable>" "$METAINFO" ||
  fail "the AppStream id is not $ID"
grep -q "<url type=\"homepage\">$ADRES</url>" "$METAINFO" && [ "$(dpkg-deb -f "$DEB" Homepage)" = "$ADRES" ] ||
  fail "the homepage is not $ADRES"
appstreamcli validate --no-net "$METAINFO" >"$T/appstream.log" 2>&1 || fail "appstream: $(cat "$T/appstream.log")"
# The texts promise what is shipped: the user's own recordings from the Ezan folder, a chime.
for metin in "$(dpkg-deb -f "$DEB" Description)" "$(cat "$METAINFO")"; do
  if grep -qi "call to prayer" <<<"$metin" || ! grep -q "Ezan" <<<"$metin" || ! grep -qi chime <<<"$metin"; then
    fail "a package text promises the call to prayer or leaves out the Ezan folder and the chime: $metin"
  fi
done
chmod -R a-w "$KOK"

# The user: root may write anywhere, so as root the commands run as nobody.
EV=$T/ev
mkdir -p "$EV"
chmod 755 "$T"
kullanici=()
if [ "$(id -u)" -eq 0 ]; then
  chown 65534:65534 "$EV"
  kullanici=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
cli() {
  env -i HOME="$EV" PATH=/usr/bin:/bin LC_ALL=C.UTF-8 TZ=UTC "${kullanici[@]}" \
    "$KOK/usr/bin/orvanel-cli" "$@"
}
KOPYA=$EV/.local/share/Orvanel/data.db

cli times --date 2026-06-21 --place "istanbul,türkiye" | grep -q "Öğle.*13:12" ||
  fail "times from the installed data.db: $(cli times --date 2026-06-21 --place istanbul 2>&1)"
[ ! -e "$KOPYA" ] || fail "reading made a copy"

cli add --country Deneme --city "Yeni Köy" --tz 3 --lat 40.5 --lon 30.25 >"$T/ekle.out" 2>&1 ||
  fail "add: $(cat "$T/ekle.out")"
[ -f "$KOPYA" ] || fail "no copy in the user's data folder"
cmp -s "$KOK/usr/share/orvanel/data.db" "$KAYNAK/assets/data.db" || fail "the installed data.db changed"
# The copy is the shipped file with one line after it.
SATIR=$(printf '\r\n%s' "$(cat "$T/ekle.out")" | iconv -f UTF-8 -t WINDOWS-1254)
cmp -s "$KOPYA" <(cat "$KAYNAK/assets/data.db"; printf '%s' "$SATIR") ||
  fail "the copy is not the shipped file plus the new line"
cli search "Yeni Köy" | grep -q "^[0-9]*|Deneme|Yeni Köy|3|40,5|30,25$" ||
  fail "search does not find the added place: $(cli search "Yeni Köy" 2>&1)"

# From now on the copy is the file: a second add goes after the first.
cli add --country Deneme --city "Eski Köy" --tz 3 --lat 40 --lon 30 >/dev/null 2>&1 || fail "second add"
[ "$(tail -c 200 "$KOPYA" | iconv -f WINDOWS-1254 -t UTF-8 | grep -c "|Deneme|")" -eq 2 ] ||
  fail "the second add did not keep the first"
cli search "Eski Köy" | grep -q "|Deneme|Eski Köy|" || fail "search does not find the second place"

# The files' owner (root, when the test runs as root) may write the installed folder, and an
# add still goes to a copy of their own: an installed program never changes what it shipped.
chmod -R u+w "$KOK"
mkdir "$T/sahip"
env -i HOME="$T/sahip" PATH=/usr/bin:/bin LC_ALL=C.UTF-8 TZ=UTC "$KOK/usr/bin/orvanel-cli" add \
  --country Deneme --city Sahip --tz 3 --lat 40 --lon 30 >"$T/sahip.out" 2>&1 || fail "owner's add: $(cat "$T/sahip.out")"
cmp -s "$KOK/usr/share/orvanel/data.db" "$KAYNAK/assets/data.db" || fail "the owner's add changed the installed data.db"
[ -f "$T/sahip/.local/share/Orvanel/data.db" ] || fail "the owner's add made no copy of their own"
echo PASS
