#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Everything the daily computation reads. The defaults are the first-run place (İstanbul).
struct VakitGirdisi
{
    QDateTime SeciliTarih;    // only the calendar date matters
    double Enlem = 41.02;     // latitude, north positive
    double Boylam = 28.97;    // longitude, east positive
    double Tz = 2;            // standard offset from GMT in hours
    QString Ulke = "Türkiye"; // "Türkiye" always gets the daylight-saving hour
    int VakitHesap = 0;       // index into HesapYontemleri()
    bool YazSaati = true;     // apply the system's daylight-saving rule
    QDate YazBaslangic;       // first day of daylight time in that year; null = none
    QDate YazBitis;           // first day of standard time again; null = none
    int HicriGun = 0;         // whole-day correction of the Hijri date

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
