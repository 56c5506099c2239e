#include "locations/KonumListesi.h"

void KonumListesi::Doldur(KonumListesi& liste, clsFastCollection& satirlar, const SeciliKonum& yer)
{
    const int aktif = SatirBul(satirlar, yer);
    liste.setUnRefreshControl(true);
    for (auto& satir : satirlar.TakeAll())
        liste.AddItem(std::move(satir));
    liste.setUnRefreshControl(false);
    liste.Refresh();
    if (aktif != 0)
        liste.setAktif(aktif);
}

int KonumListesi::SatirBul(const clsFastCollection& satirlar, const SeciliKonum& yer)
{
    if (yer.Index == 0)
        return 0;
    int ilk = 0;
    for (int i = 1; i <= satirlar.Count(); ++i) {
        const vkListItem* s = satirlar.Item(i);
        if (s->Id() != yer.Index)
            continue;
        if (s->Ulke() == yer.Ulke && s->Sehir() == yer.Sehir)
            return i;
        if (ilk == 0)
            ilk = i;
    }
    return ilk;
}
