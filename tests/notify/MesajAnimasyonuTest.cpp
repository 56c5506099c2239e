#include "notify/MesajAnimasyonu.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// 1920 x 1080 with a 40-pixel panel along the bottom: the setting of the figures below.
MesajAnimasyonu AltPanelli()
{
    MesajAnimasyonu a;
    a.EkranAyarla(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040));
    return a;
}

int TamBoyaKadarBuyu(MesajAnimasyonu& a, std::vector<int>* alfalar = nullptr)
{
    int tik = 0;
    for (;;) {
        ++tik;
        if (!a.Buyu())
            return tik;
        if (alfalar)
            alfalar->push_back(a.Alfa());
    }
}

} // namespace

TEST(MesajAnimasyonu, TaskbarOffsetFromTheBottomPanel)
{
    EXPECT_EQ(AltPanelli().T(), 40 * 15 - 15);

    MesajAnimasyonu panelsiz;
    panelsiz.EkranAyarla(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1080));
    EXPECT_EQ(panelsiz.T(), -15); // as with no taskbar window at all

    // A panel at the top or side is no taskbar offset at the bottom.
    MesajAnimasyonu ustte;
    ustte.EkranAyarla(QRect(0, 0, 1920, 1080), QRect(0, 30, 1920, 1050));
    EXPECT_EQ(ustte.T(), -15);
}

TEST(MesajAnimasyonu, SeventeenTicksToFullSizeWithAlphaHeldAt240)
{
    MesajAnimasyonu a = AltPanelli();
    a.Baslat(2955);
    EXPECT_EQ(a.W(), 2000);
    std::vector<int> alfalar;
    EXPECT_EQ(TamBoyaKadarBuyu(a, &alfalar), 17);
    EXPECT_EQ(a.W(), 2960);

    ASSERT_EQ(alfalar.size(), 16u);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(alfalar[i], 20 * (i + 1)) << "tick " << i + 1;
    // 260 .. 320: outside 0..255, so the window stays at 240.
    EXPECT_EQ(alfalar[12], 260);
    EXPECT_EQ(alfalar[15], 320);

    // Further ticks at full size change nothing.
    EXPECT_FALSE(a.Buyu());
    EXPECT_EQ(a.W(), 2960);
}

TEST(MesajAnimasyonu, FullSizeGeometryAboveA40PixelTaskbar)
{
    MesajAnimasyonu a = AltPanelli();
    a.Baslat(2955);
    TamBoyaKadarBuyu(a);
    const auto g = a.AdimGeometrisi();
    EXPECT_DOUBLE_EQ(g.Genislik, 2960);
    EXPECT_NEAR(g.Yukseklik, 1742.9, 0.05);
    // 28800 - 1650 - 1480 and 16200 - 585 - 2960 / 1.3 + 375.
    EXPECT_DOUBLE_EQ(g.Sol, 25670);
    EXPECT_NEAR(g.Ust, 13713.08, 0.01);
    EXPECT_EQ(a.AdimPikseli(), QRect(1711, 914, 197, 116));
    EXPECT_EQ(g.BolgeGenisligi, 198);
    EXPECT_EQ(g.BolgeYuksekligi, 117);
}

TEST(MesajAnimasyonu, GrowsAboutAFixedCentreLineAndRises)
{
    MesajAnimasyonu a = AltPanelli();
    a.Baslat(0);
    int oncekiAlt = 1 << 30;
    while (a.Buyu()) {
        const auto g = a.AdimGeometrisi();
        EXPECT_DOUBLE_EQ(g.Sol + g.Genislik / 2, 1920 * 15 - 110 * 15);
        const QRect r = a.AdimPikseli();
        EXPECT_LE(r.bottom(), 1039); // never over the panel
        EXPECT_LE(r.bottom(), oncekiAlt);
        oncekiAlt = r.bottom();
    }
}

TEST(MesajAnimasyonu, FirstStepIsKeptOffTheTaskbar)
{
    MesajAnimasyonu a = AltPanelli();
    a.Baslat(0);
    a.Buyu();
    // By the formula alone the first step's bottom edge reaches y = 1040, the panel's
    // first row (960 + 81 rows).
    EXPECT_EQ(a.AdimGeometrisi().Piksel(), QRect(1741, 960, 137, 81));
    EXPECT_EQ(a.AdimPikseli(), QRect(1741, 959, 137, 81));
}

TEST(MesajAnimasyonu, PixelsRoundHalvesToEven)
{
    // The shape: 197.5 -> 198 and 196.5 -> 196 pixels, each + 1 for the region's edge.
    EXPECT_EQ(MesajAnimasyonu::BolgeBoyu(2962.5), 199);
    EXPECT_EQ(MesajAnimasyonu::BolgeBoyu(2947.5), 197);
    MesajAnimasyonu::Geometri g;
    g.Sol = 7.5 * 15;
    g.Ust = 6.5 * 15;
    g.Genislik = 2962.5;
    g.Yukseklik = 1732.5; // 115.5 -> 116
    EXPECT_EQ(g.Piksel(), QRect(8, 6, 198, 116));
}

TEST(MesajAnimasyonu, RightOrTopPanelsKeepThePopupInTheFreeArea)
{
    // Panel on the right edge, 60 pixels wide: the centre line moves with the free area.
    MesajAnimasyonu sag;
    sag.EkranAyarla(QRect(0, 0, 1920, 1080), QRect(0, 0, 1860, 1080));
    sag.Baslat(0);
    TamBoyaKadarBuyu(sag);
    const QRect r = sag.AdimPikseli();
    EXPECT_EQ(r.x() + r.width(), 1860 - 12);
    EXPECT_LE(r.bottom(), 1079);

    // A second screen to the right of the first, panel at the bottom of it.
    MesajAnimasyonu ikinci;
    ikinci.EkranAyarla(QRect(1920, 0, 1280, 1024), QRect(1920, 0, 1280, 984));
    ikinci.Baslat(0);
    TamBoyaKadarBuyu(ikinci);
    EXPECT_EQ(ikinci.AdimPikseli().topLeft(), QPoint(1920 + 1280 - 209, 984 - 126));
}

TEST(MesajAnimasyonu, PointerMustBeStrictlyInside)
{
    const QRect pencere(1711, 914, 197, 116);
    EXPECT_TRUE(MesajAnimasyonu::ImlecUstunde({1800, 950}, pencere));
    EXPECT_TRUE(MesajAnimasyonu::ImlecUstunde({1712, 915}, pencere));
    EXPECT_TRUE(MesajAnimasyonu::ImlecUstunde({1907, 1029}, pencere));
    EXPECT_FALSE(MesajAnimasyonu::ImlecUstunde({1711, 950}, pencere)); // on the left edge
    EXPECT_FALSE(MesajAnimasyonu::ImlecUstunde({1908, 950}, pencere)); // one past the right
    EXPECT_FALSE(MesajAnimasyonu::ImlecUstunde({1800, 914}, pencere));
    EXPECT_FALSE(MesajAnimasyonu::ImlecUstunde({1800, 1030}, pencere));
}

TEST(MesajAnimasyonu, ParkedBeyondTheWholeDesktop)
{
    EXPECT_EQ(MesajAnimasyonu::ParkYeri(QRect(0, 0, 1920, 1080), QSize(197, 116)),
              QRect(1920 + 197 + 1, 1080 + 116 + 1, 197, 116));
    // Two screens side by side: beyond the second one, not on it.
    const QRect p = MesajAnimasyonu::ParkYeri(QRect(0, 0, 3200, 1080), QSize(197, 116));
    EXPECT_FALSE(QRect(0, 0, 3200, 1080).intersects(p));
}
