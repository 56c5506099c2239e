#pragma once

#include "locations/SeciliKonum.h"
#include "locations/clsFastCollection.h"

#include <memory>

// What filling the location list needs from the list control. The control implements it
// (or an adapter does), so the filling order is kept here, apart from the widgets.
class KonumListesi
{
public:
    virtual ~KonumListesi() = default;

    virtual void setUnRefreshControl(bool durdur) = 0;
    // Appends the row; the control sets its Index, Selected and ForeColor.
    virtual void AddItem(std::unique_ptr<vkListItem> satir) = 0;
    virtual void Refresh() = 0;
    virtual void setAktif(int konum) = 0;

    // Drawing suspended, every row appended in order, drawing resumed with one Refresh, then
    // the row of the stored place (SatirBul) made the active row. Takes the rows.
    static void Doldur(KonumListesi& liste, clsFastCollection& satirlar, const SeciliKonum& yer);

    // The position of the stored place's row: the row whose Id is bIndex (where Ids repeat, the
    // one whose country and city match too, else the first); 0 for none or bIndex 0.
    static int SatirBul(const clsFastCollection& satirlar, const SeciliKonum& yer);
};
