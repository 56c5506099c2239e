#pragma once

#include "engine/VakitGirdisi.h"

#include <QString>

// The place and options used when the command line names none: those the program has stored
// (the chosen place, VakitHesap, YazSaati, HicriGun), which are the first-run place and the
// keys' defaults when nothing is stored. A stored place that cannot be used gives the first-run
// place and a message in `yerHatasi`. `yerAdi` gets the place's "city, country".
VakitGirdisi VarsayilanGirdi(QString* yerHatasi = nullptr, QString* yerAdi = nullptr);
