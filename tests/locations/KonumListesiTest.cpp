// The place list as the list control's source: the stored place found by Id, the texts it
// draws, and the orders it applies.
#include "locations/KonumListesi.h"
#include "KonumTestAraclari.h"

#include <QLocale>

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

// The stored choice is a row's Id: a line the reader skipped (Id 3 missing) or Ids that
// repeat (the country and city decide, else the first) do not move it onto another place.
TEST(KonumListesi, StoredChoiceFindsItsRowById)
{
    clsFastCollection okunan;
    Doldur(okunan, {{"A", "a"}, {"B", "b"}, {"C", "c"}, {"D", "d"}, {"E", "e"}});
    const int idler[] = {1, 2, 4, 5, 2};
    for (int i = 0; i < 5; ++i)
        okunan.Item(i + 1)->setId(idler[i]);
    const std::pair<SeciliKonum, int> durumlar[] = {
        {Yer(4, "C", "c"), 3}, {Yer(0, "A", "a"), 0}, {Yer(2, "E", "e"), 5},
        {Yer(2, "X", "x"), 2}, {Yer(9, "A", "a"), 0}};
    for (const auto& [yer, satir] : durumlar)
        EXPECT_EQ(KonumListesi::SatirBul(okunan, yer), satir) << yer.Index;
}

// What the list draws (numbers in the user's format), and the rows rearranged and added as
// the list control asks.
TEST(KonumListesi, ColumnsOrdersAndTextRows)
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    clsFastCollection okunan;
    Doldur(okunan, {{"Türkiye", "Van"}, {"Nepal", "Pokhara"}, {"Almanya", "Köln"}});
    okunan.Item(2)->setTz(5.75);
    okunan.Item(2)->setEnlem(-28.2);
    KonumListesi liste;
    liste.Doldur(okunan);
    QStringList sutunlar;
    for (int s = 0; s < 4; ++s)
        sutunlar << liste.Sutun(2, s);
    EXPECT_EQ(sutunlar, (QStringList{"Nepal", "Pokhara", "5,75", "-28,2"}));
    liste.SiraUygula({3, 1}); // row 2 removed, the last first
    ASSERT_EQ(liste.Count(), 2);
    EXPECT_EQ(liste.Item(1)->Sehir(), QStringLiteral("Köln"));
    EXPECT_EQ(liste.Item(2)->Index(), 2);
    EXPECT_EQ(liste.MetinEkle(QStringLiteral("Yeni"), 1, 2), 1);
    EXPECT_EQ(std::pair(liste.Sutun(1, 0), liste.Hiza(1)), std::pair(QStringLiteral("Yeni"), 2));
    QLocale::setDefault(QLocale::c());
}

} // namespace
