#pragma once

#include "platform/AyarAnahtari.h"

class AyarDeposu;

// The alert options of the regional settings, as the countdown uses them, and their keys.
struct UyariAyarlari
{
    // Play the ezan when a time begins.
    static constexpr MantiksalAnahtar BAEzan{"BAEzan", true};
    // Give the advance warning.
    static constexpr MantiksalAnahtar BAUyari{"BAUyari", true};
    // Minutes of advance warning; 0 never warns. Minutes x 60 + 1 must fit 16 bits; a
    // hand-edited number outside 0..546 is taken as the nearest end.
    static constexpr TamsayiAnahtar BADakika{"BADakika", 15, 0, 546, true, true};
    // Play the warning sound with it.
    static constexpr MantiksalAnahtar BASesli{"BASesli", true};

    bool Uyari = BAUyari.Varsayilan;
    int Dakika = BADakika.Varsayilan;
    bool Sesli = BASesli.Varsayilan;
    bool Ezan = BAEzan.Varsayilan;

    // From the store, with the defaults for absent or unreadable values.
    static UyariAyarlari Oku(const AyarDeposu& depo);
};

// Typed minutes that are not a whole number 0..546.
inline constexpr const char* BADakikaHataMetni =
    "Uyarı süresi 0 ile 546 arasında bir tam sayı olmalıdır (dakika).";
