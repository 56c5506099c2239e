#include "KonumTestAraclari.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<vkListItem> Satir(int id)
{
    auto s = std::make_unique<vkListItem>();
    s->setId(id);
    return s;
}

TEST(clsFastCollection, InsertPositionsAndAppend)
{
    clsFastCollection c;
    c.Add(Satir(1));
    c.Add(Satir(2), -1);
    c.Add(Satir(3), 0); // not a position: appended
    EXPECT_EQ(c.Add(Satir(9), 1), 1);
    EXPECT_EQ(Idler(c), (std::vector<int>{9, 1, 2, 3}));
    EXPECT_EQ(c.Add(Satir(8), 4), 4); // before the last row
    EXPECT_EQ(c.Add(Satir(7), 6), 6); // the new Count: the end
    EXPECT_EQ(c.Add(Satir(6), 99), 7);
    EXPECT_EQ(Idler(c), (std::vector<int>{9, 1, 2, 8, 3, 7, 6}));
}

TEST(clsFastCollection, PositionsOutsideTheRowsGiveNothingAndChangeNothing)
{
    clsFastCollection c;
    EXPECT_EQ(c.Item(1), nullptr);
    c.Remove(1);
    c.Add(Satir(1));
    c.Add(Satir(2));
    EXPECT_EQ(c.Item(0), nullptr);
    EXPECT_EQ(c.Item(3), nullptr);
    EXPECT_EQ(c.Item(-1), nullptr);
    c.Remove(0);
    c.Remove(3);
    EXPECT_EQ(c.Take(3), nullptr);
    EXPECT_EQ(Idler(c), (std::vector<int>{1, 2}));
    c.Remove(1);
    EXPECT_EQ(Idler(c), (std::vector<int>{2}));
    auto alinan = c.Take(1);
    ASSERT_NE(alinan, nullptr);
    EXPECT_EQ(alinan->Id(), 2);
    EXPECT_EQ(c.Count(), 0);
}

TEST(clsFastCollection, CapacityMovesInStepsOfAThousandKeepingTheRows)
{
    clsFastCollection c;
    EXPECT_EQ(c.Kapasite(), 0);
    c.Add(Satir(1));
    EXPECT_EQ(c.Kapasite(), 1000);
    for (int i = 2; i <= 1000; ++i)
        c.Add(Satir(i));
    EXPECT_EQ(c.Kapasite(), 1000);
    c.Add(Satir(1001), 1); // growing while inserting at the front
    EXPECT_EQ(c.Kapasite(), 2000);
    EXPECT_EQ(c.Item(1)->Id(), 1001);
    EXPECT_EQ(c.Item(1001)->Id(), 1000);

    c.Remove(1); // 1000 rows: 2000 - 1000 is not above 1000
    EXPECT_EQ(c.Kapasite(), 2000);
    c.Remove(500); // 999 rows
    EXPECT_EQ(c.Kapasite(), 1000);
    EXPECT_EQ(c.Count(), 999);
    EXPECT_EQ(c.Item(499)->Id(), 499);
    EXPECT_EQ(c.Item(500)->Id(), 501);
    EXPECT_EQ(c.Item(999)->Id(), 1000);

    while (c.Count() > 0)
        c.Remove(c.Count());
    EXPECT_EQ(c.Kapasite(), 1000); // shrinks only while 1000 above Count
    c.Add(Satir(5));
    c.Clear();
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(c.Kapasite(), 0);
    c.Add(Satir(6));
    EXPECT_EQ(Idler(c), (std::vector<int>{6}));
}

TEST(clsFastCollection, TakeAllEmptiesInOrder)
{
    clsFastCollection c;
    for (int i = 1; i <= 3; ++i)
        c.Add(Satir(i));
    const auto satirlar = c.TakeAll();
    ASSERT_EQ(satirlar.size(), 3u);
    EXPECT_EQ(satirlar[2]->Id(), 3);
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(c.Kapasite(), 0);
}

} // namespace
