#pragma once

class AyarDeposu;

// The alert options of the regional settings, as the countdown uses them.
struct UyariAyarlari
{
    bool Uyari = true; // "BAUyari": give the advance warning
    int Dakika = 15;   // "BADakika": minutes of advance warning; 0 or less: never
    bool Sesli = true; // "BASesli": play the warning sound with it
    bool Ezan = true;  // "BAEzan": play the ezan when a time begins

    // From the store, with its defaults for absent or unreadable values.
    static UyariAyarlari Oku(const AyarDeposu& depo);
};
