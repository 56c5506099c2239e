#include "controls/ScrollHesap.h"

#include <gtest/gtest.h>

namespace {

// H = 3000, U = D = 255, t = 300 twips: a 200-pixel bar with 17-pixel arrows and a
// 20-pixel thumb, so R = 2190.
ScrollHesap Ornek()
{
    ScrollHesap h;
    h.H = 3000;
    h.U = 255;
    h.D = 255;
    h.t = 300;
    return h;
}

} // namespace

TEST(SabitNokta, KesirDortBasamaktaCifteYuvarlanir)
{
    // 1/32 and 3/32 are exact in binary: 312.5 and 937.5 ten-thousandths.
    EXPECT_EQ(SabitNokta::fromDouble(0.03125).HamDeger(), 312);
    EXPECT_EQ(SabitNokta::fromDouble(0.09375).HamDeger(), 938);
    EXPECT_EQ(SabitNokta::fromDouble(-2.5).HamDeger(), -25000);
    EXPECT_EQ(SabitNokta(7).HamDeger(), 70000);
    // Tenths add up without drift, unlike doubles.
    SabitNokta toplam;
    for (int i = 0; i < 10; ++i)
        toplam = toplam + SabitNokta::Ham(1000);
    EXPECT_EQ(toplam, SabitNokta(1));
}

TEST(SabitNokta, TamsayiAsagiYuvarlar)
{
    EXPECT_EQ(SabitNokta::fromDouble(2.9999).Tamsayi(), 2);
    EXPECT_EQ(SabitNokta::fromDouble(-0.5).Tamsayi(), -1);
    EXPECT_EQ(SabitNokta(-3).Tamsayi(), -3);
    EXPECT_EQ(SabitNokta::fromDouble(-0.5).toString(), QString("-0.5"));
    EXPECT_EQ(SabitNokta::fromDouble(12.025).toString(), QString("12.025"));
    EXPECT_EQ(SabitNokta(50).toString(), QString("50"));
}

TEST(ScrollHesap, TepeBirSonrakiPikseleYuvarlanir)
{
    ScrollHesap h = Ornek();
    h.Yerlestir();
    // Int(2190 * 49 / 99) + 255 = 1338, rounded up to the 15-twip grid.
    EXPECT_EQ(h.Tepe, 1350);

    // A top already on the grid stays.
    h.Value = 1;
    h.Yerlestir();
    EXPECT_EQ(h.Tepe, 255);
    h.Value = 100;
    h.Yerlestir();
    EXPECT_EQ(h.Tepe, 3000 - 255 - 300);
}

TEST(ScrollHesap, DegerAraligaSikistirilir)
{
    ScrollHesap h = Ornek();
    h.Value = 500;
    h.Yerlestir();
    EXPECT_EQ(h.Value, SabitNokta(100));
    EXPECT_EQ(h.Tepe, 2445);
    h.Value = -4;
    h.Yerlestir();
    EXPECT_EQ(h.Value, SabitNokta(1));
    EXPECT_EQ(h.Tepe, 255);
}

TEST(ScrollHesap, MinMaxEsitkenEskiTepeYalnizcaSinirlanir)
{
    ScrollHesap h = Ornek();
    h.Min = 5;
    h.Max = 5;
    h.Tepe = 9999;
    h.Yerlestir();
    EXPECT_EQ(h.Value, SabitNokta(5));
    EXPECT_EQ(h.Tepe, 2445);
    h.Tepe = 0;
    h.Yerlestir();
    EXPECT_EQ(h.Tepe, 255);
}

TEST(ScrollHesap, TersAralikTepeyiYineDeIcerideTutar)
{
    // Max below Min: the clamp leaves Value at Max, the distance is taken as absolute.
    ScrollHesap h = Ornek();
    h.Min = 100;
    h.Max = 1;
    h.Value = 50;
    h.Yerlestir();
    EXPECT_GE(h.Tepe, 255);
    EXPECT_LE(h.Tepe, 2445);
    EXPECT_EQ(h.Tepe % 15, 0);
}

TEST(ScrollHesap, KucukCubuktaKaydiriciUstteKalir)
{
    // Shorter than both arrows and the thumb: R < 0, the top stays at U.
    ScrollHesap h = Ornek();
    h.H = 800;
    h.Yerlestir();
    EXPECT_EQ(h.Tepe, 255);
    // Past the lower end (H - D - t = 245 is above U): Max, the thumb kept at U.
    h.Surukle(400);
    EXPECT_EQ(h.Tepe, 255);
    EXPECT_EQ(h.Value, SabitNokta(100));
}

TEST(ScrollHesap, SuruklemeOrantiliDegerinTamKisminiVerir)
{
    ScrollHesap h = Ornek();
    // Top = 255 + 1245 - 150 = 1350: 1 + 1095 * 99 / 2190 = 50.5 -> 50.
    h.Surukle(1245);
    EXPECT_EQ(h.Tepe, 1350);
    EXPECT_EQ(h.Value, SabitNokta(50));
    // A half twip rounds to even: 255 + 100.5 - 150 -> 205.5 is never reached; t odd in
    // pixels gives t / 2 = 157.5 and the top rounds to the even twip.
    h.t = 315;
    h.Surukle(1000);
    EXPECT_EQ(h.Tepe, 1098); // 255 + 1000 - 157.5 = 1097.5
    // And the release snaps it back onto the grid from the value.
    h.Yerlestir();
    EXPECT_EQ(h.Tepe % 15, 0);
}

TEST(ScrollHesap, AdimKesirliDegerleriKorur)
{
    ScrollHesap h = Ornek();
    h.Adim(SabitNokta::fromDouble(0.25));
    h.Adim(SabitNokta::fromDouble(0.25));
    EXPECT_EQ(h.Value, SabitNokta::fromDouble(50.5));
    h.Adim(SabitNokta(-1000));
    EXPECT_EQ(h.Value, SabitNokta(1));
}
