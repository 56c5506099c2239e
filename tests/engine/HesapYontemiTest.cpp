#include "engine/HesapYontemi.h"

#include "support/QtYazdir.h"

#include <gtest/gtest.h>

TEST(HesapYontemi, TableInIndexOrderWithOnlyTheFirstStandard)
{
    const auto& tablo = HesapYontemleri();
    for (std::size_t i = 0; i < tablo.size(); ++i) {
        EXPECT_EQ(tablo[i].Index, static_cast<qint16>(i));
        EXPECT_EQ(tablo[i].Standart, i == 0);
        // The description lines are joined as they are: the regions line keeps its blank.
        EXPECT_TRUE(tablo[i].BolgeMetni.endsWith(QLatin1Char(' '))) << i;
        EXPECT_FALSE(tablo[i].AciMetni.endsWith(QLatin1Char(' '))) << i;
    }
    EXPECT_EQ(tablo[0].Ad, QStringLiteral("Muslim World League (Standart)"));
    EXPECT_EQ(tablo[3].AciMetni,
              QStringLiteral(
                  "İmsak Açısı : -19 Yatsı Açısı : Akşam'dan 90 dk. sonra (Ramazan'da 120 dk.)"));
    EXPECT_EQ(tablo[4].BolgeMetni,
              QStringLiteral("Kullanıldığı Bölgeler : Afrika, Suriye, Irak, Lübnan, Malezya, "
                             "Amerika'nın bir bölümü "));
}

TEST(HesapYontemi, AnglesIncludingHalfDegrees)
{
    struct Beklenen
    {
        double imsak, yatsi;
    };
    const Beklenen beklenen[] = {{18, 17}, {18, 18}, {15, 15}, {19, 17}, {19.5, 17.5}};
    for (int i = 0; i < 5; ++i) {
        const HesapYontemi* y = HesapYontemiBul(i);
        ASSERT_NE(y, nullptr);
        EXPECT_EQ(y->ImsakAcisi, beklenen[i].imsak) << i;
        EXPECT_EQ(y->YatsiAcisi, beklenen[i].yatsi) << i;
    }
}

TEST(HesapYontemi, LookupOutsideTheTableFindsNothing)
{
    EXPECT_EQ(HesapYontemiBul(-1), nullptr);
    EXPECT_EQ(HesapYontemiBul(5), nullptr);
    EXPECT_EQ(HesapYontemiBul(32767), nullptr);
}
