// orvanel-cli religious-days: its lines in process, then its three outputs through the built
// program, the iCalendar file and the JSON array read back by Debian's python3 (icalendar, json)
// against the lines.
#include "platform/AyarDeposu.h"
#include "support/CliCalistirici.h"

#include <gtest/gtest.h>

namespace {

// The clock's year (2026), one line a day; the stored correction and --hijri-days move the
// days.
TEST(DiniGunlerKomutu, LinesOfTheClocksYear)
{
    const KomutCalistirici cli;
    const CliCikti duz = cli({"religious-days"});
    const QStringList satirlar = duz.Out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(satirlar.size(), 18) << duz.Err.toStdString();
    EXPECT_EQ(satirlar[15], "2026-08-24\tPazartesi\tMevlid Kandili\t11 Rebiü'l-Evvel 1448");
    EXPECT_EQ(cli({"dini-gunler", "--year", "2026"}), duz);
    EXPECT_TRUE(AyarDeposu().Yaz({{"HicriGun", "1"}}));
    EXPECT_TRUE(cli({"religious-days"}).Out.contains("2026-08-23\tPazar\tMevlid Kandili"));
    EXPECT_EQ(cli({"religious-days", "--hijri-days", "0"}), duz);
}

// All-day events on the days of the lines, folded and escaped as calendar programs read them,
// and a JSON array with exactly the four members saying the same. The UIDs name the Hijri year
// and the day: two runs give the same, and a new correction moves the events it names instead
// of adding others.
TEST(DiniGunlerKomutu, IcsAndJsonSayWhatTheLinesSay)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "reads the files back with Debian's python3 (under Wine a Linux program "
                    "starts detached)";
#endif
    CliCalistirici cli;
    QStringList uidler[2];
    for (int k : {0, 1}) {
        const QStringList args{"religious-days", "--year=2027", "--hicri-gun", QString::number(k)};
        QStringList dosyalar{ORVANEL_SOURCE_DIR "/tests/cli/takvim_kontrol.py", "--dini"};
        for (const char* secenek : {"--year=2027", "--ics", "--ics", "--json"}) {
            dosyalar << cli.Ev() + QStringLiteral("/%1").arg(dosyalar.size());
            DosyaYaz(dosyalar.last(), cli(args + QStringList{secenek}).Out.toUtf8());
        }
        const CliCikti c = CliCalistirici::Calistir("/usr/bin/python3", dosyalar);
        ASSERT_EQ(c.Kod, 0) << c.Err.toStdString();
        uidler[k] = c.Out.split(u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(uidler[k].takeFirst(), "19 tüm gün olayı, 6 gece");
    }
    EXPECT_EQ(uidler[0].first(), "1448-mirac-kandili@orvanel");
    EXPECT_EQ(QSet<QString>(uidler[0].begin(), uidler[0].end()),
              QSet<QString>(uidler[1].begin(), uidler[1].end()));
}

} // namespace
