#include "locations/KonumListesi.h"
#include "KonumTestAraclari.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

SeciliKonum Yer(qint16 id, const char* ulke, const char* sehir)
{
    SeciliKonum y;
    y.Index = id;
    y.Ulke = QString::fromUtf8(ulke);
    y.Sehir = QString::fromUtf8(sehir);
    return y;
}

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
    KonumListesi::Doldur(liste, okunan, Yer(2, "B", "b"));
    EXPECT_EQ(liste.cagrilar.join(','), "durdur,ekle 1,ekle 2,surdur,ciz,aktif 2");
    EXPECT_EQ(okunan.Count(), 0);
    EXPECT_EQ(liste.satirlar.Count(), 2);

    KayitciListe ikinci;
    Doldur(okunan, {{"A", "a"}});
    KonumListesi::Doldur(ikinci, okunan, Yer(0, "A", "a")); // no stored location: none active
    EXPECT_EQ(ikinci.cagrilar.join(','), "durdur,ekle 1,surdur,ciz");
}

// The stored choice is a row's Id: a line the reader skipped (Id 3 missing) or Ids that
// repeat do not move it onto another place.
TEST(KonumListesi, StoredChoiceFindsItsRowById)
{
    KayitciListe liste;
    clsFastCollection okunan;
    Doldur(okunan, {{"A", "a"}, {"B", "b"}, {"C", "c"}, {"D", "d"}});
    okunan.Item(3)->setId(4); // line 3 was skipped: the rows carry Ids 1, 2, 4, 5
    okunan.Item(4)->setId(5);
    KonumListesi::Doldur(liste, okunan, Yer(4, "C", "c"));
    EXPECT_TRUE(liste.cagrilar.join(',').endsWith("aktif 3"));

    Doldur(okunan, {{"A", "a"}, {"B", "b"}, {"C", "c"}});
    okunan.Item(3)->setId(2); // Id 2 twice: the country and city decide
    EXPECT_EQ(KonumListesi::SatirBul(okunan, Yer(2, "C", "c")), 3);
    EXPECT_EQ(KonumListesi::SatirBul(okunan, Yer(2, "X", "x")), 2) << "else the first";
    EXPECT_EQ(KonumListesi::SatirBul(okunan, Yer(9, "A", "a")), 0) << "no such Id: no row";
}

} // namespace
