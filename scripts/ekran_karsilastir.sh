#!/usr/bin/env bash
# Compares two folders of end-to-end screenshots (build/screenshots of two runs) picture by
# picture: the share of pixels that differ by more than 8 % of a channel's range. A structural
# change of the widget code should leave every picture within a few hundredths of a percent.
#   scripts/ekran_karsilastir.sh BEFORE_DIR AFTER_DIR [MAX_PERCENT]
set -euo pipefail
once=$1 sonra=$2 sinir=${3:-0.5}
durum=0
for a in "$once"/*.png; do
  ad=$(basename "$a")
  b=$sonra/$ad
  if [ ! -f "$b" ]; then echo "$ad: missing in $sonra"; durum=1; continue; fi
  boyut_a=$(identify -format '%wx%h' "$a") boyut_b=$(identify -format '%wx%h' "$b")
  if [ "$boyut_a" != "$boyut_b" ]; then echo "$ad: size $boyut_a -> $boyut_b"; durum=1; continue; fi
  fark=$(compare -metric AE -fuzz 8% "$a" "$b" null: 2>&1 || true)
  toplam=$(identify -format '%[fx:w*h]' "$a")
  yuzde=$(awk -v f="$fark" -v t="$toplam" 'BEGIN {printf "%.3f", 100 * f / t}')
  if awk -v y="$yuzde" -v s="$sinir" 'BEGIN {exit !(y > s)}'; then
    echo "$ad: $yuzde % of the pixels differ (limit $sinir %)"; durum=1
  else
    echo "$ad: $yuzde %"
  fi
done
exit $durum
