// orvanel-cli alerts: the stored and given alert options (the whole day is in
// KomutSatiriProgramTest.cpp).
#include "support/KomutCalistirici.h"
#include "platform/AyarDeposu.h"

#include <gtest/gtest.h>

namespace {

// An İstanbul-like place, "Türkiye", 21 June 2026: 03:23 05:25 13:12 17:11 20:48 22:38.
const QStringList Gun{"alerts", "--date", "2026-06-21", "--lat",     "41",     "--lon",
                      "29",     "--tz",   "2",          "--country", "Türkiye"};

// "6 uyari, öğle 12:57:00, 5 ezan": how many of each, and when the warning before Öğle came.
TEST(UyarilarKomutu, OptionsOverTheStoredOnes)
{
    const struct
    {
        std::vector<std::pair<const char*, const char*>> Ayarlar;
        QStringList Args;
        const char* Ozet;
    } durumlar[] = {
        {{}, {"--no-warning"}, "0 uyari, öğle -, 5 ezan"},
        {{}, {"--no-adhan"}, "6 uyari, öğle 12:57:00, 0 ezan"},
        {{}, {"--minutes", "0"}, "0 uyari, öğle -, 5 ezan"},
        {{}, {"--minutes", "90"}, "6 uyari, öğle 11:42:00, 5 ezan"},
        {{{"BADakika", "30"}, {"BAEzan", "0"}}, {}, "6 uyari, öğle 12:42:00, 0 ezan"},
        {{{"BADakika", "30"}}, {"--minutes", "5"}, "6 uyari, öğle 13:07:00, 5 ezan"},
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
