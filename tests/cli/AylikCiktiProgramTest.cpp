// orvanel-cli ics and timetable through the built program, read back by real readers (the
// icalendar module of Debian's python3, poppler's pdftotext) and compared with `month` for
// the same place and month.
#include "../locations/KonumTestAraclari.h"
#include "support/CliCalistirici.h"

#include <QDate>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

CliCikti Calistir(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    return CliCalistirici::Bekle(p);
}

TEST(AylikCiktiProgram, IcsHoldsTheMonthsTimesInUtc)
{
    // Long enough to fold twice, with a two-octet letter across the first fold.
    const QString sehir = QStringLiteral("Çığ; Ölçüş, Ğüşiöç Çığ Ölçüş Ğüşiöç Çığ Ölçüş Ğüşiöç "
                                         "Çığ Ölçüş Ğüşiöç Çığ Ölçüş Ğüşiöç Çığ Ölçüş");
    const QStringList haziran{"--year", "2026", "--month", "6"};
    const struct
    {
        const char* Tz; // the system's zone: its rule gives the summer hour
        QStringList Yer;
        QStringList Uyari;
        QString Ozet;
    } durumlar[] = {
        // "Türkiye" adds the summer hour all year; a name to escape and fold.
        {"Europe/Istanbul",
         haziran + QStringList{"--place", "çığ"},
         {"--alarm", "10"},
         "180 olay, 180 uyarı -PT10M | " + sehir + ", Türkiye"},
        // Summer time from 29 March; the stored warning lead.
        {"Europe/Berlin",
         {"--year", "2026", "--month", "3", "--lat", "52.52", "--lon", "13.4", "--tz", "1"},
         {},
         "186 olay, 186 uyarı -PT7M | 52,52° K, 13,4° D"},
        // Yatsı past midnight from mid-June; no alarm.
        {"Europe/Oslo",
         haziran + QStringList{"--lat", "59.91", "--lon", "10.75", "--tz", "1"},
         {"--uyari", "0"},
         "180 olay, 0 uyarı - | 59,91° K, 10,75° D"},
    };
    QSet<QString> uidler;
    qsizetype olaylar = 0;
    for (const auto& d : durumlar) {
        CliCalistirici cli;
        cli.Ortam().insert(QStringLiteral("TZ"), QString::fromLatin1(d.Tz));
        const QString db = cli.Ev() + "/data.db", csv = cli.Ev() + "/ay.csv",
                      ics = cli.Ev() + "/ay.ics", ikinci = cli.Ev() + "/ikinci.ics";
        DosyaYaz(db, W1254(("1|Türkiye|" + sehir + "|2|41,02|28,97").toUtf8().constData()));
        QSettings(cli.AyarDosyasi(), QSettings::IniFormat).setValue("Vakit/BADakika", 7);
        const QStringList args = d.Yer + QStringList{"--db", db};
        DosyaYaz(csv, cli(QStringList{"month", "--csv"} + args).Out.toUtf8());
        EXPECT_EQ(cli(QStringList{"ics", "--out", ics} + args + d.Uyari), (CliCikti{0, "", ""}));
        DosyaYaz(ikinci, cli(QStringList{"ics"} + args + d.Uyari).Out.toUtf8());
        const CliCikti c =
            Calistir(QStringLiteral("/usr/bin/python3"),
                     {ORVANEL_SOURCE_DIR "/tests/cli/takvim_kontrol.py", d.Tz, csv, ics, ikinci});
        ASSERT_EQ(c.Kod, 0) << c.Err.toStdString();
        QStringList satirlar = c.Out.split(u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(satirlar.takeFirst(), d.Ozet);
        olaylar += satirlar.size();
        uidler.unite(QSet<QString>(satirlar.begin(), satirlar.end()));
    }
    EXPECT_EQ(uidler.size(), olaylar); // another place, other UIDs
}

TEST(AylikCiktiProgram, TimetableShowsEveryDayOnOnePage)
{
    const CliCalistirici cli;
    const QStringList yer{"--year", "2026", "--month", "10", "--place", "istanbul,türkiye"};
    const QString pdf = cli.Ev() + "/imsakiye.pdf", yok = cli.Ev() + "/yok/a.pdf";
    ASSERT_EQ(cli(QStringList{"timetable", "--pdf", pdf} + yer), (CliCikti{0, "", ""}));
    const QString sayfa = Calistir(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}).Out;
    EXPECT_EQ(sayfa.count(u'\f'), 1);

    // Each day's row: its day number, then the Hijri date and the six times in order.
    const QStringList gunler = cli(QStringList{"month", "--csv"} + yer).Out.split(u'\n');
    ASSERT_EQ(gunler.size(), 1 + 31 + 1);
    for (const QString& gun : gunler.mid(1, 31)) {
        const QStringList alanlar = gun.split(u',');
        QStringList parcalar = alanlar[1].split(u' ') + alanlar.mid(2);
        for (QString& p : parcalar)
            p = QRegularExpression::escape(p);
        const QRegularExpression satir(QStringLiteral("^\\s*%1\\s.*\\s%2\\s*$")
                                           .arg(QDate::fromString(alanlar[0], Qt::ISODate).day())
                                           .arg(parcalar.join(QStringLiteral("\\s+"))),
                                       QRegularExpression::MultilineOption);
        EXPECT_TRUE(satir.match(sayfa).hasMatch()) << gun.toStdString();
    }

    EXPECT_EQ(cli({"imsakiye", "--pdf", yok}), Reddedildi("Dosya yazılamadı: " + yok));
    EXPECT_EQ(cli({"timetable"}), Reddedildi(QStringLiteral("Yazılacak dosya --pdf DOSYA ile "
                                                            "verilmeli.")));
}

} // namespace
