#pragma once

#include "engine/VakitGirdisi.h"

#include <QString>

// The place and options used when the command line names none: those the program has stored
// (the chosen place, VakitHesap, YazSaati, HicriGun), which are the first-run place when
// nothing is stored (İstanbul, "Türkiye", Tz 2, 41.02, 28.97, method 0, daylight saving on,
// no Hijri correction). A stored place that cannot be used gives the first-run place and a
// message in `yerHatasi`.
VakitGirdisi VarsayilanGirdi(QString* yerHatasi = nullptr);
