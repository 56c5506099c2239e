#include "locations/KonumListesi.h"
#include "KonumTestAraclari.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// Records what the filler asks of the list control.
class KayitciListe : public KonumListesi
{
public:
    QStringList cagrilar;
    clsFastCollection satirlar;

    void setUnRefreshControl(bool d) override { cagrilar << (d ? "durdur" : "surdur"); }
    void AddItem(std::unique_ptr<vkListItem> s) override
    {
        cagrilar << QStringLiteral("ekle %1").arg(s->Id());
        satirlar.Add(std::move(s));
    }
    void Refresh() override { cagrilar << "ciz"; }
    void setAktif(int k) override { cagrilar << QStringLiteral("aktif %1").arg(k); }
};

TEST(KonumListesi, FillsWithDrawingSuspendedThenDrawsOnceThenActivates)
{
    KayitciListe liste;
    clsFastCollection okunan;
    Doldur(okunan, {{"A", "a"}, {"B", "b"}});
    KonumListesi::Doldur(liste, okunan, 2);
    EXPECT_EQ(liste.cagrilar.join(','), "durdur,ekle 1,ekle 2,surdur,ciz,aktif 2");
    EXPECT_EQ(okunan.Count(), 0);
    EXPECT_EQ(liste.satirlar.Count(), 2);

    KayitciListe ikinci;
    Doldur(okunan, {{"A", "a"}});
    KonumListesi::Doldur(ikinci, okunan, 0); // no stored location: nothing made active
    EXPECT_EQ(ikinci.cagrilar.join(','), "durdur,ekle 1,surdur,ciz");
}

} // namespace
