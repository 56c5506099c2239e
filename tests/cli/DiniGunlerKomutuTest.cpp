// orvanel-cli religious-days: its three outputs in process, then the iCalendar file through
// the built program, read back by Debian's python3-icalendar against the plain lines.
#include "platform/AyarDeposu.h"
#include "support/CliCalistirici.h"
#include "support/Dosya.h"
#include "support/KomutCalistirici.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

// The clock's year (2026), one line a day; the stored correction and --hijri-days move the
// days; the JSON array says the same as the lines, with exactly its four members.
TEST(DiniGunlerKomutu, LinesAndJson)
{
    const KomutCalistirici cli;
    const CliCikti duz = cli({"religious-days"});
    const QStringList satirlar = duz.Out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(satirlar.size(), 18) << duz.Err.toStdString();
    EXPECT_EQ(satirlar[15], "2026-08-24\tPazartesi\tMevlid Kandili\t11 Rebiü'l-Evvel 1448");
    EXPECT_EQ(cli({"dini-gunler", "--year", "2026"}), duz);
    AyarDeposu().Yaz(QStringLiteral("HicriGun"), QStringLiteral("1"));
    EXPECT_TRUE(cli({"religious-days"}).Out.contains("2026-08-23\tPazar\tMevlid Kandili"));
    EXPECT_EQ(cli({"religious-days", "--hijri-days", "0"}), duz);

    const QJsonArray dizi =
        QJsonDocument::fromJson(
            cli({"religious-days", "--year=2026", "--hicri-gun=0", "--json"}).Out.toUtf8())
            .array();
    QStringList json;
    for (const QJsonValue& d : dizi) {
        const QJsonObject o = d.toObject();
        EXPECT_EQ(o.keys(), QStringList({"date", "evening", "hijri", "name"}));
        json << o["date"].toString() + " " + o["name"].toString() + " " + o["hijri"].toString() +
                    (o["evening"].toBool() ? " gece" : "");
    }
    QStringList beklenen = satirlar;
    for (QString& s : beklenen) {
        const QStringList a = s.split(u'\t');
        s = a[0] + " " + a[2] + " " + a[3] +
            (a[2].contains("Kandil") || a[2].contains("Gece") ? " gece" : "");
    }
    EXPECT_EQ(json, beklenen);

    EXPECT_EQ(cli({"religious-days", "--json", "--ics"}),
              Reddedildi("--json ile --ics birlikte verilemez."));
    EXPECT_EQ(cli({"religious-days", "--year", "10000"}),
              Reddedildi("Yıl 1 ile 9999 arasında bir tam sayı olmalı: 10000"));
}

// All-day events on the days of the plain lines, folded and escaped as calendar programs read
// them. The UIDs name the Hijri year and the day: two runs give the same, and a new correction
// moves the events it names instead of adding others.
TEST(DiniGunlerKomutu, IcsHoldsAllDayEvents)
{
    CliCalistirici cli;
    QStringList uidler[2];
    for (int k : {0, 1}) {
        const QStringList args{"religious-days", "--year", "2027", "--hijri-days",
                               QString::number(k)};
        const QString duz = cli.Ev() + "/gunler.txt", ics = cli.Ev() + "/gunler.ics",
                      ikinci = cli.Ev() + "/ikinci.ics";
        DosyaYaz(duz, cli(args).Out.toUtf8());
        DosyaYaz(ics, cli(args + QStringList{"--ics"}).Out.toUtf8());
        DosyaYaz(ikinci, cli(args + QStringList{"--ics"}).Out.toUtf8());
        QProcess p;
        p.start(QStringLiteral("/usr/bin/python3"),
                {ORVANEL_SOURCE_DIR "/tests/cli/takvim_kontrol.py", "--dini", duz, ics, ikinci});
        const CliCikti c = CliCalistirici::Bekle(p);
        ASSERT_EQ(c.Kod, 0) << c.Err.toStdString();
        uidler[k] = c.Out.split(u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(uidler[k].takeFirst(), "19 tüm gün olayı");
    }
    EXPECT_EQ(uidler[0].first(), "1448-mirac-kandili@orvanel");
    EXPECT_EQ(QSet<QString>(uidler[0].begin(), uidler[0].end()),
              QSet<QString>(uidler[1].begin(), uidler[1].end()));
}

} // namespace
