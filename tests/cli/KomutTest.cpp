// What every command shares: how the arguments are read, how a mistake is reported, and help.
#include "../locations/KonumTestAraclari.h"
#include "support/KomutCalistirici.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

TEST(Komut, ValuesTakeBothFormsAndMayStartWithAMinus)
{
    const KomutCalistirici cli;
    const QStringList sidney{"times", "--date", "2026-06-21", "--lon", "151.2", "--tz", "10"};
    const CliCikti ayri = cli(sidney + QStringList{"--lat", "-33.9"});
    EXPECT_EQ(ayri.Kod, 0);
    EXPECT_EQ(cli(sidney + QStringList{"--lat=-33.9"}), ayri);
    EXPECT_NE(cli(sidney + QStringList{"--lat", "33.9"}).Out, ayri.Out);
}

TEST(Komut, MistakesGiveOneTurkishLineAndStatusTwo)
{
    const std::pair<QStringList, const char*> durumlar[] = {
        {{"times", "--lat"}, "--lat için bir değer gerekli."},
        {{"times", "--json=yes"}, "--json bir değer almaz."},
        {{"month", "--yok", "1"}, "Bilinmeyen seçenek: --yok"},
        {{"hijri", "-x"}, "Bilinmeyen seçenek: -x"},
        {{"search", "-5"}, "Bilinmeyen seçenek: -5"},
        {{"alerts", "fazla"}, "Beklenmeyen değer: fazla"},
        {{"times", "--", "--json"}, "Beklenmeyen değer: --json"},
        {{"search", "a", "b"},
         "Tek bir arama metni verilmeli (boşluk içeren metni tırnak içine alın)."},
        {{"search"}, "Aranacak metin verilmedi."},
        {{"yok"}, "Bilinmeyen komut: yok (komutlar için: orvanel-cli --help)"},
        {{"times", "--date", "2026-02-30"},
         "Geçersiz tarih: 2026-02-30 (YYYY-AA-GG biçiminde, var olan bir gün olmalı)"},
        {{"times", "--lat", "41"}, "--lat, --lon ve --tz birlikte verilmeli."},
        {{"times", "--lat", "abc", "--lon", "29", "--tz", "2"}, "Geçersiz sayı: --lat abc"},
        {{"times", "--lat", "-90.5", "--lon", "29", "--tz", "2"},
         "Enlem -90 ile 90 arasında olmalı: -90.5"},
        {{"alerts", "--lat", "41", "--lon", "29", "--tz", "14,5"},
         "Saat dilimi -12 ile 14 arasında olmalı: 14,5"},
        {{"times", "--method", "1.5"}, "Hesap yöntemi 0 ile 4 arasında olmalı: 1.5"},
        {{"hijri", "--hijri-days", "40000"},
         "Hicri gün düzeltmesi -32768 ile 32767 arasında bir tam sayı olmalı: 40000"},
        {{"month", "--month", "13"}, "Ay 1 ile 12 arasında bir tam sayı olmalı: 13"},
        {{"month", "--year", "0"}, "Yıl 1 ile 9999 arasında bir tam sayı olmalı: 0"},
        // An option is named as it was typed.
        {{"alerts", "--minutes", "547"},
         "--minutes: Uyarı süresi 0 ile 546 arasında bir tam sayı olmalıdır (dakika)."},
        {{"alerts", "--dakika", "547"},
         "--dakika: Uyarı süresi 0 ile 546 arasında bir tam sayı olmalıdır (dakika)."},
        {{"times", "--place", "van", "--lat", "1"},
         "--place ile --lat, --lon ve --tz birlikte verilemez."},
        {{"times", "--konum", "van", "--lat", "1"},
         "--konum ile --lat, --lon ve --tz birlikte verilemez."},
        {{"alerts", "--place", "ankara"}, "\"ankara\" için konum bulunamadı."},
    };
    KomutCalistirici cli;
    cli.DosyaYaz("data.db", W1254("3|Türkiye|Van|3|38,5|43,4"));
    for (const auto& [args, mesaj] : durumlar)
        EXPECT_EQ(cli(args), Reddedildi(mesaj)) << args.join(u' ').toStdString();

    const CliCikti bos = cli({});
    EXPECT_EQ(bos.Kod, 2);
    EXPECT_TRUE(bos.Err.startsWith(QStringLiteral("Kullanım: orvanel-cli KOMUT")));
}

// Help comes from the option list: every name of every option, within 80 columns.
TEST(Komut, HelpNamesEveryOption)
{
    const KomutCalistirici cli;
    const CliCikti genel = cli({"--help"});
    EXPECT_EQ(genel.Kod, 0);
    const KomutSatiri komutlar;
    for (const char* ad :
         {"times", "month", "ics", "timetable", "hijri", "alerts", "search", "add"}) {
        const CliCikti c = cli({ad, "--help"});
        EXPECT_EQ(cli({ad, "-h"}), c);
        EXPECT_EQ(c.Kod, 0);
        EXPECT_TRUE(c.Out.startsWith(QStringLiteral("Kullanım: orvanel-cli ") + ad)) << ad;
        EXPECT_TRUE(genel.Out.contains(QStringLiteral("\n  ") + ad)) << ad;
        for (const QCommandLineOption& s : komutlar.KomutBul(ad)->Secenekler())
            for (const QString& n : s.names())
                EXPECT_TRUE(c.Out.contains(QRegularExpression("  (--\\S+, )?--" + n + "[ ,\n]")))
                    << ad << " --" << n.toStdString();
        for (const QString& satir : c.Out.split(u'\n'))
            EXPECT_LE(satir.size(), 80) << satir.toStdString();
    }
    EXPECT_TRUE(cli({"times", "--help"}).Out.contains(QStringLiteral("4 Egyptian")));
}

// Every Turkish name earlier versions took gives what its English name gives.
TEST(Komut, TurkishNamesStillWork)
{
    const std::pair<QStringList, QStringList> durumlar[] = {
        {{"hijri", "--hijri-days", "1"}, {"hijri", "--hicri-gun", "1"}},
        {{"times", "--place", "van"}, {"times", "--konum", "van"}},
        {{"alerts", "--minutes", "5", "--no-adhan", "--no-sound"},
         {"alerts", "--dakika", "5", "--no-ezan", "--no-sesli"}},
        {{"alerts", "--no-warning"}, {"alerts", "--no-uyari"}},
        {{"add", "--country", "Nepal", "--city", "Katmandu", "--tz", "5.75", "--lat", "27.7",
          "--lon", "85.3", "--select"},
         {"ekle", "--ulke", "Nepal", "--sehir", "Katmandu", "--tz", "5.75", "--enlem", "27.7",
          "--boylam", "85.3", "--sec"}},
    };
    // The output, data.db and the settings after a run of its own.
    const auto sonuc = [](const QStringList& args) {
        const KomutCalistirici cli;
        cli.DosyaYaz("data.db", W1254("3|Türkiye|Van|3|38,5|43,4"));
        cli.DosyaYaz("Ezan/ezan.wma", "x");
        const CliCikti c = cli(args);
        return std::make_tuple(c, DosyaIcerigi(cli.Yol("data.db")),
                               DosyaIcerigi(cli.AyarDosyasi()));
    };
    for (const auto& [ingilizce, turkce] : durumlar) {
        const auto beklenen = sonuc(ingilizce);
        EXPECT_EQ(std::get<0>(beklenen).Kod, 0) << ingilizce.join(u' ').toStdString();
        EXPECT_EQ(sonuc(turkce), beklenen) << turkce.join(u' ').toStdString();
    }
}

} // namespace
