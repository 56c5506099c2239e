#include "locations/BolgeselMetinler.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace BolgeselMetinler;

TEST(BolgeselMetinler, CityToolTipSignsAndNumberFormats)
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    EXPECT_EQ(KonumIpucu(41.02, 28.97, 2), QStringLiteral("41.02º Kuzey, 28.97º Doğu, GMT : +2"));
    // Zero is neither north nor east, and a zero offset has no sign.
    EXPECT_EQ(KonumIpucu(0, 0, 0), QStringLiteral("0º Güney, 0º Batı, GMT : 0"));
    // Absolute coordinates with a point; the offset in the user's format brings its own sign.
    EXPECT_EQ(KonumIpucu(-33.9, -70.65, -3.5),
              QStringLiteral("33.9º Güney, 70.65º Batı, GMT : -3,5"));
    EXPECT_EQ(KonumIpucu(28.6, 77.2, 5.5), QStringLiteral("28.6º Kuzey, 77.2º Doğu, GMT : +5,5"));

    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(KonumIpucu(-33.9, 151.2, 10), QStringLiteral("33.9º Güney, 151.2º Doğu, GMT : +10"));
    EXPECT_EQ(KonumIpucu(19.4, -99.1, -6), QStringLiteral("19.4º Kuzey, 99.1º Batı, GMT : -6"));
}

TEST(BolgeselMetinler, MethodQuestionIsBuiltLineByLine)
{
    const QString soru = YontemOnayMetni(0);
    const QStringList satirlar = soru.split(QStringLiteral("\r\n"));
    ASSERT_EQ(satirlar.size(), 11);
    EXPECT_EQ(satirlar[0], QStringLiteral("Muslim World League (Standart) (Standart) : "));
    EXPECT_EQ(satirlar[1], QString());
    EXPECT_EQ(satirlar[2], QStringLiteral("İmsak Açısı : -18 Yatsı Açısı : -17"));
    EXPECT_EQ(satirlar[4], QStringLiteral("Kullanıldığı Bölgeler : Avrupa, Uzak Doğu, "
                                          "Amerika'nın bir bölümü "));
    EXPECT_EQ(satirlar[6], QStringLiteral("Namaz Vakti Hesap türleri İmsak ve Yatsı hesap "
                                          "açıları üzerinde farklılık gösterir."));
    EXPECT_EQ(satirlar[9], QString());
    EXPECT_EQ(satirlar[10], QStringLiteral("Vakit Hesap Yöntemini 'Muslim World League "
                                           "(Standart)' olarak değiştirmek istediğinize emin "
                                           "misiniz ?"));

    const QString karachi = YontemOnayMetni(1);
    EXPECT_TRUE(karachi.startsWith(
        QStringLiteral("University Of Islamic Sciences, Karachi : \r\n\r\nİmsak Açısı : -18 "
                       "Yatsı Açısı : -18\r\n\r\nKullanıldığı Bölgeler : Pakistan, Bangladeş, "
                       "Hindistan, Afganistan \r\n\r\n")));
    EXPECT_TRUE(YontemOnayMetni(3).contains(
        QStringLiteral("Akşam'dan 90 dk. sonra (Ramazan'da 120 dk.)\r\n\r\n")));
    EXPECT_TRUE(YontemOnayMetni(5).isEmpty());
}
