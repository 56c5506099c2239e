#include "engine/Yuvarlama.h"

#include <gtest/gtest.h>

#include <cfenv>

TEST(CifteYuvarla, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(CifteYuvarla(0.5), 0);
    EXPECT_EQ(CifteYuvarla(1.5), 2);
    EXPECT_EQ(CifteYuvarla(2.5), 2);
    EXPECT_EQ(CifteYuvarla(-0.5), 0);
    EXPECT_EQ(CifteYuvarla(-1.5), -2);
    EXPECT_EQ(CifteYuvarla(-2.5), -2);
    EXPECT_EQ(CifteYuvarla(2.4999), 2);
    EXPECT_EQ(CifteYuvarla(2.5001), 3);
    EXPECT_EQ(CifteYuvarla(-2.5001), -3);
}

TEST(CifteYuvarla, IndependentOfTheRoundingMode)
{
    const int eski = std::fegetround();
    std::fesetround(FE_UPWARD);
    const double sonuc = CifteYuvarla(2.5);
    std::fesetround(eski);
    EXPECT_EQ(sonuc, 2);
}
