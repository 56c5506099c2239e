// The scrollbar's arithmetic on the list's own terms: whole values from 1 to the highest top
// row, a 200-pixel bar (H = 3000 twips) with 17-pixel arrows (U = D = 255) and a 20-pixel
// thumb (t = 300), so the thumb travels R = 2190 twips.
#include "controls/ScrollHesap.h"

#include <gtest/gtest.h>

// Placed from the value: Int(R * (Value - Min) / (Max - Min)) + U, rounded up to the next
// whole pixel, the value clamped into the range; with Max = Min (all rows fit) the last top
// is only kept between the arrows. Dragged (izY < 0 below), the thumb's centre follows the
// pointer, -izY twips below the top of the track: the whole part of the proportional value
// (1 + 1095 * 99 / 2190 = 50.5 for 1245), exactly Min or Max at either end.
TEST(ScrollHesap, ThumbFollowsTheValueAndTheValueTheThumb)
{
    // max, value, top before or -izY, top, value after
    const double durumlar[][5] = {
        {100, 50, 0, 1350, 50},      {100, 1, 0, 255, 1},        {100, 100, 0, 2445, 100},
        {100, 500, 0, 2445, 100},    {100, -4, 0, 255, 1},       {1, 1, 9999, 2445, 1},
        {1, 1, 0, 255, 1},           {100, 50, -1245, 1350, 50}, {100, 50, -1260, 1365, 51},
        {100, 50, -9000, 2445, 100}, {100, 50, -150, 255, 1}};
    for (const auto& [max, deger, once, tepe, son] : durumlar) {
        ScrollHesap h;
        h.H = 3000;
        h.U = h.D = 255;
        h.t = 300;
        h.Max = int(max);
        h.Value = int(deger);
        h.Tepe = std::max(0, int(once));
        if (once < 0)
            h.Surukle(-once);
        else
            h.Yerlestir();
        EXPECT_EQ(h.Tepe, tepe) << deger << " of " << max << ", " << once;
        EXPECT_EQ(h.Value, SabitNokta(int(son))) << deger << " of " << max << ", " << once;
    }
}
