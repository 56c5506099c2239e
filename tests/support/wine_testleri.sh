#!/usr/bin/env bash
# Runs every test program of a Windows build under Wine, two at a time, each in a Wine prefix
# of its own (its own registry, profile and temporary folders: the Windows form of the
# isolation tests/support/yalitilmis.sh gives on Linux), copied from one booted prefix.
# Logic tests run as they are, widget tests on the offscreen platform. Prints one line a
# program and the failures' output; exits non-zero when any fails.
#   tests/support/wine_testleri.sh BUILD_DIR
set -uo pipefail
out=$(realpath "$1")
kok=$out/wine
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
mkdir -p "$kok"

# One booted prefix (about 12 s); each program gets a copy of it.
# Wine has no Arial, which the skin names: Liberation Sans, drawn to Arial's measures, stands
# in for it, as on Linux (Wine's own stand-in lacks the dotless ı).
if [ ! -f "$kok/sablon/.hazir" ]; then
  rm -rf "$kok/sablon"
  WINEPREFIX=$kok/sablon wineboot -i >/dev/null 2>&1
  WINEPREFIX=$kok/sablon wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial \
    /d 'Liberation Sans' /f >/dev/null 2>&1
  WINEPREFIX=$kok/sablon wineserver -w
  touch "$kok/sablon/.hazir"
fi

programlar=()
while IFS= read -r p; do programlar+=("$p"); done < <(cat "$out/orvanel_test_programs.txt")

calistir() {
  local ad=$1 exe=$out/$1.exe on=$kok/$1
  rm -rf "$on" && cp -a "$kok/sablon" "$on"
  local args=() gunluk=$on/sonuc.txt
  case $ad in
    tst_*) args=(-o "$gunluk,txt") ;;                         # Qt Test: into a file
    *) args=(--gtest_brief=1 --gtest_output="xml:$on/sonuc.xml") ;;
  esac
  # Windows takes its zone from the machine: a Wine session takes it from TZ when it starts,
  # and the program's own TZ must then be empty (Windows' C library reads it otherwise).
  local bolge=UTC
  [ "$ad" = yaz_saati_test ] && bolge=Europe/Berlin
  local basla=$SECONDS
  # (Wine passes no QT_ variable of Linux to Windows programs: cmd sets them. The offscreen
  # platform reads its fonts from one folder: Liberation Sans alone, the Arial the skin names,
  # as Linux's font configuration gives it.)
  (cd "$out" && WINEPREFIX=$on TZ=$bolge timeout 600 \
     wine cmd /c "set TZ=&& set QT_QPA_PLATFORM=offscreen&& set QT_QPA_FONTDIR=$fontlar&& $ad.exe ${args[*]}" \
     >"$on/cikti.txt" 2>&1)
  local durum=$?
  WINEPREFIX=$on wineserver -k 2>/dev/null
  if [ $durum -eq 0 ]; then
    echo "gecti  $ad ($((SECONDS - basla)) s)"
    rm -rf "$on"
  else
    echo "KALDI  $ad (durum $durum, $((SECONDS - basla)) s)"
    cat "$on/cikti.txt" "$gunluk" 2>/dev/null | grep -avE '^\[ +(OK|RUN) +\]|^PASS' | tail -n 60
  fi
  return $durum
}
mkdir -p "$kok/fontlar"
ln -sf /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf "$kok/fontlar/"
fontlar="Z:$(echo "$kok/fontlar" | tr / '\\')"
export -f calistir
export out kok fontlar

printf '%s\n' "${programlar[@]}" | xargs -P 2 -I{} bash -c 'calistir {}' > "$kok/ozet.txt"
durum=$?
sort "$kok/ozet.txt" | grep -E '^(gecti|KALDI) '
grep -vE '^(gecti|KALDI) ' "$kok/ozet.txt"
gecen=$(grep -c '^gecti ' "$kok/ozet.txt")
kalan=$(grep -c '^KALDI ' "$kok/ozet.txt")
echo "Windows test programs: $gecen of $((gecen + kalan)) passed"
[ $durum -eq 0 ] && [ "$kalan" -eq 0 ]
