#!/usr/bin/env bash
# Applies each fault of scripts/mutants.txt in turn to a copy of the sources, builds the logic
# tests there and runs them; a fault is caught when a test fails. Prints one line per fault
# and exits 1 when one was not caught. The working tree is never touched. A fault in widget code
# names in a fifth column the widget or end-to-end test that must catch it; that test alone is
# built (an end-to-end one: the program), with the widgets, in a second build folder.
#   scripts/mutate.sh [LIST] [BUILD_DIR]     (default scripts/mutants.txt, /tmp/orvanel-mutate)
set -euo pipefail
KAYNAK=$(cd "$(dirname "$0")/.." && pwd)
LISTE=${1:-$KAYNAK/scripts/mutants.txt}
KOK=${2:-/tmp/orvanel-mutate}
KOPYA=$KOK/src
DERLEME=$KOK/build
DERLEME_GUI=$KOK/build-gui
mkdir -p "$KOK"
# A fresh copy keeps the files' times, so the build folder only rebuilds what changed; a run
# that was stopped while a fault stood in a file leaves objects newer than the restored file,
# so the build folder goes too.
[ -e "$KOK/uygulanan" ] && rm -rf "$DERLEME" "$DERLEME_GUI" "$KOK/uygulanan"
rm -rf "$KOPYA"
mkdir -p "$KOPYA"
tar -C "$KAYNAK" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$KOPYA" -xf -
cmake -S "$KOPYA" -B "$DERLEME" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANEL_LOGIC_ONLY=ON \
  >/dev/null
cmake --build "$DERLEME" --target orvanel_logic_tests >/dev/null

# Every test runs in its own temporary HOME; ctest stops at the first failure.
testler() {
  HOME=$(mktemp -d) XDG_RUNTIME_DIR=$(mktemp -d) \
    ctest --test-dir "$DERLEME" -L logic -j "$(nproc)" --stop-on-failure --timeout 600 \
    >"$KOK/son.log" 2>&1
}
testler || { echo "the logic tests fail without any fault: $KOK/son.log"; exit 2; }

# What builds a test: its own program, or for an end-to-end test the program it runs.
hedefi() { if [[ "$1" == e2e_* ]]; then echo orvanel; else echo "$1"; fi; }

# The widget test named for a fault: built (configuring the widget build on first use) and run.
declare -A gui_saglam
gui_testi() {
  [ -f "$DERLEME_GUI/build.ninja" ] ||
    cmake -S "$KOPYA" -B "$DERLEME_GUI" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$DERLEME_GUI" --target "$(hedefi "$1")" >"$KOK/derleme.log" 2>&1 || return 2
  HOME=$(mktemp -d) XDG_RUNTIME_DIR=$(mktemp -d) \
    ctest --test-dir "$DERLEME_GUI" -R "^$1\$" --timeout 600 >"$KOK/son.log" 2>&1
}

kacan=0
toplam=0
while IFS=$'\t' read -r dosya eski yeni aciklama gui; do
  [[ -z "$dosya" || "$dosya" == \#* ]] && continue
  toplam=$((toplam + 1))
  hedef="$KOPYA/$dosya"
  cp "$KAYNAK/$dosya" "$hedef"
  adet=$(ESKI="$eski" perl -0ne 'print scalar(() = /\Q$ENV{ESKI}\E/g)' "$hedef")
  if [ "$adet" != 1 ]; then
    echo "LIST   $dosya: the text occurs $adet times: $eski"
    kacan=$((kacan + 1))
    continue
  fi
  if [ -n "$gui" ] && [ -z "${gui_saglam[$gui]:-}" ]; then
    gui_testi "$gui" || { echo "$gui fails without any fault: $KOK/son.log"; exit 2; }
    gui_saglam[$gui]=1
  fi
  echo "$dosya" >"$KOK/uygulanan"
  ESKI="$eski" YENI="$yeni" perl -0pi -e 's/\Q$ENV{ESKI}\E/$ENV{YENI}/' "$hedef"
  if [ -n "$gui" ]; then
    durum=0
    gui_testi "$gui" || durum=$?
    if [ "$durum" = 2 ]; then
      echo "CAUGHT (does not build) $aciklama"
    elif [ "$durum" = 0 ]; then
      echo "MISSED $aciklama  ($dosya, $gui)"
      kacan=$((kacan + 1))
    else
      echo "CAUGHT $aciklama  [$gui]"
    fi
  elif ! cmake --build "$DERLEME" --target orvanel_logic_tests >"$KOK/derleme.log" 2>&1; then
    echo "CAUGHT (does not build) $aciklama"
  elif testler; then
    echo "MISSED $aciklama  ($dosya)"
    kacan=$((kacan + 1))
  else
    ilk=$(grep -m1 -oE '[0-9]+ - [^ ]+ \((Failed|Timeout|SEGFAULT|Subprocess aborted|Exception)' \
      "$KOK/son.log" | sed 's/^[0-9]* - //' || true)
    echo "CAUGHT $aciklama  [$ilk]"
  fi
  cp "$KAYNAK/$dosya" "$hedef"
  rm -f "$KOK/uygulanan"
done <"$LISTE"
# The restored files are newer than the faulty objects only until the next copy.
cmake --build "$DERLEME" --target orvanel_logic_tests >/dev/null
for gui in "${!gui_saglam[@]}"; do
  cmake --build "$DERLEME_GUI" --target "$(hedefi "$gui")" >/dev/null
done
echo "$((toplam - kacan)) of $toplam faults caught"
[ "$kacan" -eq 0 ]
