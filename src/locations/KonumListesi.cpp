#include "locations/KonumListesi.h"

void KonumListesi::Doldur(KonumListesi& liste, clsFastCollection& satirlar, int bIndex)
{
    liste.setUnRefreshControl(true);
    for (auto& satir : satirlar.TakeAll())
        liste.AddItem(std::move(satir));
    liste.setUnRefreshControl(false);
    liste.Refresh();
    if (bIndex != 0)
        liste.setAktif(bIndex);
}
