// orvanel-cli religious-days through the built program (its lines in process: KomutTest.cpp):
// the iCalendar file and the JSON array read back by Debian's python3 (icalendar, json) against
// the lines.
#include "support/CliCalistirici.h"

#include <gtest/gtest.h>

namespace {

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
