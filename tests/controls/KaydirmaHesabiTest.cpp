// The scrollbar's thumb on the list's own terms: whole values from 0 to the highest top row, a
// 200-pixel bar (H = 3000 twips) with 17-pixel arrows (U = D = 255 twips) and a 20-pixel thumb
// (t = 300), so the thumb travels R = 2190 twips.
#include "controls/KaydirmaHesabi.h"

#include <gtest/gtest.h>

// Placed from the value: Int(R * (Value - Min) / (Max - Min)) + U, rounded up to the next
// whole pixel, kept between the arrows; with Max = Min (all rows fit) at the top. Dragged, the
// thumb's centre follows the pointer y pixels down the bar: the whole part of the proportional
// value (1 + 1095 * 99 / 2190 = 50.5 with the top at 1350, 50), exactly Min or Max at either end.
TEST(KaydirmaHesabi, ThumbFollowsTheValueAndTheValueTheThumb)
{
    // Min, Max, the value (< 0: a drag to -value / 10 pixels); the thumb's top (twips), the value
    const int durumlar[][5] = {
        {1, 100, 50, 1350, 50},     {1, 100, 1, 255, 1},       {1, 100, 100, 2445, 100},
        {1, 1, 1, 255, 1},          {0, 0, 0, 255, 0},         {0, 7999, 6816, 2130, 6816},
        {1, 100, -1000, 1350, 50},  {1, 100, -1010, 1365, 51}, {1, 100, -990, 1335, 49},
        {1, 100, -6000, 2445, 100}, {1, 100, -100, 255, 1},    {1, 100, -270, 255, 1}};
    for (const auto& [enAz, enCok, deger, ust, sonuc] : durumlar) {
        const KaydirmaHesabi h{enAz, enCok, 200, 17, 17, 20};
        if (deger >= 0) {
            EXPECT_EQ(h.TutamakUstu(deger), ust) << deger << " of " << enCok;
        } else {
            const KaydirmaHesabi::Surukleme s = h.Surukle(-deger / 10.0);
            EXPECT_EQ(s.Ust, ust) << deger;
            EXPECT_EQ(s.Deger, sonuc) << deger;
        }
    }
}
