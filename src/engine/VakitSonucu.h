#pragma once

#include <QString>

#include <array>

// What one computation produces, in the order of VakitAnahtarlari.
struct VakitSonucu
{
    std::array<double, 6> GunlukVakitler{}; // seconds after local midnight, whole minutes
    std::array<QString, 6> Metinler;        // "HH:MM"
    QString Miladi;                         // "21 Haziran 2026"
    QString Hicri;                          // "6 Muharrem 1448"
};
