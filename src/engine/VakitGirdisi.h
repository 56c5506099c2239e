#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Everything the daily computation reads. The place comes from the caller (the first-run
// place is SeciliKonum's).
struct VakitGirdisi
{
    QDateTime SeciliTarih; // only the calendar date matters
    double Enlem = 0;      // latitude, north positive
    double Boylam = 0;     // longitude, east positive
    double Tz = 0;         // standard offset from GMT in hours
    QString Ulke;          // "Türkiye" always gets the daylight-saving hour
    int VakitHesap = 0;    // index into HesapYontemleri()
    bool YazSaati = true;  // apply the system's daylight-saving rule
    QDate YazBaslangic{};  // first day of daylight time in that year; null = none
    QDate YazBitis{};      // first day of standard time again; null = none
    int HicriGun = 0;      // whole-day correction of the Hijri date

    // The ranges the computation is defined for; a place outside them (or NaN) is refused
    // wherever it is typed or read, before it reaches the engine.
    static constexpr double EnlemSiniri = 90;
    static constexpr double BoylamSiniri = 180;
    static constexpr double TzEnAz = -12;
    static constexpr double TzEnCok = 14;
    static bool EnlemGecerli(double e) { return e >= -EnlemSiniri && e <= EnlemSiniri; }
    static bool BoylamGecerli(double b) { return b >= -BoylamSiniri && b <= BoylamSiniri; }
    static bool TzGecerli(double t) { return t >= TzEnAz && t <= TzEnCok; }
};
