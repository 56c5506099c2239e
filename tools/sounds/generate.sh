#!/usr/bin/env bash
# Synthesizes the two neutral chimes the program ships with, as WMA v2 (the format the program
# looks for):
#   assets/uyari.wma       the warning sound: a short, gentle two-tone chime (about 1.5 s)
#   assets/Ezan/ezan.wma   the general sound at each prayer time: a calm chime of about 10 s
# The output is deterministic (bit-exact encoder, no metadata), so running it again gives the
# committed files byte for byte. Needs ffmpeg.
set -euo pipefail
cd "$(dirname "$0")/../.."

rate=22050

# One bell-like note: a fundamental with a fainter, faster-fading octave, starting at s
# seconds, with a 10 ms rise so that it does not click.
note() { # freq start decay level
  local f=$1 s=$2 d=$3 a=$4
  printf '+gte(t,%s)*%s*min(1,(t-%s)*100)*exp(-%s*(t-%s))*(sin(2*PI*%s*(t-%s))+0.3*exp(-%s*(t-%s))*sin(4*PI*%s*(t-%s)))' \
    "$s" "$a" "$s" "$d" "$s" "$f" "$s" "$d" "$s" "$f" "$s"
}

encode() { # expression duration output
  local expr=$1 dur=$2 out=$3
  mkdir -p "$(dirname "$out")"
  ffmpeg -v error -y -f lavfi -i "aevalsrc=exprs='0${expr}':s=${rate}:d=${dur}" \
    -af "afade=t=out:st=$(echo "$dur - 0.3" | bc -l):d=0.3" \
    -ac 1 -ar "$rate" -c:a wmav2 -b:a 64k \
    -map_metadata -1 -fflags +bitexact -flags:a +bitexact "$out"
}

# Warning: A5 then E5, soft.
uyari="$(note 880 0 5 0.30)$(note 659.25 0.35 3.5 0.30)"
encode "$uyari" 1.6 assets/uyari.wma

# Prayer time: a slow pentatonic figure (C5 E5 G5 A5 G5 E5 D5 C5) over a low C4, fading out.
ezan="$(note 261.63 0 0.35 0.12)"
t=0
for f in 523.25 659.25 783.99 880 783.99 659.25 587.33 523.25; do
  ezan+="$(note "$f" "$t" 1.1 0.22)"
  t=$(echo "$t + 1.05" | bc -l)
done
encode "$ezan" 10 assets/Ezan/ezan.wma

sha256sum assets/uyari.wma assets/Ezan/ezan.wma
