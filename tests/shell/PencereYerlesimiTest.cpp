#include "shell/PencereYerlesimi.h"

#include <gtest/gtest.h>

using namespace PencereYerlesimi;

namespace {
// A 1920 x 1080 screen and the 242 x 341 main window, in twips.
const QSize Ekran{1920 * 15, 1080 * 15};
const QSize Pencere{242 * 15, 341 * 15};
} // namespace

TEST(PencereYerlesimi, StartPositionDefaultsAndClamps)
{
    // No stored keys: right edge 100 twips from the screen's, bottom edge 700 above it.
    QPoint p = BaslangicKonumu(Ekran, Pencere, std::nullopt, std::nullopt);
    EXPECT_EQ(p.x() + Pencere.width(), Ekran.width() - 100);
    EXPECT_EQ(p.y() + Pencere.height(), Ekran.height() - 700);

    EXPECT_EQ(BaslangicKonumu(Ekran, Pencere, -50, -1), QPoint(0, 0));
    EXPECT_EQ(BaslangicKonumu(Ekran, Pencere, Ekran.width() + 10, 99999),
              QPoint(Ekran.width() - Pencere.width(), Ekran.height() - Pencere.height()));
    EXPECT_EQ(BaslangicKonumu(Ekran, Pencere, 1500, std::nullopt).x(), 1500);
    // Exactly flush with the right edge is kept.
    EXPECT_EQ(BaslangicKonumu(Ekran, Pencere, Ekran.width() - Pencere.width(), 0).x(),
              Ekran.width() - Pencere.width());
}

TEST(PencereYerlesimi, SlideRisesByAFifthAndAlwaysEndsInPlace)
{
    // 1000 -> 800 -> 640 -> 512 -> 410 (102.4 rounds to 102) -> 328 (82)
    int ust = KaydirmaBaslangici;
    std::vector<int> yollar;
    KaydirmaAdimi a{ust, true};
    int adimlar = 0;
    while (a.DevamEder && adimlar < 1000) {
        a = Kaydir(a.Ust);
        yollar.push_back(a.Ust);
        ++adimlar;
    }
    ASSERT_GE(yollar.size(), 5u);
    EXPECT_EQ((std::vector<int>(yollar.begin(), yollar.begin() + 5)),
              (std::vector<int>{800, 640, 512, 410, 328}));
    EXPECT_EQ(a.Ust, 0);
    EXPECT_FALSE(a.DevamEder);
    EXPECT_LT(adimlar, 60);

    // Offsets whose fifth rounds to nothing snap into place instead of stalling.
    EXPECT_EQ(Kaydir(2).Ust, 0);
    EXPECT_FALSE(Kaydir(2).DevamEder);
    EXPECT_EQ(Kaydir(3).Ust, 2); // 0.6 rounds to 1
    EXPECT_TRUE(Kaydir(3).DevamEder);
    EXPECT_FALSE(Kaydir(0).DevamEder);
    EXPECT_EQ(Kaydir(-40).Ust, 0);
    EXPECT_EQ(Kaydir(62).Ust, 50); // 12.4 rounds to 12
}
