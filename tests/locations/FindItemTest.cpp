// The search box: folding (Turkish I kept apart), "city, country", the exact pass before the
// prefix pass, the user's wildcards, and the rows it may never reach.
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
                       {"Türkiye", "Kars"},          // 6
                       {"Türkiye", "Kayseri"},       // 7
                       {"Türkiye", " Boşluklu "},    // 8
                       {"Yunanistan", "İstanbul"}}); // 9
    }
    clsFastCollection liste;
};

TEST_F(FindItemTest, SearchBoxFindsTheRowAUserMeans)
{
    const std::pair<const char*, int> durumlar[] = {
        {"İSTANBUL", 5},
        {"ısparta", 4},
        {"ISPARTA", 4},
        {"Ispart", 4},
        {"isparta", 0}, // "I" folds to "ı", never to "i"
        {"  istanbul ,   TÜRKİYE  ", 5},
        {"istanbul,yunanistan", 9},
        {"istanbul,türkiye,yunanistan", 5}, // a third piece is ignored
        {"istanbul,", 5},
        {",yunan", 9}, // an empty side matches anything as a prefix
        {"istanbul,almanya", 0},
        {"van", 3},      // exact, although rows 1 and 2 begin with van
        {"va", 1},       // prefix: the first row in list order
        {"van,türk", 2}, // both sides must match: not row 1 (Almanya)
        {"k*y", 7},
        {"k?rs", 6},
        {"", 1},
        {"   ", 1},
        {"ist[an", 0},
        {"[z-a]", 0},
        {"Boşluklu", 0}, // the box trims its text, a stored name keeps its spaces
    };
    for (const auto& [metin, satir] : durumlar)
        EXPECT_EQ(AramaKutusuBul(liste, QString::fromUtf8(metin)), satir) << metin;
    EXPECT_EQ(AramaKutusuBul(clsFastCollection(), QString()), 0);

    // Renamed rows are found by their new names.
    liste.Item(6)->setSehir(QStringLiteral("IĞDIR"));
    liste.Item(2)->setUlke(QStringLiteral("Almanya"));
    EXPECT_EQ(AramaKutusuBul(liste, QStringLiteral("ığdır")), 6);
    EXPECT_EQ(AramaKutusuBul(liste, QStringLiteral("van,türk")), 3);
}

TEST_F(FindItemTest, FieldsAndAllMatchesInListOrder)
{
    const QString turkiye = QStringLiteral("türkiye");
    EXPECT_EQ(FindItem(liste, turkiye, QStringLiteral("Ulke"), false), 3);
    EXPECT_EQ(FindItem(liste, turkiye, QStringLiteral("ulke"), false), 0); // names are exact
    EXPECT_EQ(FindItem(liste, QStringLiteral(" boşluklu "), QStringLiteral("Sehir"), false), 8);
    EXPECT_EQ(FindAllItems(liste, QStringLiteral("va"), QStringLiteral("SehirUlke"), true),
              (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(FindAllItems(liste, QStringLiteral("istanbul"), QStringLiteral("Sehir"), false),
              (std::vector<int>{5, 9}));
}

} // namespace
