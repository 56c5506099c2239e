// The built orvanel-cli as a user runs it: the system's summer time under TZ, UTF-8 in and out
// under the C locale, the program folder's sounds and data.db, the settings of its HOME.
#include "../locations/KonumTestAraclari.h"
#include "support/CliCalistirici.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace {

QStringList Times(const char* tarih, const char* enlem, const char* boylam, const char* tz)
{
    return {"times", "--date", tarih, "--lat", enlem, "--lon", boylam, "--tz", tz};
}

TEST(KomutSatiriProgram, SummerTimeFollowsTheSystemZone)
{
    const struct
    {
        const char* Tz;
        QStringList Args;
        const char* Ogle;
    } durumlar[] = {
        // The first day of summer time counts, the day before does not.
        {"Europe/Berlin", Times("2026-03-28", "52.5", "13.4", "1"), "Öğle\t12:19"},
        {"Europe/Berlin", Times("2026-03-29", "52.5", "13.4", "1"), "Öğle\t13:19"},
    };
    for (const auto& d : durumlar) {
        CliCalistirici cli;
        cli.Ortam().insert(QStringLiteral("TZ"), QString::fromLatin1(d.Tz));
        const CliCikti c = cli(d.Args);
        EXPECT_EQ(c.Kod, 0) << c.Err.toStdString();
        EXPECT_EQ(c.Out.section(u'\n', 4, 4), QString::fromUtf8(d.Ogle)) << d.Tz;
    }
}

TEST(KomutSatiriProgram, StatusesAndStreams)
{
    const CliCalistirici cli;
    EXPECT_EQ(cli(Times("2026-06-21", "91", "29", "2")),
              Reddedildi("Enlem -90 ile 90 arasında olmalı: 91"));
    // The data.db shipped beside the program.
    EXPECT_EQ(cli({"search", "istanbul,türkiye"}),
              (CliCikti{0, "6817|Türkiye|İstanbul|2|41,02|28,97\n", ""}));
}

// The shipped sounds beside the program; the machine's zone does not move the simulated day.
TEST(KomutSatiriProgram, AlertsWithTheShippedSounds)
{
    CliCalistirici cli;
    cli.Ortam().insert(QStringLiteral("TZ"), QStringLiteral("Europe/Berlin"));
    EXPECT_EQ(cli({"alerts", "--date", "2026-06-21", "--lat", "41", "--lon", "29", "--tz", "2",
                   "--country", "Türkiye"}),
              (CliCikti{0,
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

// Arguments in UTF-8, the file in Windows-1254, the settings under HOME in the C number form.
TEST(KomutSatiriProgram, AddsAndChoosesThroughTheBuiltProgram)
{
    const CliCalistirici cli;
    const QString db = cli.Ev() + QStringLiteral("/data.db");
    DosyaYaz(db, W1254("1|Türkiye|İstanbul|2|41,02|28,97"));
    EXPECT_EQ(cli({"add", "--country", "Türkiye", "--city", "Iğdır", "--tz", "3", "--lat", "39.92",
                   "--lon", "44,04", "--db", db, "--select"}),
              (CliCikti{0, "2|Türkiye|Iğdır|3|39,92|44,04\n", ""}));
    EXPECT_TRUE(DosyaIcerigi(db).endsWith("\r\n2|T\xFCrkiye|I\xF0\x64\xFDr|3|39,92|44,04"));
    const QSettings ayar(cli.AyarDosyasi(), QSettings::IniFormat);
    EXPECT_EQ(ayar.value(QStringLiteral("Vakit/bSehir")).toString(), QStringLiteral("Iğdır"));
    EXPECT_EQ(ayar.value(QStringLiteral("Vakit/bEnlem")).toString(), QStringLiteral("39.92"));
}

} // namespace
