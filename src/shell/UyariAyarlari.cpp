#include "shell/UyariAyarlari.h"

#include "platform/AyarDeposu.h"

UyariAyarlari UyariAyarlari::Oku(const AyarDeposu& depo)
{
    UyariAyarlari a;
    a.Ezan = depo.Oku(BAEzan);
    a.Uyari = depo.Oku(BAUyari);
    a.Dakika = depo.Oku(BADakika);
    a.Sesli = depo.Oku(BASesli);
    return a;
}
