// orvanel-cli alerts: in process with a fixed clock, a program folder of real files and a
// settings store in a temporary folder; and once as the built program with its shipped sounds.
#include "cli/AlertsKomutu.h"
#include "platform/AyarDeposu.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace {

class SabitSaat : public Saat
{
public:
    QDateTime Simdi() const override { return QDateTime(QDate(2026, 6, 21), QTime(9, 0)); }
};

class YazSaatiYok : public YazSaatiKaynagi
{
public:
    std::pair<QDate, QDate> Gecisler(int) const override { return {}; }
};

// The day of the issue: İstanbul-like place, "Türkiye", 21 June 2026 (03:23 05:25 13:12
// 17:11 20:48 22:38), 15 minutes.
const QStringList Gun{"--date", "2026-06-21", "--lat",     "41",      "--tz",     "2",
                      "--lon",  "29",         "--country", "Türkiye", "--method", "0"};

const QString Beklenen =
    QStringLiteral("03:08:00\tuyari\tyatsi\tİmsak Vaktine |15 Dakika | kaldı.\n"
                   "03:23:00\tezan\timsak\tEzan/ezan.wma\n"
                   "05:10:00\tuyari\timsak\tGüneş'in Doğmasına |15 Dakika | kaldı.\n"
                   "12:57:00\tuyari\tgunes\tÖğle Vaktine |15 Dakika | kaldı.\n"
                   "13:12:00\tezan\togle\tEzan/ezan.wma\n"
                   "16:56:00\tuyari\togle\tİkindi Vaktine |15 Dakika | kaldı.\n"
                   "17:11:00\tezan\tikindi\tEzan/ezan.wma\n"
                   "20:33:00\tuyari\tikindi\tAkşam Vaktine |15 Dakika | kaldı.\n"
                   "20:48:00\tezan\taksam\tEzan/ezan.wma\n"
                   "22:23:00\tuyari\taksam\tYatsı Vaktine |15 Dakika | kaldı.\n"
                   "22:38:00\tezan\tyatsi\tEzan/ezan.wma\n");

struct Calisma
{
    int Kod;
    QString Out;
    QString Err;
};

class AlertsKomutuTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        // The store's folder is fixed by the first settings object of the process.
        Ayarlar = new QTemporaryDir;
        qputenv("XDG_CONFIG_HOME", Ayarlar->path().toUtf8());
    }
    static void TearDownTestSuite()
    {
        delete Ayarlar;
        Ayarlar = nullptr;
    }

    void SetUp() override
    {
        qputenv("TZ", "Europe/Istanbul");
        tzset();
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        QFile::remove(Ayarlar->path() + "/Orvanel/Orvanel.ini");
        ASSERT_TRUE(Program.isValid());
        Klasor = Program.path() + u'/';
        QDir(Klasor).mkpath("Ezan");
        Dosya("Ezan/ezan.wma");
        Dosya("uyari.wma");
    }

    void Dosya(const QString& ad)
    {
        QFile f(Klasor + ad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }

    Calisma Calistir(const QStringList& ek)
    {
        QString out;
        QString err;
        QTextStream outAkis(&out);
        QTextStream errAkis(&err);
        const KomutOrtami ortam{Saat, YazSaati};
        const int kod = AlertsKomutu(QStringList(Gun) << ek, outAkis, errAkis, ortam, Klasor);
        outAkis.flush();
        errAkis.flush();
        return {kod, out, err};
    }

    static QStringList Satirlar(const QString& out, const QString& tur)
    {
        QStringList sonuc;
        for (const QString& s : out.split(u'\n', Qt::SkipEmptyParts))
            if (s.section(u'\t', 1, 1) == tur)
                sonuc << s;
        return sonuc;
    }

    static QTemporaryDir* Ayarlar;
    QTemporaryDir Program;
    QString Klasor;
    SabitSaat Saat;
    YazSaatiYok YazSaati;
};

QTemporaryDir* AlertsKomutuTest::Ayarlar = nullptr;

TEST_F(AlertsKomutuTest, SixWarningsAndFiveEzansAtTheirSeconds)
{
    const Calisma c = Calistir({"--dakika", "15"});
    EXPECT_EQ(c.Kod, 0);
    EXPECT_EQ(c.Err, "");
    EXPECT_EQ(c.Out, Beklenen);
    // The stored default is 15 minutes as well.
    EXPECT_EQ(Calistir({}).Out, Beklenen);
}

TEST_F(AlertsKomutuTest, OwnFileThenGeneralFile)
{
    Dosya("Ezan/ogle.wma");
    QFile::remove(Klasor + "Ezan/ezan.wma");
    Dosya("ezan.wma");
    const QStringList ezanlar = Satirlar(Calistir({}).Out, "ezan");
    ASSERT_EQ(ezanlar.size(), 5);
    EXPECT_EQ(ezanlar[1], "13:12:00\tezan\togle\tEzan/ogle.wma");
    EXPECT_EQ(ezanlar[2], "17:11:00\tezan\tikindi\tezan.wma");

    // No ezan file at all: nothing to play, so no ezan lines; the warnings stay.
    QFile::remove(Klasor + "ezan.wma");
    QFile::remove(Klasor + "Ezan/ogle.wma");
    const Calisma c = Calistir({});
    EXPECT_TRUE(Satirlar(c.Out, "ezan").isEmpty());
    EXPECT_EQ(Satirlar(c.Out, "uyari").size(), 6);
}

TEST_F(AlertsKomutuTest, SwitchesOverrideTheStore)
{
    EXPECT_EQ(Calistir({"--no-uyari"}).Out, Satirlar(Beklenen, "ezan").join(u'\n') + u'\n');
    EXPECT_EQ(Calistir({"--no-ezan"}).Out, Satirlar(Beklenen, "uyari").join(u'\n') + u'\n');
    // The warning sound prints nothing, so --no-sesli changes no line.
    EXPECT_EQ(Calistir({"--no-sesli"}).Out, Beklenen);
    EXPECT_EQ(Calistir({"--dakika", "0"}).Out, Satirlar(Beklenen, "ezan").join(u'\n') + u'\n');

    const QStringList uyarilar = Satirlar(Calistir({"--dakika", "90"}).Out, "uyari");
    ASSERT_EQ(uyarilar.size(), 6);
    // İmsak to Güneş is only 2 h 2 min: the warning comes 1 h 30 min before.
    EXPECT_EQ(uyarilar[1], "03:55:00\tuyari\timsak\tGüneş'in Doğmasına |1 Saat 30 Dakika | kaldı.");
}

TEST_F(AlertsKomutuTest, StoredAlertOptionsAreTheDefaults)
{
    {
        AyarDeposu depo;
        depo.Yaz("BADakika", QStringLiteral("30"));
        depo.Yaz("BAEzan", QStringLiteral("0"));
    }
    Calisma c = Calistir({});
    EXPECT_TRUE(Satirlar(c.Out, "ezan").isEmpty());
    ASSERT_EQ(Satirlar(c.Out, "uyari").size(), 6);
    EXPECT_TRUE(Satirlar(c.Out, "uyari")[2].startsWith("12:42:00\tuyari\tgunes\t"));
    c = Calistir({"--dakika", "5"});
    EXPECT_TRUE(Satirlar(c.Out, "uyari")[2].startsWith("13:07:00\t"));

    // A damaged stored value falls back to 15 minutes, never to silence.
    {
        AyarDeposu depo;
        depo.Yaz("BADakika", QStringLiteral("çok"));
        depo.Yaz("BAEzan", QStringLiteral("1"));
    }
    EXPECT_EQ(Calistir({}).Out, Beklenen);
}

TEST_F(AlertsKomutuTest, BadMinutesAreRefused)
{
    for (const char* kotu : {"547", "-1", "abc", ""}) {
        const Calisma c = Calistir({"--dakika", kotu});
        EXPECT_EQ(c.Kod, 2) << kotu;
        EXPECT_EQ(c.Out, "") << kotu;
        EXPECT_TRUE(c.Err.startsWith("orvanel-cli: --dakika: ")) << c.Err.toStdString();
    }
    EXPECT_EQ(Calistir({"--dakika", "546"}).Kod, 0);
    EXPECT_EQ(Calistir({"fazla"}).Kod, 2);
}

TEST_F(AlertsKomutuTest, TheBuiltProgramWithItsShippedSounds)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TZ", "Europe/Berlin"); // the machine's zone does not move the simulated day
    env.insert("LC_ALL", "C");
    env.insert("XDG_CONFIG_HOME", Program.path()); // an empty store
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ORVANEL_BINARY_DIR "/orvanel-cli"), QStringList{"alerts"} << Gun
                                                                                     << "--dakika"
                                                                                     << "15");
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()), Beklenen);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()), "");
}

} // namespace
