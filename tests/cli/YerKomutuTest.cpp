// The place options of times, month and alerts, over the stored place and options.
#include "../locations/KonumTestAraclari.h"
#include "support/KomutCalistirici.h"
#include "platform/AyarDeposu.h"

#include <gtest/gtest.h>

namespace {

const QStringList Haziran{"times", "--date", "2026-06-21"};
const QStringList Elle{"--lat", "41.02", "--lon", "28.97", "--tz", "2"};

// A place given by --lat/--lon/--tz has no country, so the stored "Türkiye" and its extra
// hour do not carry over; the summer hour comes from the source unless --no-dst.
TEST(YerKomutu, CountryAndSummerHour)
{
    const QStringList ocak{"times", "--date", "2026-01-15"};
    const std::pair<QStringList, const char*> durumlar[] = {
        {ocak, "Öğle\t13:19"},
        {ocak + Elle, "Öğle\t12:19"},
        {ocak + Elle + QStringList{"--country", "Türkiye"}, "Öğle\t13:19"},
        {Haziran + Elle, "Öğle\t13:12"},
        {Haziran + Elle + QStringList{"--no-dst"}, "Öğle\t12:12"},
    };
    const KomutCalistirici cli;
    for (const auto& [args, ogle] : durumlar)
        EXPECT_EQ(cli(args).Out.section(u'\n', 4, 4), ogle) << args.join(u' ').toStdString();
    EXPECT_EQ(cli(Haziran + QStringList{"--lat", "90", "--lon", "-180", "--tz", "-12"}).Kod, 0);
}

// --place takes the latitude, longitude, time zone and country of the row the search box
// selects in data.db (--db, else the program folder's); --country still names the country.
TEST(YerKomutu, PlaceFromDataDbOnEveryCommand)
{
    KomutCalistirici cli;
    cli.DosyaYaz("yerler.db", W1254("3|Türkiye|Van|3|38,5|43,4\r\n"
                                    "9|Nepal|Katmandu|5,75|27,7172|85,324"));
    cli.DosyaYaz("data.db", DosyaIcerigi(cli.Yol("yerler.db")));
    for (const QStringList& komut : {QStringList{"times", "--date", "2026-01-15"},
                                     QStringList{"month", "--year", "2026", "--month", "1"},
                                     QStringList{"alerts", "--date", "2026-01-15"}}) {
        const CliCikti elle = cli(komut + QStringList{"--lat", "27.7172", "--lon", "85.324", "--tz",
                                                      "5.75", "--country", "Nepal"});
        ASSERT_EQ(elle.Kod, 0) << elle.Err.toStdString();
        EXPECT_EQ(cli(komut + QStringList{"--place", "katmandu", "--db", cli.Yol("yerler.db")}),
                  elle);
        EXPECT_EQ(cli(komut + QStringList{"--place", "van", "--country", "Nepal"}),
                  cli(komut + QStringList{"--lat", "38.5", "--lon", "43.4", "--tz", "3",
                                          "--country", "Nepal"}));
    }
}

// The stored place and options are the defaults. A stored place that cannot be used is
// refused unless the options name another place.
TEST(YerKomutu, StoredSettingsAreTheDefaults)
{
    KomutCalistirici cli;
    AyarDeposu().Yaz({{"bEnlem", "52.52"},
                      {"bBoylam", "13.405"},
                      {"bTz", "1"},
                      {"bUlke", "Almanya"},
                      {"VakitHesap", "3"},
                      {"YazSaati", "0"},
                      {"HicriGun", "-1"}});
    EXPECT_EQ(cli(Haziran), cli(Haziran + QStringList{"--lat", "52.52", "--lon", "13.405", "--tz",
                                                      "1", "--country", "Almanya", "--method", "3",
                                                      "--no-dst", "--hijri-days", "-1"}));
    EXPECT_EQ(cli({"hijri", "--date", "2026-06-21"}).Out, "5 Muharrem 1448\n");

    AyarDeposu().Yaz({{"bEnlem", "kuzey"}});
    EXPECT_TRUE(cli(Haziran).Err.contains(QStringLiteral("bEnlem = kuzey")));
    cli.DosyaYaz("data.db", W1254("1|Türkiye|İstanbul|2|41,02|28,97"));
    EXPECT_EQ(cli(Haziran + QStringList{"--place", "istanbul"}).Kod, 0);
}

} // namespace
