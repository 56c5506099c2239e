#!/usr/bin/env bash
# Checks that no #include goes up a floor: engine < platform < controls < locations < notify
# < shell < cli. A folder's root needs no display, so it includes no gui/ folder; gui/ may
# include its own root and everything below. The sound player (platform/ses), a program of its
# own, is included by nobody else. Each library's link line (orvanel_library in the folder's CMakeLists.txt) names
# exactly the folders its files include: PUBLIC those its headers include, PRIVATE the rest.
# Prints each offending line and exits 1 when there is one.
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
      neden="the sound player is a program of its own, never included"
    fi
    if [ -n "$neden" ]; then
      echo "$dosya: $satir: $neden"
      hata=1
    fi
  done < <(grep -E '^#include "[a-z]+/' "$dosya" || true)
done < <(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort)

# Link lines: the folders a library's files include against what its orvanel_library names.
perl -e '
  my $hata = 0;
  sub ad { my ($yol) = @_; $yol =~ s{/}{_}g; return "orvanel_$yol"; }
  sub icerilen {
    my ($klasor, $desen) = @_;
    my %k;
    for my $dosya (glob("$klasor/$desen")) {
      next if $dosya =~ m{/main\.cpp$};
      open(my $h, "<", $dosya) or die $dosya;
      while (<$h>) { $k{ad($1 . ($2 // ""))} = 1 if m{^#include "([a-z]+)(/gui|/ses)?/[A-Za-z]+\.h"}; }
    }
    delete $k{ad($klasor)};
    return \%k;
  }
  for my $cm (glob("*/CMakeLists.txt")) {
    my $metin = do { local $/; open(my $h, "<", $cm) or die; <$h> };
    while ($metin =~ /orvanel_library\((.*?)\)/sg) {
      my @s = split " ", $1; my ($bolum, %l) = ("");
      for my $s (@s) {
        if ($s =~ /^(NAME|DIR|PUBLIC|PRIVATE|LIBS)$/) { $bolum = $s eq "LIBS" ? "PUBLIC" : $s; next }
        push @{$l{$bolum}}, $s;
      }
      my $klasor = $l{DIR}[0]; $klasor =~ s{\$\{CMAKE_CURRENT_SOURCE_DIR\}}{(split m{/}, $cm)[0]}e;
      my %acik = map { $_ => 1 } grep { /^orvanel_/ } @{$l{PUBLIC} // []};
      my %gizli = map { $_ => 1 } grep { /^orvanel_/ } @{$l{PRIVATE} // []};
      my $baslik = icerilen($klasor, "*.h");
      my $hepsi = icerilen($klasor, "*.{h,cpp}");
      my $kutuphane = "$cm: $l{NAME}[0]";
      my @hatalar = (
        (map { "its headers include $_: link it PUBLIC" } grep { !$acik{$_} } sort keys %$baslik),
        (map { "includes $_ without linking it" } grep { !$acik{$_} && !$gizli{$_} } sort keys %$hepsi),
        (map { "links $_ but includes nothing of it" } grep { !$hepsi->{$_} } sort(keys %acik, keys %gizli)));
      print "$kutuphane: $_\n" for @hatalar;
      $hata = 1 if @hatalar;
    }
  }
  exit $hata;
' || hata=1
exit $hata
