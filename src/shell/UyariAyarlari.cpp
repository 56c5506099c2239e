#include "shell/UyariAyarlari.h"

#include "platform/AyarDeposu.h"

UyariAyarlari UyariAyarlari::Oku(const AyarDeposu& depo)
{
    UyariAyarlari a;
    a.Uyari = depo.MantiksalOku(QStringLiteral("BAUyari"));
    a.Dakika = depo.TamsayiOku(QStringLiteral("BADakika"));
    a.Sesli = depo.MantiksalOku(QStringLiteral("BASesli"));
    a.Ezan = depo.MantiksalOku(QStringLiteral("BAEzan"));
    return a;
}
