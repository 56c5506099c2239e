#include "platform/Twip.h"

#include <gtest/gtest.h>

TEST(Twip, DragUsesFifteenTwipsPerPixel)
{
    EXPECT_EQ(Twip::SuruklemeKonumu(QPoint(100, 200), QPoint(150, 45)), QPoint(1350, 2955));
    EXPECT_EQ(Twip::SuruklemeKonumu(QPoint(0, 0), QPoint(150, 45)), QPoint(-150, -45));
}
