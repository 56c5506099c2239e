#include "engine/Yuvarlama.h"

#include <gtest/gtest.h>

#include <cfenv>

// Halves go to the even neighbour, on both sides of zero and whatever the rounding mode.
TEST(CifteYuvarla, HalvesGoToTheEvenNeighbour)
{
    const std::pair<double, double> durumlar[] = {{0.5, 0},    {1.5, 2},    {2.5, 2},
                                                  {-0.5, 0},   {-1.5, -2},  {-2.5, -2},
                                                  {2.4999, 2}, {2.5001, 3}, {-2.5001, -3}};
    const int eski = std::fegetround();
    for (int kip : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD}) {
        std::fesetround(kip);
        for (const auto& [x, beklenen] : durumlar)
            EXPECT_EQ(CifteYuvarla(x), beklenen) << x << " mode " << kip;
    }
    std::fesetround(eski);
}
