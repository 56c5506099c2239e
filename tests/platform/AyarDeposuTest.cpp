#include "platform/AyarDeposu.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A fresh per-user settings folder for each test, in the given number format.
class AyarDeposuTest : public ::testing::Test
{
protected:
    void SetUp() override { Yerel("tr_TR"); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    void Yerel(const char* ad)
    {
        QLocale::setDefault(QLocale(QString::fromLatin1(ad)));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Klasor.path());
    }
    QString DosyaYolu() const { return Klasor.path() + "/Orvanel/Orvanel.ini"; }
    void DosyaYaz(const QByteArray& icerik)
    {
        QDir().mkpath(Klasor.path() + "/Orvanel");
        QFile f(DosyaYolu());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(icerik);
    }

    QTemporaryDir Klasor;
};

TEST_F(AyarDeposuTest, FreshStoreGivesDefaultsAsWrittenTextInTheUsersFormat)
{
    AyarDeposu d;
    const QList<std::pair<const char*, QString>> beklenen = {
        {"Baslangic", "True"}, {"GorevSimge", "True"}, {"HerZamanUstte", "True"},
        {"Seffaflik", "100"},  {"YazSaati", "True"},   {"HicriGun", "0"},
        {"Simge", "1"},        {"PosX", ""},           {"PosY", ""},
        {"bIndex", "6817"},    {"bUlke", "Türkiye"},   {"bSehir", "İstanbul"},
        {"bTz", "2"},          {"bEnlem", "41.02"},    {"bBoylam", "28.97"},
        {"BAEzan", "True"},    {"BAUyari", "True"},    {"BADakika", "15"},
        {"BASesli", "True"},   {"VakitHesap", "0"}};
    ASSERT_EQ(AyarDeposu::Anahtarlar().size(), 20u);
    for (const auto& [ad, metin] : beklenen) {
        EXPECT_NE(AyarDeposu::AnahtarBul(QString::fromLatin1(ad)), nullptr) << ad;
        EXPECT_EQ(d.Oku(QString::fromLatin1(ad)), metin) << ad;
    }

    EXPECT_DOUBLE_EQ(d.SayiOku("bEnlem"), 41.02);
    EXPECT_FALSE(QFile::exists(DosyaYolu())) << "reading must not create the file";

    Yerel("C");
    EXPECT_EQ(d.Oku("bEnlem"), "41.02");
    EXPECT_EQ(d.Oku("bEnlem", 12.5), "12.5") << "an explicit default wins over the table's";
    EXPECT_EQ(d.Oku("yok", 12.5), "12.5");
    EXPECT_EQ(d.Oku("yok", false), "False");
}

TEST_F(AyarDeposuTest, WritesTextIntoTheVakitSectionOfTheUsersIniFile)
{
    {
        AyarDeposu d;
        d.Yaz("bSehir", QStringLiteral("Şanlıurfa"));
        d.Yaz("bEnlem", 37.1591);
        d.Yaz("HerZamanUstte", false);
        d.Yaz("BADakika", QStringLiteral("20"));
    }
    QFile f(DosyaYolu());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString icerik = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(icerik.startsWith("[Vakit]")) << icerik.toStdString();
    EXPECT_TRUE(icerik.contains("HerZamanUstte=False"));
    EXPECT_TRUE(icerik.contains("BADakika=20"));

    AyarDeposu yeni; // as at the next start
    EXPECT_EQ(yeni.Oku("bSehir"), "Şanlıurfa");
    EXPECT_EQ(yeni.Oku("bEnlem"), "37.1591");
    EXPECT_DOUBLE_EQ(yeni.SayiOku("bEnlem"), 37.1591);
    EXPECT_FALSE(yeni.MantiksalOku("HerZamanUstte"));
    EXPECT_EQ(yeni.TamsayiOku("BADakika"), 20);
}

TEST_F(AyarDeposuTest, NumbersAreStoredInOneFormWithFifteenDigitsAndNoGrouping)
{
    for (const char* yerel : {"tr_TR", "C", "ar_EG"}) {
        Yerel(yerel);
        EXPECT_EQ(AyarDeposu::SayiMetni(41.02), "41.02");
        EXPECT_EQ(AyarDeposu::SayiMetni(-3.5), "-3.5");
        EXPECT_EQ(AyarDeposu::SayiMetni(12345.25), "12345.25");
        EXPECT_EQ(AyarDeposu::SayiMetni(1.0 / 3), "0.333333333333333");
        EXPECT_EQ(AyarDeposu::SayiMetni(1e-5), "0.00001");
        EXPECT_EQ(AyarDeposu::SayiMetni(-0.0), "0");
    }
}

TEST_F(AyarDeposuTest, NumbersReadBackAcrossAChangeOfNumberFormat)
{
    AyarDeposu d;
    d.Yaz("bEnlem", 41.02); // "41,02"
    Yerel("C");
    EXPECT_DOUBLE_EQ(d.SayiOku("bEnlem"), 41.02);
    d.Yaz("bBoylam", -8.25); // "-8.25"
    Yerel("tr_TR");
    EXPECT_DOUBLE_EQ(d.SayiOku("bBoylam"), -8.25);

    // A Turkish group separator is never written, so "1.234" is a decimal point.
    EXPECT_DOUBLE_EQ(*AyarDeposu::SayiCoz("1.234"), 1.234);
    EXPECT_DOUBLE_EQ(*AyarDeposu::SayiCoz(" 2,5 "), 2.5);
    for (const char* kotu : {"", "abc", "1,2,3", "1.2.3", "inf", "nan", "12 34"})
        EXPECT_FALSE(AyarDeposu::SayiCoz(QString::fromLatin1(kotu)).has_value()) << kotu;

    d.Yaz("bTz", QStringLiteral("bozuk"));
    EXPECT_DOUBLE_EQ(d.SayiOku("bTz"), 2) << "unreadable number falls back to the default";
}

// A stored number reads back whatever the locale: this program writes one form, and what it
// wrote before in the user's format (local digits, Unicode minus, direction marks, local
// exponents) under any of Qt's locales still reads as the same number.
TEST_F(AyarDeposuTest, NumbersReadBackUnderEveryLocale)
{
    const double sayilar[] = {-33.9, 41.02, 1e-5, -1.5e-7, 5.75, 0, -2};
    for (const char* yazan : {"ar_EG", "fa_IR", "he_IL", "ur_PK", "tr_TR", "de_DE", "C"}) {
        Yerel(yazan);
        EXPECT_EQ(AyarDeposu::SayiMetni(-33.9), "-33.9") << yazan;
        for (double x : sayilar) {
            AyarDeposu().Yaz("bEnlem", x);
            for (const char* okuyan : {"C", "tr_TR", "ar_EG", "fa_IR"}) {
                QLocale::setDefault(QLocale(QString::fromLatin1(okuyan)));
                EXPECT_EQ(AyarDeposu().SayiOku("bEnlem"), x) << yazan << " -> " << okuyan;
            }
            QLocale::setDefault(QLocale(QString::fromLatin1(yazan)));
        }
    }
    int okunamayan = 0;
    for (QLocale l : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                              QLocale::AnyTerritory)) {
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        for (double x : sayilar) {
            const QString eski = l.toString(x, 'g', 15);
            const std::optional<double> okunan = AyarDeposu::SayiCoz(eski);
            okunamayan += okunan != x;
            EXPECT_EQ(okunan, x) << l.name().toStdString() << " wrote " << eski.toStdString();
        }
    }
    EXPECT_EQ(okunamayan, 0);
}

TEST_F(AyarDeposuTest, HandEditedCommaValueIsReadAsText)
{
    DosyaYaz("[Vakit]\nbEnlem=41,5\nbSehir=\"Ankara\"\n");
    AyarDeposu d;
    EXPECT_EQ(d.Oku("bEnlem"), "41,5");
    EXPECT_DOUBLE_EQ(d.SayiOku("bEnlem"), 41.5);
    EXPECT_EQ(d.Oku("bSehir"), "Ankara");
}

TEST_F(AyarDeposuTest, TextWithIniSpecialCharactersSurvives)
{
    AyarDeposu d;
    for (const QString& metin :
         {QStringLiteral("a,b"), QStringLiteral("@Invalid()"), QStringLiteral("x=y;z"),
          QStringLiteral(" boşluk "), QStringLiteral("\"tırnak\""), QStringLiteral("")}) {
        d.Yaz("bUlke", metin);
        AyarDeposu yeni;
        EXPECT_EQ(yeni.Oku("bUlke"), metin) << metin.toStdString();
    }
}

TEST(AyarDeposuCoz, BooleansAcceptTrueFalseAndAnyNumberInBothFormats)
{
    for (const char* yerel : {"tr_TR", "C"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(yerel)));
        for (const char* dogru : {"True", "true", "1", "-1", "2", "0.5"})
            EXPECT_EQ(AyarDeposu::MantiksalCoz(QString::fromLatin1(dogru)), true) << yerel << dogru;
        for (const char* yanlis : {"False", "FALSE", "0", "0,0"})
            EXPECT_EQ(AyarDeposu::MantiksalCoz(QString::fromLatin1(yanlis)), false) << yanlis;
        EXPECT_FALSE(AyarDeposu::MantiksalCoz("").has_value());
        EXPECT_FALSE(AyarDeposu::MantiksalCoz("evet").has_value());
    }
    QLocale::setDefault(QLocale::c());
}

TEST_F(AyarDeposuTest, UnreadableOrOutOfRangeValuesFallBackToTheDefault)
{
    AyarDeposu d;
    struct Durum
    {
        const char* anahtar;
        const char* metin;
        int beklenen;
    };
    const Durum durumlar[] = {
        {"BADakika", "30", 30},    {"BADakika", "546", 546},  {"BADakika", "0", 0},
        {"BADakika", "547", 546},  {"BADakika", "-1", 0},     {"BADakika", "abc", 15},
        {"BADakika", "15,5", 15},  {"BADakika", "", 15},      {"BADakika", " 20 ", 20},
        {"HicriGun", "-2", -2},    {"HicriGun", "1,5", 0},    {"HicriGun", "x", 0},
        {"HicriGun", "40000", 0},  {"VakitHesap", "4", 4},    {"VakitHesap", "5", 0},
        {"VakitHesap", "-1", 0},   {"Seffaflik", "45,5", 46}, {"Seffaflik", "44,5", 44},
        {"Seffaflik", "0", 30},    {"Seffaflik", "150", 100}, {"Simge", "3", 3},
        {"bIndex", "70000", 6817}, {"bIndex", "12", 12},
    };
    for (const auto& c : durumlar) {
        d.Yaz(QString::fromLatin1(c.anahtar), QString::fromLatin1(c.metin));
        EXPECT_EQ(d.TamsayiOku(QString::fromLatin1(c.anahtar)), c.beklenen)
            << c.anahtar << "=" << c.metin;
    }
    d.Yaz("BAUyari", QStringLiteral("belki"));
    EXPECT_TRUE(d.MantiksalOku("BAUyari"));
    d.Yaz("BAEzan", QStringLiteral("0"));
    EXPECT_FALSE(d.MantiksalOku("BAEzan"));
}

TEST_F(AyarDeposuTest, WindowPositionIsReadOnlyWhenPresentAndWhole)
{
    AyarDeposu d;
    EXPECT_FALSE(d.TamsayiVarsa("PosX"));
    d.Yaz("PosX", QStringLiteral("-50"));
    EXPECT_EQ(d.TamsayiVarsa("PosX"), -50);
    d.Yaz("PosX", QStringLiteral("120,5"));
    EXPECT_EQ(d.TamsayiVarsa("PosX"), 120) << "halves to even";
    d.Yaz("PosY", QStringLiteral("yukarı"));
    EXPECT_FALSE(d.TamsayiVarsa("PosY"));
}

TEST(AyarDeposuDenetle, TypedMinutesAndHijriCorrectionMustBeWholeNumbersInRange)
{
    const QString dakikaHata = QString::fromUtf8(BADakikaHataMetni);
    for (const char* iyi : {"0", "15", "546", " 7 ", "+5"})
        EXPECT_EQ(AyarDeposu::Denetle("BADakika", QString::fromLatin1(iyi)), "") << iyi;
    for (const char* kotu : {"", "abc", "15,5", "15.5", "-1", "547", "99999999999", "1e2"})
        EXPECT_EQ(AyarDeposu::Denetle("BADakika", QString::fromLatin1(kotu)), dakikaHata) << kotu;

    const QString hicriHata = QString::fromUtf8(HicriGunHataMetni);
    for (const char* iyi : {"0", "-2", "3"})
        EXPECT_EQ(AyarDeposu::Denetle("HicriGun", QString::fromLatin1(iyi)), "") << iyi;
    for (const char* kotu : {"", "1,5", "bir", "40000"})
        EXPECT_EQ(AyarDeposu::Denetle("HicriGun", QString::fromLatin1(kotu)), hicriHata) << kotu;

    EXPECT_EQ(AyarDeposu::Denetle("bSehir", "herhangi"), "") << "keys without a check";
}

} // namespace
