#include "platform/Twip.h"
#include "platform/EkranIcinde.h"

#include <gtest/gtest.h>

TEST(Twip, DragUsesFifteenTwipsPerPixel)
{
    EXPECT_EQ(Twip::SuruklemeKonumu(QPoint(100, 200), QPoint(150, 45)), QPoint(1350, 2955));
    EXPECT_EQ(Twip::SuruklemeKonumu(QPoint(0, 0), QPoint(150, 45)), QPoint(-150, -45));
}

// A window moves the least distance that puts it on the screen; on a second screen whose area
// does not start at 0, and when larger than the area, its top-left corner stays in view.
TEST(EkranIcinde, MovesTheLeastDistanceAndKeepsTheCornerInView)
{
    const QRect alan(1920, 30, 1280, 994); // right-hand screen, below a 30 px panel
    const struct
    {
        QRect Pencere;
        QPoint Beklenen;
    } durumlar[] = {
        {{2000, 100, 242, 341}, {2000, 100}},              // inside: kept
        {{3100, 900, 242, 341}, {2958, 683}},              // over the right and bottom edges
        {{3200 - 242, 1024 - 341, 242, 341}, {2958, 683}}, // flush: kept
        {{100, -50, 242, 341}, {1920, 30}},                // on the other screen, above the panel
        {{2500, 500, 1400, 1100}, {1920, 30}},             // larger than the area
    };
    for (const auto& d : durumlar)
        EXPECT_EQ(EkranIcinde(d.Pencere, alan).topLeft(), d.Beklenen) << d.Pencere.x();
}
