// The list's sort: ordinal order of code units, the (unstable) quicksort with the middle
// row's pivot, and no sort at all where every row shares the key.
#include "locations/clsSort.h"

#include "KonumTestAraclari.h"
#include "support/QtYazdir.h"

#include <gtest/gtest.h>

namespace {

QString Ulkeler(const clsFastCollection& c)
{
    QStringList s;
    for (int i = 1; i <= c.Count(); ++i)
        s << c.Item(i)->Ulke();
    return s.join(u' ');
}

TEST(clsSort, OrdersAndWhenItLeavesTheOrderAlone)
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
    EXPECT_EQ(Ulkeler(c), "Alman Almanya Zambiya almanya Çin ábc İran");
    EXPECT_TRUE(s.SortItems(c, 1, clsSort::UlkeAlani)); // kind 1: descending
    EXPECT_EQ(Ulkeler(c), "İran ábc Çin almanya Zambiya Almanya Alman");
    EXPECT_FALSE(s.SortItems(c, 2, clsSort::UlkeAlani)); // kind 2: no sort
    EXPECT_FALSE(s.SortList(c, true, 7));                // no such field

    // Pivot "A": the first swap puts A first, the second swaps the two equal keys.
    clsFastCollection esit;
    Doldur(esit, {{"B", "1"}, {"A", ""}, {"B", "2"}});
    s.SortList(esit, true, clsSort::UlkeAlani);
    EXPECT_EQ(Idler(esit), (std::vector<int>{2, 3, 1}));

    // One key everywhere: a descending sort would reverse the rows; it must not run.
    clsFastCollection ayni;
    Doldur(ayni, {{"X", "1"}, {"X", "2"}, {"X", "3"}});
    EXPECT_FALSE(s.SortList(ayni, false, clsSort::UlkeAlani));
    EXPECT_EQ(Idler(ayni), (std::vector<int>{1, 2, 3}));

    // Numbers are one key when they print alike: 0.1 + 0.2 and 0.3 do.
    clsFastCollection sayilar;
    Doldur(sayilar, {{"a", ""}, {"b", ""}, {"c", ""}});
    const double tz[] = {0.1 + 0.2, 0.3, 0.3};
    for (int i = 1; i <= 3; ++i)
        sayilar.Item(i)->setEnlem(tz[i - 1]);
    EXPECT_FALSE(s.SortList(sayilar, true, clsSort::EnlemAlani));
    sayilar.Item(2)->setEnlem(-3.5);
    sayilar.Item(3)->setEnlem(1);
    EXPECT_TRUE(s.SortList(sayilar, true, clsSort::EnlemAlani));
    EXPECT_EQ(Ulkeler(sayilar), "b a c");
}

} // namespace
