#include "engine/HesapYontemi.h"

#include "support/QtYazdir.h"

#include <gtest/gtest.h>

// The five methods in index order, their angles (half degrees included), only the first the
// standard one; the description lines are joined as they are, so the regions keep their
// closing blank. Outside the table there is no method.
TEST(HesapYontemi, TableOfTheFiveMethods)
{
    const std::pair<double, double> acilar[] = {
        {18, 17}, {18, 18}, {15, 15}, {19, 17}, {19.5, 17.5}};
    for (int i = 0; i < 5; ++i) {
        const HesapYontemi* y = HesapYontemiBul(i);
        ASSERT_NE(y, nullptr);
        EXPECT_EQ(y->Index, i);
        EXPECT_EQ(std::pair(y->ImsakAcisi, y->YatsiAcisi), acilar[i]) << i;
        EXPECT_EQ(y->Standart, i == 0);
        EXPECT_TRUE(y->BolgeMetni.endsWith(u' ') && !y->AciMetni.endsWith(u' ')) << i;
    }
    EXPECT_EQ(HesapYontemiBul(3)->AciMetni,
              QStringLiteral(
                  "İmsak Açısı : -19 Yatsı Açısı : Akşam'dan 90 dk. sonra (Ramazan'da 120 dk.)"));
    for (int i : {-1, 5, 32767})
        EXPECT_EQ(HesapYontemiBul(i), nullptr);
}
