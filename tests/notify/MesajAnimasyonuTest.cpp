// The popup's grow, hold and shrink arithmetic, on a 1920 x 1080 screen with a 40-pixel panel
// along the bottom unless a test says otherwise.
#include "notify/MesajAnimasyonu.h"
#include "notify/AdimliAnimasyon.h"

#include <gtest/gtest.h>

namespace {

MesajAnimasyonu Ekranda(QRect ekran = {0, 0, 1920, 1080}, QRect bos = {0, 0, 1920, 1040})
{
    MesajAnimasyonu a;
    a.EkranAyarla(ekran, bos);
    a.Baslat(0);
    return a;
}

// Ticks until the step says stop; the alphas of the steps that moved.
std::vector<int> Adimlar(MesajAnimasyonu& a, bool (MesajAnimasyonu::*adim)())
{
    std::vector<int> alfalar;
    while ((a.*adim)())
        alfalar.push_back(a.Alfa());
    return alfalar;
}

} // namespace

// Sixteen steps of four pixels from W = 2000 up to 2960 (the 17th tick finds full size), the
// alpha 20, 40 .. 240, then 260 .. 320, which the window ignores. The first step's bottom edge
// would reach y = 1040, the panel's first row (960 + 81 rows), by the formula alone: it is kept
// off it. The popup grows about a fixed centre line 110 pixels left of the free area's edge and
// rises as it grows, to 197 x 116 at (1711, 914): left 28800 - 1650 - 1480, top 16200 - 585 -
// 2960 / 1.3 + 375 twips; its shape one pixel larger. Shrinking takes seventeen steps down to
// W = 1940 (alpha 300 down to -20) and the 18th tick ends.
TEST(MesajAnimasyonu, GrowsAboveTheTaskbarAboutAFixedCentreLineShrinksAndParks)
{
    MesajAnimasyonu a = Ekranda();
    EXPECT_EQ(a.BuyumeAdimlari(), 16);
    std::vector<int> buyume, kuculme, alfalar;
    for (int i = 1; i <= 17; ++i)
        buyume.push_back(20 * i), kuculme.push_back(320 - 20 * i);
    buyume.pop_back();
    int oncekiAlt = 1 << 30;
    while (a.Buyu()) {
        if (alfalar.empty()) {
            EXPECT_EQ(a.AdimGeometrisi().Piksel(), QRect(1741, 960, 137, 81));
            EXPECT_EQ(a.AdimPikseli(), QRect(1741, 959, 137, 81));
        }
        alfalar.push_back(a.Alfa());
        const auto g = a.AdimGeometrisi();
        EXPECT_DOUBLE_EQ(g.Sol + g.Genislik / 2, 1920 * 15 - 110 * 15);
        EXPECT_LE(a.AdimPikseli().bottom(), std::min(oncekiAlt, 1039));
        oncekiAlt = a.AdimPikseli().bottom();
    }
    EXPECT_FALSE(a.Buyu());
    EXPECT_EQ(a.W(), 2960);
    const auto g = a.AdimGeometrisi();
    EXPECT_EQ(a.AdimPikseli(), QRect(1711, 914, 197, 116));
    EXPECT_EQ(QSize(g.BolgeGenisligi, g.BolgeYuksekligi), QSize(198, 117));
    EXPECT_EQ(MesajAnimasyonu::BolgeBoyu(2947.5), 197); // 196.5 pixels: halves to even
    EXPECT_EQ(alfalar, buyume);
    EXPECT_EQ(a.KuculmeAdimlari(), 17);
    EXPECT_EQ(Adimlar(a, &MesajAnimasyonu::Kucul), kuculme);
    EXPECT_EQ(a.W(), 1940);

    // The taskbar offset comes from a bottom panel only. A panel on the right or a second
    // screen keeps the popup in the free area.
    EXPECT_EQ(Ekranda().T(), 40 * 15 - 15);
    EXPECT_EQ(Ekranda({0, 0, 1920, 1080}, {0, 0, 1920, 1080}).T(), -15);  // no panel
    EXPECT_EQ(Ekranda({0, 0, 1920, 1080}, {0, 30, 1920, 1050}).T(), -15); // panel at the top
    // A 60-pixel panel on the right edge: the centre line moves with the free area.
    MesajAnimasyonu sag = Ekranda({0, 0, 1920, 1080}, {0, 0, 1860, 1080});
    Adimlar(sag, &MesajAnimasyonu::Buyu);
    EXPECT_EQ(sag.AdimPikseli().right(), 1860 - 13);
    // A second screen to the right of the first, its panel at the bottom.
    MesajAnimasyonu ikinci = Ekranda({1920, 0, 1280, 1024}, {1920, 0, 1280, 984});
    Adimlar(ikinci, &MesajAnimasyonu::Buyu);
    EXPECT_EQ(ikinci.AdimPikseli().topLeft(), QPoint(1920 + 1280 - 209, 984 - 126));
    // The pointer counts strictly inside the window (the rounded corners count); the popup
    // is parked beyond the whole desktop, all screens: 1920 + 197 + 1, 1080 + 116 + 1.
    const QRect pencere(1711, 914, 197, 116);
    const int noktalar[][3] = {{1800, 950, 1}, {1712, 915, 1}, {1907, 1029, 1}, {1711, 950, 0},
                               {1908, 950, 0}, {1800, 914, 0}, {1800, 1030, 0}};
    for (const auto& [x, y, ustunde] : noktalar)
        EXPECT_EQ(MesajAnimasyonu::ImlecUstunde({x, y}, pencere), ustunde != 0) << x << "," << y;
    EXPECT_EQ(MesajAnimasyonu::ParkYeri({0, 0, 1920, 1080}, {197, 116}),
              QRect(2118, 1197, 197, 116));
}

// The popup's growth and shrinking as animations: at each moment (ms) the value of W, whole
// jumps of four pixels every 10 ms, the first at 10 ms; the last value held one more interval
// (the texts come at 170 ms, the window goes at 180 ms), then the end. A run of no steps (a
// window already below the start width) ends after one interval.
TEST(MesajAnimasyonu, StepsAsAnAnimation)
{
    // Start, step, steps, duration; "ms:W ..."
    const std::tuple<int, int, int, int, const char*> durumlar[] = {
        {2000, 60, 16, 170, "0:2000 9:2000 10:2060 19:2060 20:2120 150:2900 160:2960 170:2960"},
        {2960, -60, 17, 180, "0:2960 10:2900 120:2240 170:1940 179:1940"},
        {1940, -60, 0, 10, "0:1940 10:1940"},
    };
    for (const auto& [bas, adim, adimSayisi, sure, degerler] : durumlar) {
        AdimliAnimasyon a(10);
        a.Kur(bas, adim, adimSayisi);
        EXPECT_EQ(a.duration(), sure) << bas;
        for (const QString& an : QString(degerler).split(' ')) {
            a.setCurrentTime(an.section(':', 0, 0).toInt());
            EXPECT_EQ(a.currentValue().toInt(), an.section(':', 1).toInt())
                << bas << " " << an.toStdString();
        }
    }
}
