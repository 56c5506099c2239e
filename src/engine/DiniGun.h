#pragma once

#include "engine/HicriTakvim.h"

#include <QDate>
#include <QString>

// One religious day or night of the Turkish calendar, dated by the program's own Hijri
// calendar.
struct DiniGun
{
    QDate Tarih;         // the Gregorian day; for a night, the day on whose evening it begins
    QString Ad;          // "Mevlid Kandili", "Kurban Bayramı 1. Gün"
    bool Gece = false;   // a kandil or gece: it begins at Akşam, a day at İmsak
    HicriTarihi Hicri;   // the Hijri day of Tarih
    QString Anahtar;     // the day's name in ASCII, the same in every year ("mevlid-kandili")
    qint64 HicriYil = 0; // the Hijri year the day belongs to (Regaib may fall in the month before)
};
