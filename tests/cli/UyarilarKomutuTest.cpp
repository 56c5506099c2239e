// orvanel-cli alerts: the day of the countdown with its stored and given options.
#include "../support/KomutCalistirici.h"
#include "platform/AyarDeposu.h"

#include <gtest/gtest.h>

namespace {

// An İstanbul-like place, "Türkiye", 21 June 2026: 03:23 05:25 13:12 17:11 20:48 22:38.
const QStringList Gun{"alerts", "--date", "2026-06-21", "--lat",     "41",     "--lon",
                      "29",     "--tz",   "2",          "--country", "Türkiye"};

TEST(UyarilarKomutu, EveryWarningAndEzanAtItsSecond)
{
    const KomutCalistirici cli;
    cli.DosyaYaz("Ezan/ezan.wma", "x");
    cli.DosyaYaz("uyari.wma", "x");
    EXPECT_EQ(cli(Gun), (CliCikti{0,
                                  "03:08:00\tuyari\tyatsi\tİmsak Vaktine |15 Dakika | kaldı.\n"
                                  "03:23:00\tezan\timsak\tEzan/ezan.wma\n"
                                  "05:10:00\tuyari\timsak\tGüneş'in Doğmasına |15 Dakika | kaldı.\n"
                                  "12:57:00\tuyari\tgunes\tÖğle Vaktine |15 Dakika | kaldı.\n"
                                  "13:12:00\tezan\togle\tEzan/ezan.wma\n"
                                  "16:56:00\tuyari\togle\tİkindi Vaktine |15 Dakika | kaldı.\n"
                                  "17:11:00\tezan\tikindi\tEzan/ezan.wma\n"
                                  "20:33:00\tuyari\tikindi\tAkşam Vaktine |15 Dakika | kaldı.\n"
                                  "20:48:00\tezan\taksam\tEzan/ezan.wma\n"
                                  "22:23:00\tuyari\taksam\tYatsı Vaktine |15 Dakika | kaldı.\n"
                                  "22:38:00\tezan\tyatsi\tEzan/ezan.wma\n",
                                  ""}));
}

// "6 uyari, öğle 12:57:00, 5 ezan": how many of each, and when the warning before Öğle came.
TEST(UyarilarKomutu, OptionsOverTheStoredOnes)
{
    const struct
    {
        std::vector<std::pair<const char*, const char*>> Ayarlar;
        QStringList Args;
        const char* Ozet;
    } durumlar[] = {
        {{}, {"--no-uyari"}, "0 uyari, öğle -, 5 ezan"},
        {{}, {"--no-ezan"}, "6 uyari, öğle 12:57:00, 0 ezan"},
        {{}, {"--no-sesli"}, "6 uyari, öğle 12:57:00, 5 ezan"},
        {{}, {"--dakika", "0"}, "0 uyari, öğle -, 5 ezan"},
        {{}, {"--dakika", "90"}, "6 uyari, öğle 11:42:00, 5 ezan"},
        {{{"BADakika", "30"}, {"BAEzan", "0"}}, {}, "6 uyari, öğle 12:42:00, 0 ezan"},
        {{{"BADakika", "30"}}, {"--dakika", "5"}, "6 uyari, öğle 13:07:00, 5 ezan"},
        {{{"BAUyari", "0"}}, {}, "0 uyari, öğle -, 5 ezan"},
        // A damaged value falls back to the default, never to silence.
        {{{"BADakika", "çok"}}, {}, "6 uyari, öğle 12:57:00, 5 ezan"},
    };
    for (const auto& d : durumlar) {
        const KomutCalistirici cli;
        cli.DosyaYaz("Ezan/ezan.wma", "x");
        AyarDeposu depo;
        for (const auto& [anahtar, deger] : d.Ayarlar)
            depo.Yaz(anahtar, QString::fromUtf8(deger));
        const QString out = cli(Gun + d.Args).Out;
        const qsizetype ogle = out.indexOf(QStringLiteral("\tuyari\tgunes"));
        EXPECT_EQ(QStringLiteral("%1 uyari, öğle %2, %3 ezan")
                      .arg(out.count(QStringLiteral("\tuyari\t")))
                      .arg(ogle < 0 ? QStringLiteral("-") : out.mid(ogle - 8, 8))
                      .arg(out.count(QStringLiteral("\tezan\t"))),
                  QString::fromUtf8(d.Ozet))
            << d.Args.join(u' ').toStdString();
    }
}

} // namespace
