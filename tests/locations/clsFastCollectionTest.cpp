// The rows' container: positions to insert at (0, -1 and past the end append), positions
// outside the rows that give and change nothing, growth while inserting at the front, and
// a new order.
#include "KonumTestAraclari.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<vkListItem> Satir(int id)
{
    auto s = std::make_unique<vkListItem>();
    s->setId(id);
    return s;
}

TEST(clsFastCollection, PositionsInsertTakeAndGrow)
{
    clsFastCollection c;
    EXPECT_EQ(c.Item(1), nullptr);
    c.Add(Satir(1));
    c.Add(Satir(2), -1);
    c.Add(Satir(3), 0);
    EXPECT_EQ(c.Add(Satir(9), 1), 1);
    EXPECT_EQ(c.Add(Satir(8), 4), 4); // before the last row
    EXPECT_EQ(c.Add(Satir(6), 99), 6);
    EXPECT_EQ(Idler(c), (std::vector<int>{9, 1, 2, 8, 3, 6}));
    EXPECT_EQ(c.Item(0), nullptr);
    EXPECT_EQ(c.Item(7), nullptr);
    c.Remove(0);
    c.Remove(7);
    EXPECT_EQ(c.Take(7), nullptr);
    c.Remove(1);
    EXPECT_EQ(c.Take(1)->Id(), 1);
    EXPECT_EQ(Idler(c), (std::vector<int>{2, 8, 3, 6}));

    for (int i = 10; i < 1010; ++i)
        c.Add(Satir(i), 1);
    EXPECT_EQ(c.Count(), 1004);
    EXPECT_EQ(c.Item(1)->Id(), 1009);
    EXPECT_EQ(c.Item(1004)->Id(), 6);
    // A new order; rows left out are released.
    c.Yerlestir({1004, 2, 1, 2000});
    EXPECT_EQ(Idler(c), (std::vector<int>{6, 1008, 1009}));
}

} // namespace
