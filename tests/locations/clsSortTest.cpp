#include "locations/clsSort.h"
#include "KonumTestAraclari.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList Ulkeler(const clsFastCollection& c)
{
    QStringList s;
    for (int i = 1; i <= c.Count(); ++i)
        s << c.Item(i)->Ulke();
    return s;
}

QStringList U(const char* a)
{
    return QString::fromUtf8(a).split(QLatin1Char(' '));
}

TEST(clsSort, TextsInOrdinalOrderOfCodeUnits)
{
    clsFastCollection c;
    Doldur(c, {{"Zambiya", ""},
               {"ábc", ""},
               {"İran", ""},
               {"almanya", ""},
               {"Almanya", ""},
               {"Çin", ""},
               {"Alman", ""}});
    clsSort s;
    EXPECT_TRUE(s.SortList(c, true, clsSort::UlkeAlani));
    EXPECT_EQ(Ulkeler(c), U("Alman Almanya Zambiya almanya Çin ábc İran"));
    EXPECT_TRUE(s.SortList(c, false, clsSort::UlkeAlani));
    EXPECT_EQ(Ulkeler(c), U("İran ábc Çin almanya Zambiya Almanya Alman"));
}

TEST(clsSort, NumbersAndTheFreeOrderingKey)
{
    clsFastCollection c;
    Doldur(c, {{"a", ""}, {"b", ""}, {"c", ""}, {"d", ""}});
    const double tz[] = {5.75, -3.5, 0, 2};
    const qint16 sira[] = {3, -1, 7, 0};
    for (int i = 1; i <= 4; ++i) {
        c.Item(i)->setTz(tz[i - 1]);
        c.Item(i)->setSira(sira[i - 1]);
    }
    clsSort s;
    s.SortList(c, true, clsSort::TzAlani);
    EXPECT_EQ(Ulkeler(c), U("b c d a"));
    s.SortList(c, false, clsSort::SiraAlani);
    EXPECT_EQ(Ulkeler(c), U("c a d b"));
    // Index keeps the value the row was given when it was added.
    EXPECT_EQ(c.Item(1)->Index(), 3);
}

TEST(clsSort, TheQuicksortIsNotStable)
{
    // Pivot "A" (the middle row): the first swap puts A first, the second pass swaps the two
    // equal keys.
    clsFastCollection c;
    Doldur(c, {{"B", "1"}, {"A", ""}, {"B", "2"}});
    clsSort().SortList(c, true, clsSort::UlkeAlani);
    EXPECT_EQ(Idler(c), (std::vector<int>{2, 3, 1}));
}

TEST(clsSort, OrderLeftAloneForOneRowSharedKeysAndUnknownCodes)
{
    clsFastCollection c;
    Doldur(c, {{"B", ""}, {"A", ""}, {"C", ""}});
    clsSort s;
    EXPECT_FALSE(s.SortList(c, true, 5));
    EXPECT_FALSE(s.SortList(c, true, 7));
    EXPECT_FALSE(s.SortList(c, true, -1));
    EXPECT_EQ(Idler(c), (std::vector<int>{1, 2, 3}));

    clsFastCollection tek;
    Doldur(tek, {{"A", ""}});
    EXPECT_FALSE(s.SortList(tek, true, clsSort::UlkeAlani));

    // Same country everywhere: the descending sort would reverse equal rows; it must not run.
    clsFastCollection ayni;
    Doldur(ayni, {{"X", "1"}, {"X", "2"}, {"X", "3"}});
    EXPECT_FALSE(s.SortList(ayni, false, clsSort::UlkeAlani));
    EXPECT_EQ(Idler(ayni), (std::vector<int>{1, 2, 3}));
}

TEST(clsSort, NumbersEqualAsPrintedCountAsTheSameKey)
{
    // 0.1 + 0.2 prints as 0,3 with 15 digits, so the rows share one key and stay as they are,
    // although the first is the larger number.
    clsFastCollection c;
    Doldur(c, {{"a", ""}, {"b", ""}});
    c.Item(1)->setEnlem(0.1 + 0.2);
    c.Item(2)->setEnlem(0.3);
    EXPECT_FALSE(clsSort().SortList(c, true, clsSort::EnlemAlani));
    EXPECT_EQ(Ulkeler(c), U("a b"));
    c.Item(2)->setEnlem(0.29);
    EXPECT_TRUE(clsSort().SortList(c, true, clsSort::EnlemAlani));
    EXPECT_EQ(Ulkeler(c), U("b a"));
}

TEST(clsSort, SortItemsRunsForSortTypesOtherThanTwo)
{
    clsFastCollection c;
    Doldur(c, {{"B", ""}, {"A", ""}, {"C", ""}});
    clsSort s;
    EXPECT_FALSE(s.SortItems(c, 2, clsSort::UlkeAlani));
    EXPECT_EQ(Ulkeler(c), U("B A C"));
    EXPECT_TRUE(s.SortItems(c, 1, clsSort::UlkeAlani));
    EXPECT_EQ(Ulkeler(c), U("C B A"));
    EXPECT_TRUE(s.SortItems(c, 0, 5)); // a sort ran, though code 5 orders nothing
    EXPECT_EQ(Ulkeler(c), U("C B A"));
    EXPECT_TRUE(s.SortItems(c, 0, clsSort::UlkeAlani));
    EXPECT_EQ(Ulkeler(c), U("A B C"));
}

} // namespace
