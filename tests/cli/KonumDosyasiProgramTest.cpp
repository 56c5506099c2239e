// The built orvanel-cli as users meet it: the places file (writers side by side, files that are
// no places file, links and permissions, settings that cannot be written), the system's summer
// time, the shipped files, and the ics and timetable files read back.
#include "../locations/KonumTestAraclari.h"
#include "support/CliCalistirici.h"

#include "locations/KodSayfasi.h"
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>

#include <gtest/gtest.h>

#include <memory>
#include <vector>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QByteArray Istanbul = W1254("1|Türkiye|İstanbul|2|41,02|28,97");

class KonumDosyasiProgram : public ::testing::Test
{
protected:
    void SetUp() override { DosyaYaz(Db(), Istanbul); }

    QString Db() const { return cli.Ev() + "/data.db"; }
    QStringList Ekle(const char* sehir, const char* enlem = "41", const char* boylam = "29") const
    {
        return {"ekle",    "--ulke", "Türkiye",  "--sehir", sehir,  "--tz", "2",
                "--enlem", enlem,    "--boylam", boylam,    "--db", Db()};
    }

    CliCalistirici cli;
};

// Eight adds at once: each waits for the others, reads what they wrote and adds its own line.
TEST_F(KonumDosyasiProgram, WritersSideBySideLoseNothing)
{
    constexpr int Sayi = 8;
    std::vector<std::unique_ptr<QProcess>> surecler;
    for (int i = 0; i < Sayi; ++i) {
        surecler.push_back(std::make_unique<QProcess>());
        cli.Baslat(*surecler.back(), Ekle(qUtf8Printable(QStringLiteral("Köy %1").arg(i))));
    }
    QSet<QString> yazilan;
    for (auto& p : surecler) {
        const CliCikti c = CliCalistirici::Bekle(*p);
        EXPECT_EQ(c.Kod, 0) << c.Err.toStdString();
        yazilan.insert(c.Out.trimmed());
    }
    const QStringList satirlar = KodSayfasi::Coz(DosyaIcerigi(Db())).split("\r\n");
    ASSERT_EQ(satirlar.size(), 1 + Sayi);
    EXPECT_EQ(QSet<QString>(satirlar.begin() + 1, satirlar.end()), yazilan);
    QSet<QString> idler;
    for (const QString& s : satirlar.mid(1))
        idler.insert(s.section(u'|', 0, 0));
    EXPECT_EQ(idler.size(), Sayi) << "every writer took an Id of its own";
}

// What is not a places file is refused with a message, never read without bound.
TEST_F(KonumDosyasiProgram, WhatIsNoPlacesFileIsRefused)
{
    const QString buyuk = cli.Ev() + "/buyuk.db";
    {
        QFile f(buyuk);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(65 * 1024 * 1024)); // sparse: no disk needed
    }
    const std::pair<QString, QString> durumlar[] = {
#ifdef Q_OS_WIN
        {cli.Ev(), "düzenli bir dosya değil"},
#else
        {"/dev/zero", "düzenli bir dosya değil"},
#endif
        {buyuk, "çok büyük (en çok 64 MiB)"},
    };
    for (const auto& [yol, mesaj] : durumlar)
        EXPECT_EQ(cli({"search", "--db", yol, "x"}),
                  Reddedildi("Konum dosyası " + mesaj + ": " + QDir::toNativeSeparators(yol)));
}

#ifdef Q_OS_UNIX // (the registry, where Windows keeps the settings, cannot be made unwritable
                 // from here)
// "--sec" with a settings file that cannot be written: refused before anything changes. The
// file keeps its mode and owner, a link keeps pointing at the file it names, and a file the
// user made read-only is not replaced.
TEST_F(KonumDosyasiProgram, UnwritableSettingsChangeNothingAndTheFileKeepsItsIdentity)
{
    ASSERT_TRUE(QDir().mkpath(cli.AyarDosyasi())); // a folder where the file must go
    EXPECT_EQ(cli(Ekle("Şile") << "--sec"),
              Reddedildi("Ayarlar kaydedilemedi: ayar dosyasına yazılamıyor."));
    EXPECT_EQ(DosyaIcerigi(Db()), Istanbul);

    ASSERT_TRUE(
        QFile::setPermissions(Db(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const bool kok = ::geteuid() == 0;
    if (kok) {
        ASSERT_EQ(::chown(QFile::encodeName(Db()).constData(), 4321, 4322), 0);
    }
    ASSERT_EQ(cli(Ekle("Şile")), (CliCikti{0, "2|Türkiye|Şile|2|41|29\n", ""}));
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(Db()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (kok) {
        EXPECT_EQ(st.st_uid, 4321u);
        EXPECT_EQ(st.st_gid, 4322u);
    }

    // data.db a link to the real file elsewhere.
    const QString gercek = cli.Ev() + "/baska/yerler.db";
    ASSERT_TRUE(QDir(cli.Ev()).mkdir("baska"));
    ASSERT_TRUE(QFile::rename(Db(), gercek));
    ASSERT_TRUE(QFile::link(gercek, Db()));
    ASSERT_EQ(cli(Ekle("Ağva")), (CliCikti{0, "3|Türkiye|Ağva|2|41|29\n", ""}));
    EXPECT_TRUE(QFileInfo(Db()).isSymLink());
    EXPECT_TRUE(DosyaIcerigi(gercek).endsWith(W1254("3|Türkiye|Ağva|2|41|29")));

    // Read-only: refused, nothing changes.
    ASSERT_TRUE(QFile::setPermissions(gercek, QFile::ReadOwner | QFile::ReadGroup));
    const QByteArray once = DosyaIcerigi(gercek);
    EXPECT_EQ(cli(Ekle("Kumköy")),
              Reddedildi("Konum dosyası salt okunur; bir şey eklenmedi: " + Db()));
    EXPECT_EQ(DosyaIcerigi(gercek), once);
    EXPECT_TRUE(QFileInfo(Db()).isSymLink());
}
#endif

// The built orvanel-cli as a user runs it: the system's summer time under TZ, UTF-8 in and out
// under the C locale, the program folder's sounds and data.db, the settings of its HOME.

// The first day of summer time counts, the day before does not.
TEST(KomutSatiriProgram, SummerTimeFollowsTheSystemZone)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the zone of Windows is the machine's, not the process's (TZ): the Windows "
                    "stage checks it in Wine sessions of a zone each";
#endif
    CliCalistirici cli;
    cli.Ortam().insert("TZ", "Europe/Berlin");
    for (const auto& [tarih, ogle] :
         {std::pair{"2026-03-28", "Öğle\t12:19"}, {"2026-03-29", "Öğle\t13:19"}}) {
        const CliCikti c =
            cli({"times", "--date", tarih, "--lat", "52.5", "--lon", "13.4", "--tz", "1"});
        EXPECT_EQ(c.Out.section(u'\n', 4, 4), QString::fromUtf8(ogle)) << c.Err.toStdString();
    }
}

// The shipped data.db and sounds beside the program; the machine's zone does not move the
// simulated day.
TEST(KomutSatiriProgram, AlertsWithTheShippedSounds)
{
    CliCalistirici cli;
    EXPECT_EQ(cli({"search", "istanbul,türkiye"}),
              (CliCikti{0, "6817|Türkiye|İstanbul|2|41,02|28,97\n", ""}));
    cli.Ortam().insert("TZ", "Europe/Berlin");
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

// orvanel-cli ics and timetable through the built program, read back by real readers (the
// icalendar module of Debian's python3, poppler's pdftotext) and compared with `month` for
// the same place and month.

// Not in the Windows programs' tests: under Wine a Linux program starts detached.

TEST(AylikCiktiProgram, IcsHoldsTheMonthsTimesInUtc)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "reads the file back with Debian's python3";
#endif
    // Long enough to fold twice, with a two-octet letter across the first fold.
    const QString sehir = QStringLiteral("Çığ; Ölçüş, Ğüşiöç Çığ Ölçüş Ğüşiöç Çığ Ölçüş Ğüşiöç "
                                         "Çığ Ölçüş Ğüşiöç Çığ Ölçüş Ğüşiöç Çığ Ölçüş");
    const QStringList haziran{"--year", "2026", "--month", "6"};
    // The system's zone (its rule gives the summer hour), the place, the alarm, the summary.
    const std::tuple<const char*, QStringList, QStringList, QString> durumlar[] = {
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
    for (const auto& [tz, yer, uyari, ozet] : durumlar) {
        CliCalistirici cli;
        cli.Ortam().insert("TZ", QString::fromLatin1(tz));
        const QString db = cli.Ev() + "/data.db", csv = cli.Ev() + "/ay.csv",
                      ics = cli.Ev() + "/ay.ics", ikinci = cli.Ev() + "/ikinci.ics";
        DosyaYaz(db, W1254(("1|Türkiye|" + sehir + "|2|41,02|28,97").toUtf8().constData()));
        QSettings(cli.AyarDosyasi(), QSettings::IniFormat).setValue("Vakit/BADakika", 7);
        const QStringList args = yer + QStringList{"--db", db};
        DosyaYaz(csv, cli(QStringList{"month", "--csv"} + args).Out.toUtf8());
        const QString konum =
            yer.contains("--place") ? "Konum: " + ozet.section(" | ", 1) + u'\n' : QString();
        EXPECT_EQ(cli(QStringList{"ics", "--out", ics} + args + uyari), (CliCikti{0, "", konum}));
        DosyaYaz(ikinci, cli(QStringList{"ics"} + args + uyari).Out.toUtf8());
        const CliCikti c = CliCalistirici::Calistir(
            "/usr/bin/python3",
            {ORVANEL_SOURCE_DIR "/tests/cli/takvim_kontrol.py", tz, csv, ics, ikinci});
        ASSERT_EQ(c.Kod, 0) << c.Err.toStdString();
        QStringList satirlar = c.Out.split(u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(satirlar.takeFirst(), ozet);
        olaylar += satirlar.size();
        uidler.unite(QSet<QString>(satirlar.begin(), satirlar.end()));
    }
    EXPECT_EQ(uidler.size(), olaylar); // another place, other UIDs
}

// Drawn without a session's runtime folder too (cron, ssh), without Qt's warning about it.
TEST(AylikCiktiProgram, TimetableShowsEveryDayOnOnePage)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "reads the page back with poppler's pdftotext";
#endif
    CliCalistirici cli;
    cli.Ortam().remove("XDG_RUNTIME_DIR");
    const QStringList yer{"--year", "2026", "--month", "10", "--place", "istanbul,türkiye"};
    const QString pdf = cli.Ev() + "/imsakiye.pdf", yok = cli.Ev() + "/yok/a.pdf";
    ASSERT_EQ(cli(QStringList{"timetable", "--pdf", pdf} + yer),
              (CliCikti{0, "", "Konum: İstanbul, Türkiye\n"}));
    const QString sayfa = CliCalistirici::Calistir("pdftotext", {"-layout", pdf, "-"}).Out;
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
                                           .arg(parcalar.join("\\s+")),
                                       QRegularExpression::MultilineOption);
        EXPECT_TRUE(satir.match(sayfa).hasMatch()) << gun.toStdString();
    }

    EXPECT_EQ(cli({"imsakiye", "--pdf", yok}), Reddedildi("Dosya yazılamadı: " + yok));
    EXPECT_EQ(cli({"timetable"}), Reddedildi(QStringLiteral("Yazılacak dosya --pdf DOSYA ile "
                                                            "verilmeli.")));
}

} // namespace
