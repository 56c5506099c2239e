#pragma once

#include "engine/VakitGirdisi.h"

// The place and options used when the command line names none: those the program has stored
// (AyarDeposu: bEnlem, bBoylam, bTz, bUlke, VakitHesap, YazSaati, HicriGun), which are the
// first-run place when nothing is stored (İstanbul, "Türkiye", Tz 2, 41.02, 28.97, method 0,
// daylight saving on, no Hijri correction).
VakitGirdisi VarsayilanGirdi();
