#pragma once

#include <QString>

// A key of the settings store as the code that owns it declares it: its name, the default
// for an absent or unreadable value and, for whole numbers, the range a stored value must lie
// in. The store itself knows no key.
struct MantiksalAnahtar
{
    const char* Ad;
    bool Varsayilan;

    QString Adi() const { return QString::fromLatin1(Ad); }
};

struct TamsayiAnahtar
{
    const char* Ad;
    int Varsayilan;
    int EnAz;
    int EnCok;
    bool Kesin = false;   // typed by the user as is: digits only, no fraction
    bool Sinirla = false; // a stored number outside the range is taken as the nearest end of
                          // it, not as the default

    QString Adi() const { return QString::fromLatin1(Ad); }
};
