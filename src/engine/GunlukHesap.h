#pragma once

#include "engine/VakitGirdisi.h"
#include "engine/VakitSonucu.h"

#include <array>

// The six times, the two date texts and the seconds of one day. Pure: same input, same result.
VakitSonucu GunlukHesapla(const VakitGirdisi& girdi);

// Arc cosine in radians; arguments outside -1..1 (an altitude never reached) give 0.
double ACos(double x);

// The daylight-saving hour D (0 or 1) for the selected day: the country rule, the YazSaati
// switch and the transition dates of the input. A start after the end (southern rules) wraps
// across the year end.
int YazSaatiFarki(const VakitGirdisi& girdi);

// The working values of one day, before minutes are formed; exposed for checking.
struct HamVakitler
{
    double Deklinasyon;   // δ, degrees
    double ZamanDenklemi; // E, minutes
    double OglenVakti;    // N, local standard hours
    double HGunes;        // hour angles, hours
    double HImsak;
    double HYatsi;
    double HIkindi;
    int YazSaati;              // D
    std::array<double, 6> Ham; // raw times in hours, after the high-latitude rule
};
HamVakitler HamVakitleriHesapla(const VakitGirdisi& girdi);

// A raw time in hours as shown: hours and minutes, minutes rounded via hundredths of an hour,
// a minute of 60 carried, hours wrapped into 0..23.
struct SaatDakika
{
    int Saat;
    int Dakika;
};
SaatDakika SaatDakikaya(double saat);
