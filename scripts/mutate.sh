#!/usr/bin/env bash
# Applies each fault of scripts/mutants.txt in turn to a copy of the sources, builds the logic
# tests there and runs them; a fault is caught when a test fails. Prints one line per fault
# and exits 1 when one was not caught. The working tree is never touched.
#   scripts/mutate.sh [LIST] [BUILD_DIR]     (default scripts/mutants.txt, /tmp/orvanel-mutate)
set -euo pipefail
KAYNAK=$(cd "$(dirname "$0")/.." && pwd)
LISTE=${1:-$KAYNAK/scripts/mutants.txt}
KOK=${2:-/tmp/orvanel-mutate}
KOPYA=$KOK/src
DERLEME=$KOK/build
mkdir -p "$KOK"
# A fresh copy keeps the files' times, so the build folder only rebuilds what changed; a run
# that was stopped while a fault stood in a file leaves objects newer than the restored file,
# so the build folder goes too.
[ -e "$KOK/uygulanan" ] && rm -rf "$DERLEME" "$KOK/uygulanan"
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

kacan=0
toplam=0
while IFS=$'\t' read -r dosya eski yeni aciklama; do
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
  echo "$dosya" >"$KOK/uygulanan"
  ESKI="$eski" YENI="$yeni" perl -0pi -e 's/\Q$ENV{ESKI}\E/$ENV{YENI}/' "$hedef"
  if ! cmake --build "$DERLEME" --target orvanel_logic_tests >"$KOK/derleme.log" 2>&1; then
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
cmake --build "$DERLEME" --target orvanel_logic_tests >/dev/null
echo "$((toplam - kacan)) of $toplam faults caught"
[ "$kacan" -eq 0 ]
