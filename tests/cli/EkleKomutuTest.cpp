// orvanel-cli add in process, on a real data.db and a real settings file.
#include "../locations/KonumTestAraclari.h"
#include "support/KomutCalistirici.h"
#include "platform/AyarDeposu.h"

#include <gtest/gtest.h>

namespace {

const QByteArray IlkVeri =
    W1254("1|Türkiye|İstanbul|2|41,02|28,97\r\n2|Nepal|Pokhara|5,75|28,2|84");

QStringList Yer(const char* ulke, const char* sehir, const char* tz, const char* enlem,
                const char* boylam)
{
    return {"add", "--country", ulke, "--city", sehir, "--tz", tz, "--lat", enlem, "--lon", boylam};
}

class EkleKomutu : public ::testing::Test
{
protected:
    void SetUp() override { cli.DosyaYaz("data.db", IlkVeri); }
    QByteArray Db() const { return DosyaIcerigi(cli.Yol("data.db")); }
    KomutCalistirici cli;
};

// Stored in one number form whatever the user's locale, as the program reads them back.
TEST_F(EkleKomutu, AppendsThePlaceAndWithSelectChoosesIt)
{
    EXPECT_EQ(cli(Yer(" Türkiye ", "Şile", "2", "41.1777", "29,6128")),
              (CliCikti{0, "3|Türkiye|Şile|2|41,1777|29,6128\n", ""}));
    EXPECT_EQ(Db(), IlkVeri + W1254("\r\n3|Türkiye|Şile|2|41,1777|29,6128"));
    EXPECT_FALSE(QFile::exists(cli.AyarDosyasi()));

    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    ASSERT_EQ(cli(Yer("Nepal", "Katmandu", "5.75", "27,7172", "85.324") << "--select").Kod, 0);
    const AyarDeposu depo;
    EXPECT_EQ(depo.Oku(QStringLiteral("bIndex")), QStringLiteral("4"));
    EXPECT_EQ(depo.Oku(QStringLiteral("bSehir")), QStringLiteral("Katmandu"));
    EXPECT_EQ(depo.Oku(QStringLiteral("bTz")), QStringLiteral("5.75"));
    EXPECT_EQ(depo.Oku(QStringLiteral("bEnlem")), QStringLiteral("27.7172"));
    EXPECT_EQ(depo.Oku(QStringLiteral("bBoylam")), QStringLiteral("85.324"));
    EXPECT_FALSE(DosyaIcerigi(cli.AyarDosyasi()).contains("BADakika"));
}

// A refusal writes nothing: neither data.db nor, with --select, the settings.
TEST_F(EkleKomutu, RefusalsWriteNothing)
{
    const std::pair<QStringList, const char*> durumlar[] = {
        {{"add", "--country", "Türkiye", "--city", "Şile", "--lat", "1", "--lon", "2"},
         "Geçerli bir saat dilimi giriniz (--tz): -12 -11 -10 -9 -8 -7 -6 -5 "
         "-4,5 -4 -3,5 -3 -2 -1 0 1 2 3 3,5 4 4,5 5 5,5 5,75 6 6,5 7 8 9 9,5 "
         "10 11 12"},
        // Completeness comes first, as in the dialog.
        {{"add", "--country", "Türkiye", "--tz", "x"}, "Lütfen bilgileri eksiksiz giriniz."},
        {Yer("türkiye", "istanbul", "2", "41", "29"), "'türkiye - istanbul' zaten mevcut."},
        {Yer("Türkiye", "Şile", "2", "41", "29") << "fazla", "Beklenmeyen değer: fazla"},
    };
    for (const auto& [args, mesaj] : durumlar)
        EXPECT_EQ(cli(QStringList(args) << "--select"), Reddedildi(mesaj)) << mesaj;
    // The rewrite fails: a folder stands where the temporary file goes.
    ASSERT_TRUE(QDir().mkdir(cli.Yol("tmpdata.db")));
    const CliCikti c = cli(Yer("Türkiye", "Şile", "2", "41", "29") << "--select");
    EXPECT_EQ(c.Kod, 2);
    EXPECT_TRUE(c.Err.startsWith(
        QStringLiteral("orvanel-cli: Konum dosyasına yazılamadı, dosyanın önceki hali korundu: ")));
    EXPECT_EQ(Db(), IlkVeri);
    EXPECT_FALSE(QFile::exists(cli.AyarDosyasi()));
}

} // namespace
