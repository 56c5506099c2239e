#include "locations/FindItem.h"
#include "KonumTestAraclari.h"

#include <gtest/gtest.h>

namespace {

class FindItemTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Doldur(liste, {{"Almanya", "Vanburg"},       // 1
                       {"Türkmenistan", "Vanak"},    // 2
                       {"Türkiye", "Van"},           // 3
                       {"Türkiye", "Isparta"},       // 4
                       {"Türkiye", "İstanbul"},      // 5
                       {"Türkiye", "Ankara"},        // 6
                       {"Türkiye", "Kars"},          // 7
                       {"Türkiye", "Kayseri"},       // 8
                       {"Türkiye", " Boşluklu "},    // 9
                       {"Yunanistan", "İstanbul"}}); // 10
    }
    int Bul(const char* metin) { return AramaKutusuBul(liste, QString::fromUtf8(metin)); }

    clsFastCollection liste;
};

TEST_F(FindItemTest, FoldingFindsAnyLetterCaseButKeepsDottedAndDotlessIApart)
{
    EXPECT_EQ(Bul("ANKARA"), 6);
    EXPECT_EQ(Bul("istanbul"), 5);
    EXPECT_EQ(Bul("İSTANBUL"), 5);
    EXPECT_EQ(Bul("ısparta"), 4);
    EXPECT_EQ(Bul("Isparta"), 4);
    EXPECT_EQ(Bul("ISPARTA"), 4);
    EXPECT_EQ(Bul("isparta"), 0); // "I" folds to "ı", never to "i"
    EXPECT_EQ(Bul("Ispart"), 4);
}

TEST_F(FindItemTest, CityAndCountryAfterAComma)
{
    EXPECT_EQ(Bul("istanbul,türkiye"), 5);
    EXPECT_EQ(Bul("istanbul, türkiye"), 5);
    EXPECT_EQ(Bul("  istanbul ,   TÜRKİYE  "), 5);
    EXPECT_EQ(Bul("istanbul,yunanistan"), 10);
    EXPECT_EQ(Bul("istanbul,türkiye,yunanistan"), 5); // a third piece is ignored
    EXPECT_EQ(Bul("istanbul,"), 5);                   // empty country: exact fails, "*" matches any
    EXPECT_EQ(Bul(",yunan"), 10);                     // empty city: "*" matches any city
    EXPECT_EQ(Bul("istanbul,almanya"), 0);
}

TEST_F(FindItemTest, ExactPassBeforePrefixPassAndBothSidesMustMatch)
{
    EXPECT_EQ(Bul("van"), 3);      // exact, although rows 1 and 2 begin with van
    EXPECT_EQ(Bul("va"), 1);       // prefix: first row in list order
    EXPECT_EQ(Bul("van,türk"), 2); // city van*, country türk*: not row 1 (Almanya)
    EXPECT_EQ(Bul("van,türkiye"), 3);
    EXPECT_EQ(Bul("k*y"), 8); // wildcards of the user act as wildcards
    EXPECT_EQ(Bul("k?rs"), 7);
}

TEST_F(FindItemTest, EmptyBlankAndMalformedTexts)
{
    EXPECT_EQ(Bul(""), 1);
    EXPECT_EQ(Bul("   "), 1);
    EXPECT_EQ(Bul("ist[an"), 0); // unclosed "[": no match, no failure
    EXPECT_EQ(Bul("[z-a]"), 0);
    clsFastCollection bos;
    EXPECT_EQ(AramaKutusuBul(bos, QString()), 0);
    EXPECT_EQ(FindItem(bos, QStringLiteral("van"), QStringLiteral("Sehir"), true), 0);
}

TEST_F(FindItemTest, FieldNamesAreCaseSensitiveAndSpacesInStoredNamesCount)
{
    const QString turkiye = QString::fromUtf8("türkiye");
    EXPECT_EQ(FindItem(liste, turkiye, QStringLiteral("Ulke"), false), 3);
    EXPECT_EQ(FindItem(liste, turkiye, QStringLiteral("ulke"), false), 0);
    EXPECT_EQ(FindItem(liste, turkiye, QStringLiteral("UlkeSehir"), true), 0);
    EXPECT_EQ(FindItem(liste, QStringLiteral("van"), QStringLiteral("Sehir"), false), 3);
    // The search box trims its text, but a stored name keeps its spaces.
    EXPECT_EQ(Bul("Boşluklu"), 0);
    EXPECT_EQ(Bul(" Boş"), 0);
    EXPECT_EQ(FindItem(liste, QString::fromUtf8(" boşluklu "), QStringLiteral("Sehir"), false), 9);
}

TEST_F(FindItemTest, AllMatchesInListOrder)
{
    EXPECT_EQ(FindAllItems(liste, QStringLiteral("va"), QStringLiteral("SehirUlke"), true),
              (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(FindAllItems(liste, QStringLiteral("istanbul"), QStringLiteral("Sehir"), false),
              (std::vector<int>{5, 10}));
    EXPECT_TRUE(FindAllItems(liste, QStringLiteral("x"), QStringLiteral("Sehir"), true).empty());
}

TEST_F(FindItemTest, RenamedRowsAreFoundByTheirNewNames)
{
    liste.Item(7)->setSehir(QString::fromUtf8("IĞDIR"));
    liste.Item(2)->setUlke(QStringLiteral("Almanya"));
    EXPECT_EQ(Bul("ığdır"), 7);
    EXPECT_EQ(Bul("kars"), 0);
    EXPECT_EQ(Bul("van,türk"), 3);
    KonumKaydi k = liste.Item(1)->Kayit();
    k.Sehir = QString::fromUtf8("İzmir");
    liste.Item(1)->setKayit(k);
    EXPECT_EQ(Bul("izmir"), 1);
}

} // namespace
