#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

// A day of the Hijri calendar: day 1..30, month 1..12 (1 Muharrem .. 12 Zi'l-Hicce).
struct HicriTarihi
{
    int Gun = 0;
    int Ay = 0;
    qint64 Yil = 0;

    bool operator==(const HicriTarihi& o) const
    {
        return Gun == o.Gun && Ay == o.Ay && Yil == o.Yil;
    }
    bool operator!=(const HicriTarihi& o) const { return !(*this == o); }
};

// The Hijri day of a valid date by the mean-month approximation, moved by `hicriGun` whole
// days. The one rule every Hijri date of the program comes from.
HicriTarihi HicriCevir(const QDate& tarih, int hicriGun);

// The Gregorian day that reads `hicri` with the correction `hicriGun`; invalid when no day
// does (the 30th of a 29-day month).
QDate MiladiKarsiligi(const HicriTarihi& hicri, int hicriGun);

// "6 Muharrem 1448".
QString HicriMetni(const HicriTarihi& hicri);
// HicriMetni of HicriCevir; empty for an invalid date.
QString HicriTarih(const QDate& tarih, int hicriGun);
// "Muharrem" .. "Zi'l-Hicce" for 1..12.
QString HicriAyAdi(int ay);

// Gregorian text with the Turkish month name ("5 Aralık 2026").
QString MiladiTarih(const QDate& tarih);
// The Turkish weekday name ("Pazartesi"), the same on every machine.
QString HaftaGunu(const QDate& tarih);
