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
// repeat do not move it onto another place.
TEST(KonumListesi, StoredChoiceFindsItsRowById)
{
    clsFastCollection okunan;
    Doldur(okunan, {{"A", "a"}, {"B", "b"}, {"C", "c"}, {"D", "d"}});
    okunan.Item(3)->setId(4); // line 3 was skipped: the rows carry Ids 1, 2, 4, 5
    okunan.Item(4)->setId(5);
    EXPECT_EQ(KonumListesi::SatirBul(okunan, Yer(4, "C", "c")), 3);
    EXPECT_EQ(KonumListesi::SatirBul(okunan, Yer(0, "A", "a")), 0) << "no stored place";

    Doldur(okunan, {{"E", "e"}});
    okunan.Item(5)->setId(2); // Id 2 twice: the country and city decide
    EXPECT_EQ(KonumListesi::SatirBul(okunan, Yer(2, "E", "e")), 5);
    EXPECT_EQ(KonumListesi::SatirBul(okunan, Yer(2, "X", "x")), 2) << "else the first";
    EXPECT_EQ(KonumListesi::SatirBul(okunan, Yer(9, "A", "a")), 0) << "no such Id: no row";
}

// What the list draws, and the rows rearranged and added as the list control asks.
TEST(KonumListesi, ColumnsOrdersAndTextRows)
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    clsFastCollection okunan;
    Doldur(okunan, {{"Türkiye", "Van"}, {"Nepal", "Pokhara"}, {"Almanya", "Köln"}});
    okunan.Item(2)->setTz(5.75);
    okunan.Item(2)->setEnlem(-28.2);
    KonumListesi liste;
    liste.Doldur(okunan);
    EXPECT_EQ(okunan.Count(), 0) << "the rows were taken";
    EXPECT_EQ(liste.Sutun(2, 0), QStringLiteral("Nepal"));
    EXPECT_EQ(liste.Sutun(2, 1), QStringLiteral("Pokhara"));
    EXPECT_EQ(liste.Sutun(2, 2), QStringLiteral("5,75")); // the user's number format
    EXPECT_EQ(liste.Sutun(2, 3), QStringLiteral("-28,2"));

    liste.SiraUygula({3, 1}); // row 2 removed, the last first
    ASSERT_EQ(liste.Count(), 2);
    EXPECT_EQ(liste.Item(1)->Sehir(), QStringLiteral("Köln"));
    EXPECT_EQ(liste.Item(2)->Index(), 2);

    EXPECT_EQ(liste.MetinEkle(QStringLiteral("Yeni"), 1, 2), 1);
    EXPECT_EQ(liste.Sutun(1, 0), QStringLiteral("Yeni"));
    EXPECT_EQ(liste.Hiza(1), 2);

    // Sorted by city: the order comes back as the old positions, for the list control.
    EXPECT_EQ(liste.Sirala(1, 1), (std::vector<int>{3, 2, 1})); // descending: Van, Köln, ""
    QLocale::setDefault(QLocale::c());
}

} // namespace
