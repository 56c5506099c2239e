#pragma once

#include <QString>

// The sound files of the program folder, found once at start. Each path is the program
// folder followed by the file name, or empty when the file is missing.
struct SesYollari
{
    QString Imsak;  // "Ezan/sabah.wma"
    QString Ogle;   // "Ezan/ogle.wma"
    QString Ikindi; // "Ezan/ikindi.wma"
    QString Aksam;  // "Ezan/aksam.wma"
    QString Yatsi;  // "Ezan/yatsi.wma"
    QString Genel;  // "Ezan/ezan.wma", else "ezan.wma"
    QString Uyari;  // "uyari.wma"
    // The missing files the start-up message names, each quoted and followed by a space;
    // empty when the general ezan and the warning sound were both found.
    QString Eksikler{};

    // `programKlasoru` ends with "/".
    static SesYollari Bul(const QString& programKlasoru);

    // The start-up message for Eksikler (title SesDosyasiYokBasligi, stop icon, OK), or
    // empty when nothing is missing.
    QString EksikMesaji() const;

    // The period's own ezan file ("gunes" uses the İmsak file), else the general ezan;
    // empty when neither exists or the key is unknown.
    QString EzanYolu(const QString& vakit) const;
};

inline constexpr const char* SesDosyasiYokBasligi = "Dosya Bulunamadı";
