// Each command's worked output once; the engine has its own tests for the times themselves.
#include "support/KomutCalistirici.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

const QStringList Yer{"--lat", "41", "--lon", "29", "--tz", "2", "--country", "Türkiye"};

TEST(Komutlar, TimesAsLinesAndAsJson)
{
    const KomutCalistirici cli;
    EXPECT_EQ(cli(QStringList{"times", "--date", "2026-06-21"} + Yer),
              (CliCikti{0,
                        "21 Haziran 2026\n6 Muharrem 1448\nİmsak\t03:23\nGüneş\t05:25\n"
                        "Öğle\t13:12\nİkindi\t17:11\nAkşam\t20:48\nYatsı\t22:38\n",
                        ""}));
    // Without --date, the clock's day.
    const QJsonObject o =
        QJsonDocument::fromJson(cli(QStringList{"times", "--json"} + Yer).Out.toUtf8()).object();
    EXPECT_EQ(o.value("miladi").toString(), QStringLiteral("21 Haziran 2026"));
    EXPECT_EQ(o.value("yatsi").toString(), QStringLiteral("22:38"));
    EXPECT_EQ(o.value("saniyeler").toObject().value("ogle").toInteger(), 13 * 3600 + 12 * 60);
}

TEST(Komutlar, MonthAsTableAndAsCsv)
{
    const KomutCalistirici cli;
    const QStringList subat = QStringList{"month", "--year", "2026", "--month", "2"} + Yer;
    const QStringList tablo = cli(subat).Out.split(u'\n');
    ASSERT_EQ(tablo.size(), 1 + 28 + 1);
    EXPECT_EQ(tablo[0], "Tarih       Hicri            İmsak  Güneş  Öğle   İkindi  Akşam  Yatsı");
    EXPECT_EQ(tablo[18], "2026-02-18  30 Şaban 1447    06:24  07:49  13:25  16:19   18:49  20:07");
    const QStringList csv = cli(subat + QStringList{"--csv"}).Out.split(u'\n');
    ASSERT_EQ(csv.size(), 1 + 28 + 1);
    EXPECT_EQ(csv[0], "tarih,hicri,imsak,gunes,ogle,ikindi,aksam,yatsi");
    EXPECT_EQ(csv[18], "2026-02-18,30 Şaban 1447,06:24,07:49,13:25,16:19,18:49,20:07");
    // Without --year and --month, the clock's month.
    EXPECT_EQ(cli({"month", "--csv"}).Out.count(u'\n'), 1 + 30);
}

TEST(Komutlar, HijriOfTheClocksDayOrAnother)
{
    const KomutCalistirici cli;
    EXPECT_EQ(cli({"hijri"}), (CliCikti{0, "6 Muharrem 1448\n", ""}));
    EXPECT_EQ(cli({"hijri", "--date=2026-02-18", "--hijri-days", "1"}).Out, "2 Ramazan 1447\n");
}

} // namespace
