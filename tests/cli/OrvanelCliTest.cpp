// Runs the built orvanel-cli as a user would and checks its output and exit status.
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "../engine/QtYazdir.h"

#include <gtest/gtest.h>

namespace {

struct Cikti
{
    int Kod = -1;
    QString Out;
    QString Err;
};

// TZ is part of every run: the daylight-saving dates come from the zone the program sees.
// An empty settings folder of its own keeps the user's stored place out of the defaults.
Cikti Calistir(const QStringList& args, const QString& tz = QStringLiteral("UTC"))
{
    static const QTemporaryDir ayarlar;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), ayarlar.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), ayarlar.path());
    env.insert(QStringLiteral("TZ"), tz);
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C")); // output is UTF-8 regardless
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none-such"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ORVANEL_BINARY_DIR "/orvanel-cli"), args);
    if (!p.waitForFinished(30000))
        return {};
    Cikti c;
    c.Kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    c.Out = QString::fromUtf8(p.readAllStandardOutput());
    c.Err = QString::fromUtf8(p.readAllStandardError());
    return c;
}

QStringList Yer(const char* tarih, const char* enlem, const char* boylam, const char* tz)
{
    return {QStringLiteral("times"),     QStringLiteral("--date"),   QString::fromLatin1(tarih),
            QStringLiteral("--lat"),     QString::fromLatin1(enlem), QStringLiteral("--lon"),
            QString::fromLatin1(boylam), QStringLiteral("--tz"),     QString::fromLatin1(tz)};
}

// The six times of a text run, in order.
QStringList Vakitler(const QString& out)
{
    QStringList sonuc;
    for (const QString& satir : out.split(QLatin1Char('\n')).mid(2, 6))
        sonuc << satir.section(QLatin1Char('\t'), 1);
    return sonuc;
}

} // namespace

TEST(OrvanelCli, TimesPrintsTheEightLines)
{
    const Cikti c = Calistir(Yer("2026-06-21", "41", "29", "2") +
                             QStringList{"--country", "Türkiye", "--method", "0"});
    EXPECT_EQ(c.Kod, 0);
    EXPECT_EQ(c.Out, QStringLiteral("21 Haziran 2026\n"
                                    "6 Muharrem 1448\n"
                                    "İmsak\t03:23\n"
                                    "Güneş\t05:25\n"
                                    "Öğle\t13:12\n"
                                    "İkindi\t17:11\n"
                                    "Akşam\t20:48\n"
                                    "Yatsı\t22:38\n"));
    EXPECT_EQ(c.Err, QString());
}

TEST(OrvanelCli, OptionsTakeBothFormsAndADecimalComma)
{
    QStringList mekke = Yer("2026-03-20", "21.4", "39,8", "3");
    mekke << QStringLiteral("--method=3") << QStringLiteral("--no-dst");
    EXPECT_EQ(Vakitler(Calistir(mekke).Out),
              QStringList({"05:08", "06:19", "12:35", "15:58", "18:41", "19:41"}));
}

TEST(OrvanelCli, DaylightSavingFollowsTheSystemZone)
{
    // Berlin: the start day already counts, the day before does not.
    const Cikti once = Calistir(Yer("2026-03-28", "52.5", "13.4", "1"), "Europe/Berlin");
    const Cikti gun = Calistir(Yer("2026-03-29", "52.5", "13.4", "1"), "Europe/Berlin");
    EXPECT_EQ(Vakitler(once.Out).value(2), QStringLiteral("12:19"));
    EXPECT_EQ(Vakitler(gun.Out).value(2), QStringLiteral("13:19"));

    // Sydney: January lies in the summer window that wraps the year end.
    QStringList sydney = Yer("2026-01-10", "-33.9", "151.2", "10");
    const QStringList yaz = Vakitler(Calistir(sydney, QStringLiteral("Australia/Sydney")).Out);
    sydney << QStringLiteral("--no-dst");
    const QStringList kis = Vakitler(Calistir(sydney, QStringLiteral("Australia/Sydney")).Out);
    ASSERT_EQ(yaz.size(), 6);
    ASSERT_EQ(kis.size(), 6);
    EXPECT_EQ(yaz[2], QStringLiteral("13:08"));
    EXPECT_EQ(kis[2], QStringLiteral("12:08"));
}

TEST(OrvanelCli, JsonHasTextsKeysAndSeconds)
{
    QStringList args = Yer("2026-06-21", "41", "29", "2");
    args << QStringLiteral("--country=Türkiye") << QStringLiteral("--json");
    const Cikti c = Calistir(args);
    ASSERT_EQ(c.Kod, 0);
    QJsonParseError hata;
    const QJsonObject o = QJsonDocument::fromJson(c.Out.toUtf8(), &hata).object();
    ASSERT_EQ(hata.error, QJsonParseError::NoError) << c.Out.toStdString();
    EXPECT_EQ(o.value(QStringLiteral("miladi")).toString(), QStringLiteral("21 Haziran 2026"));
    EXPECT_EQ(o.value(QStringLiteral("hicri")).toString(), QStringLiteral("6 Muharrem 1448"));
    EXPECT_EQ(o.value(QStringLiteral("imsak")).toString(), QStringLiteral("03:23"));
    EXPECT_EQ(o.value(QStringLiteral("yatsi")).toString(), QStringLiteral("22:38"));
    const QJsonObject s = o.value(QStringLiteral("saniyeler")).toObject();
    EXPECT_EQ(s.value(QStringLiteral("imsak")).toInteger(), 3 * 3600 + 23 * 60);
    EXPECT_EQ(s.value(QStringLiteral("ogle")).toInteger(), 13 * 3600 + 12 * 60);
    EXPECT_EQ(s.size(), 6);
}

TEST(OrvanelCli, MonthTableAndCsv)
{
    const QStringList ortak{
        QStringLiteral("month"),   QStringLiteral("--year"), QStringLiteral("2026"),
        QStringLiteral("--month"), QStringLiteral("2"),      QStringLiteral("--lat"),
        QStringLiteral("41"),      QStringLiteral("--lon"),  QStringLiteral("29"),
        QStringLiteral("--tz"),    QStringLiteral("2"),      QStringLiteral("--country"),
        QStringLiteral("Türkiye")};
    const Cikti tablo = Calistir(ortak);
    ASSERT_EQ(tablo.Kod, 0);
    const QStringList satirlar = tablo.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(satirlar.size(), 1 + 28);
    EXPECT_TRUE(satirlar[0].startsWith(QStringLiteral("Tarih"))) << satirlar[0].toStdString();
    EXPECT_TRUE(satirlar[0].endsWith(QStringLiteral("Yatsı")));
    // 18 February is the last day of Şaban; every row ends in its Yatsı.
    EXPECT_TRUE(satirlar[18].startsWith(QStringLiteral("2026-02-18  30 Şaban 1447")))
        << satirlar[18].toStdString();
    for (const QString& s : satirlar)
        EXPECT_FALSE(s.endsWith(QLatin1Char(' ')));

    const Cikti csv = Calistir(ortak + QStringList{QStringLiteral("--csv")});
    ASSERT_EQ(csv.Kod, 0);
    const QStringList csvSatirlar = csv.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(csvSatirlar.size(), 1 + 28);
    EXPECT_EQ(csvSatirlar[0], QStringLiteral("tarih,hicri,imsak,gunes,ogle,ikindi,aksam,yatsi"));
    // The same day as `times` gives.
    const Cikti gun =
        Calistir(Yer("2026-02-18", "41", "29", "2") + QStringList{"--country", "Türkiye"});
    EXPECT_EQ(csvSatirlar[18], QStringLiteral("2026-02-18,30 Şaban 1447,") +
                                   Vakitler(gun.Out).join(QLatin1Char(',')));
}

TEST(OrvanelCli, HijriWithCorrection)
{
    const Cikti c = Calistir({QStringLiteral("hijri"), QStringLiteral("--date"),
                              QStringLiteral("2026-02-18"), QStringLiteral("--hicri-gun=1")});
    EXPECT_EQ(c.Kod, 0);
    EXPECT_EQ(c.Out, QStringLiteral("2 Ramazan 1447\n"));
    const Cikti geri = Calistir({QStringLiteral("hijri"), QStringLiteral("--date=2026-02-18"),
                                 QStringLiteral("--hicri-gun"), QStringLiteral("-1")});
    EXPECT_EQ(geri.Out, QStringLiteral("29 Şaban 1447\n"));
}

TEST(OrvanelCli, BadInputGivesOneTurkishLineAndStatusTwo)
{
    const QList<QStringList> hatalar{
        {"times", "--date", "2026-02-30"},
        {"times", "--date", "21.06.2026"},
        {"times", "--lat", "abc", "--lon", "29", "--tz", "2"},
        {"times", "--lat", "91", "--lon", "29", "--tz", "2"},
        {"times", "--lat", "-90.5", "--lon", "29", "--tz", "2"},
        {"times", "--lat", "41"},
        {"times", "--method", "5"},
        {"times", "--method", "-1"},
        {"times", "--method", "1.5"},
        {"times", "--tz"},
        {"times", "--json=yes"},
        {"times", "--bilinmeyen"},
        {"times", "fazla"},
        {"month", "--month", "13"},
        {"month", "--year", "0"},
        {"hijri", "--hicri-gun", "iki"},
        {"hijri", "--hicri-gun", "40000"},
        {"yok"},
    };
    for (const QStringList& args : hatalar) {
        const Cikti c = Calistir(args);
        EXPECT_EQ(c.Kod, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(c.Out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_EQ(c.Err.count(QLatin1Char('\n')), 1) << c.Err.toStdString();
        EXPECT_TRUE(c.Err.startsWith(QStringLiteral("orvanel-cli: "))) << c.Err.toStdString();
    }
    // The message names what was wrong.
    EXPECT_TRUE(Calistir({"times", "--lat", "91", "--lon", "29", "--tz", "2"})
                    .Err.contains(QStringLiteral("Enlem")));
    EXPECT_TRUE(Calistir({"times", "--method", "5"}).Err.contains(QStringLiteral("yöntemi")));
    // No command at all: the usage, on stderr.
    const Cikti bos = Calistir({});
    EXPECT_EQ(bos.Kod, 2);
    EXPECT_TRUE(bos.Err.contains(QStringLiteral("Kullanım")));
}

TEST(OrvanelCli, HelpExplainsEveryOption)
{
    const Cikti genel = Calistir({QStringLiteral("--help")});
    EXPECT_EQ(genel.Kod, 0);
    for (const char* komut : {"times", "month", "hijri"})
        EXPECT_TRUE(genel.Out.contains(QLatin1String(komut))) << komut;

    const Cikti times = Calistir({QStringLiteral("times"), QStringLiteral("--help")});
    EXPECT_EQ(times.Kod, 0);
    for (const char* secenek : {"--date", "--lat", "--lon", "--tz", "--country", "--method",
                                "--no-dst", "--hicri-gun", "--json", "Egyptian"})
        EXPECT_TRUE(times.Out.contains(QLatin1String(secenek))) << secenek;
    const Cikti month = Calistir({QStringLiteral("month"), QStringLiteral("-h")});
    EXPECT_EQ(month.Kod, 0);
    for (const char* secenek : {"--year", "--month", "--csv", "--lat"})
        EXPECT_TRUE(month.Out.contains(QLatin1String(secenek))) << secenek;
    EXPECT_TRUE(Calistir({QStringLiteral("hijri"), QStringLiteral("--help")})
                    .Out.contains(QStringLiteral("--hicri-gun")));
}
