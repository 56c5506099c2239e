#!/usr/bin/env bash
# Checks that no #include goes up a floor: engine < platform < controls < locations < notify
# < shell < cli. A folder's root needs no display, so it includes no gui/ folder; gui/ may
# include its own root and everything below. The sound module (platform/ses) is included by
# nobody else. Prints each offending line and exits 1 when there is one.
#   scripts/katlar.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}/src"

kat() {
  case "$1" in
  engine) echo 0 ;; platform) echo 1 ;; controls) echo 2 ;; locations) echo 3 ;;
  notify) echo 4 ;; shell) echo 5 ;; cli) echo 6 ;; *) echo -1 ;;
  esac
}

hata=0
while IFS= read -r dosya; do
  IFS=/ read -r klasor alt _ <<<"$dosya"
  [ "$alt" = gui ] || [ "$alt" = ses ] || alt=
  k=$(kat "$klasor")
  while IFS= read -r satir; do
    yol=${satir#*\"}
    yol=${yol%%\"*}
    IFS=/ read -r hedef hedefAlt _ <<<"$yol"
    [ "$hedefAlt" = gui ] || [ "$hedefAlt" = ses ] || hedefAlt=
    h=$(kat "$hedef")
    [ "$h" -ge 0 ] || continue # not a folder of ours
    neden=
    if [ "$h" -gt "$k" ]; then
      neden="goes up from $klasor to $hedef"
    elif [ "$hedefAlt" = gui ] && [ "$alt" != gui ]; then
      neden="a folder without widgets includes a gui/ header"
    elif [ "$hedefAlt" = ses ] && [ "$alt" != ses ]; then
      neden="the sound module is loaded, never included"
    fi
    if [ -n "$neden" ]; then
      echo "$dosya: $satir: $neden"
      hata=1
    fi
  done < <(grep -E '^#include "[a-z]+/' "$dosya" || true)
done < <(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort)
exit $hata
