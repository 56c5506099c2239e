// orvanel-cli ekle: in process on a real data.db and a real settings file in a temporary
// folder, and once through the built program.
#include "cli/EkleKomutu.h"
#include "platform/AyarDeposu.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "../locations/KonumTestAraclari.h"

#include <gtest/gtest.h>

namespace {

struct Calisma
{
    int Kod;
    QString Out;
    QString Err;
};

const QByteArray IlkVeri =
    W1254("1|Türkiye|İstanbul|2|41,02|28,97\r\n2|Nepal|Pokhara|5,75|28,2|84");

class EkleKomutuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(klasor.isValid());
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, klasor.filePath("ayar"));
        QFile f(Db());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(IlkVeri);
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QString Db() const { return klasor.filePath("data.db"); }

    Calisma Calistir(QStringList args)
    {
        args << QStringLiteral("--db") << Db();
        QString out, err;
        QTextStream o(&out), e(&err);
        const int kod = EkleKomutu(args, o, e);
        o.flush();
        e.flush();
        return {kod, out, err};
    }

    static QStringList Yer(const char* ulke, const char* sehir, const char* tz, const char* enlem,
                           const char* boylam)
    {
        return {QStringLiteral("--ulke"),  QString::fromUtf8(ulke),  QStringLiteral("--sehir"),
                QString::fromUtf8(sehir),  QStringLiteral("--tz"),   QString::fromUtf8(tz),
                QStringLiteral("--enlem"), QString::fromUtf8(enlem), QStringLiteral("--boylam"),
                QString::fromUtf8(boylam)};
    }

    QTemporaryDir klasor;
};

TEST_F(EkleKomutuTest, AppendsTheLineAndPrintsIt)
{
    const Calisma c = Calistir(Yer(" Türkiye ", "Şile", "2", "41.1777", "29,6128"));
    EXPECT_EQ(c.Kod, 0) << c.Err.toStdString();
    EXPECT_EQ(c.Out, QStringLiteral("3|Türkiye|Şile|2|41,1777|29,6128\n"));
    EXPECT_TRUE(c.Err.isEmpty());
    EXPECT_EQ(DosyaIcerigi(Db()), IlkVeri + W1254("\r\n3|Türkiye|Şile|2|41,1777|29,6128"));
    // Without --sec the chosen place stays as it was.
    EXPECT_EQ(AyarDeposu().Oku(QStringLiteral("bIndex")), QStringLiteral("6817"));
}

TEST_F(EkleKomutuTest, SecStoresTheNewPlaceAsTheChosenOne)
{
    const Calisma c = Calistir(Yer("Nepal", "Katmandu", "5.75", "27,7172", "85.324") << "--sec");
    ASSERT_EQ(c.Kod, 0) << c.Err.toStdString();
    AyarDeposu depo;
    EXPECT_EQ(depo.Oku(QStringLiteral("bIndex")), QStringLiteral("3"));
    EXPECT_EQ(depo.Oku(QStringLiteral("bUlke")), QStringLiteral("Nepal"));
    EXPECT_EQ(depo.Oku(QStringLiteral("bSehir")), QStringLiteral("Katmandu"));
    // Numbers in the user's format, read back as the program reads them.
    EXPECT_EQ(depo.Oku(QStringLiteral("bTz")), QStringLiteral("5.75"));
    EXPECT_EQ(depo.Oku(QStringLiteral("bEnlem")), QStringLiteral("27.7172"));
    EXPECT_EQ(depo.SayiOku(QStringLiteral("bBoylam")), 85.324);
    // The alert options are not the command's to store.
    EXPECT_FALSE(QSettings(QSettings::IniFormat, QSettings::UserScope, "Orvanel", "Orvanel")
                     .contains(QStringLiteral("Vakit/BADakika")));
}

TEST_F(EkleKomutuTest, RefusalsExitTwoWithTheDialogsMessagesAndWriteNothing)
{
    struct Durum
    {
        QStringList Args;
        const char* Mesaj;
    };
    const Durum durumlar[] = {
        {Yer("", "Şile", "2", "41", "29"), "Lütfen bilgileri eksiksiz giriniz."},
        {QStringList{"--ulke", "Türkiye", "--tz", "2"}, "Lütfen bilgileri eksiksiz giriniz."},
        {Yer("türkiye", "istanbul", "2", "41", "29"), "'türkiye - istanbul' zaten mevcut."},
        {Yer("Türkiye", "Şile", "2", "41.1,2", "29"), "Geçerli bir Enlem Koordinatı giriniz."},
        {Yer("Türkiye", "Şile", "2", "41", "doğu"), "Geçerli bir Boylam Koordinatı giriniz."},
        {Yer("Türkiye", "Şi|le", "2", "41", "29"),
         "Ülke ve şehir adlarında \"|\" işareti, satır sonu ve Türkçe dışı alfabelerin harfleri "
         "kullanılamaz."},
        {Yer("Türkiye", "Şile", "2,5", "41", "29"),
         "Geçerli bir saat dilimi giriniz (--tz): -12 -11 -10 -9 -8 -7 -6 -5 -4,5 -4 -3,5 -3 -2 "
         "-1 0 1 2 3 3,5 4 4,5 5 5,5 5,75 6 6,5 7 8 9 9,5 10 11 12"},
        {QStringList{"--ulke", "Türkiye", "--sehir", "Şile", "--enlem", "1", "--boylam", "2"},
         "Geçerli bir saat dilimi giriniz (--tz): -12 -11 -10 -9 -8 -7 -6 -5 -4,5 -4 -3,5 -3 -2 "
         "-1 0 1 2 3 3,5 4 4,5 5 5,5 5,75 6 6,5 7 8 9 9,5 10 11 12"},
        {Yer("Türkiye", "Şile", "2", "41", "29") << "fazla", "Beklenmeyen değer: fazla"},
    };
    for (const Durum& d : durumlar) {
        const Calisma c = Calistir(QStringList(d.Args) << QStringLiteral("--sec"));
        EXPECT_EQ(c.Kod, 2) << d.Mesaj;
        EXPECT_EQ(c.Err, QStringLiteral("orvanel-cli: ") + QString::fromUtf8(d.Mesaj) + '\n');
        EXPECT_TRUE(c.Out.isEmpty());
    }
    EXPECT_EQ(DosyaIcerigi(Db()), IlkVeri);
    EXPECT_FALSE(QFile::exists(klasor.filePath("tmpdata.db")));
    EXPECT_FALSE(QFile::exists(klasor.filePath("ayar/Orvanel/Orvanel.ini")));
}

TEST_F(EkleKomutuTest, FileProblemsKeepTheFileAndTheChosenPlace)
{
    // The rewrite fails: a folder stands where the temporary file goes.
    ASSERT_TRUE(QDir(klasor.path()).mkdir(QStringLiteral("tmpdata.db")));
    Calisma c = Calistir(Yer("Türkiye", "Şile", "2", "41", "29") << "--sec");
    EXPECT_EQ(c.Kod, 2);
    EXPECT_TRUE(c.Err.startsWith(
        QStringLiteral("orvanel-cli: Konum dosyasına yazılamadı, dosyanın önceki hali korundu: ")));
    EXPECT_EQ(DosyaIcerigi(Db()), IlkVeri);
    EXPECT_EQ(AyarDeposu().Oku(QStringLiteral("bSehir")), QStringLiteral("İstanbul"));
    ASSERT_TRUE(QDir(klasor.path()).rmdir(QStringLiteral("tmpdata.db")));

    QFile::remove(Db());
    c = Calistir(Yer("Türkiye", "Şile", "2", "41", "29"));
    EXPECT_EQ(c.Kod, 2);
    EXPECT_EQ(c.Err, QStringLiteral("orvanel-cli: Konum dosyası bulunamadı: ") +
                         QDir::toNativeSeparators(Db()) + '\n');
    EXPECT_FALSE(QFile::exists(Db()));
}

// The built program: arguments in UTF-8, the file in Windows-1254, the settings of its HOME.
TEST(EkleKomutuProgram, AddsAndChoosesThroughTheBuiltProgram)
{
    QTemporaryDir klasor;
    ASSERT_TRUE(klasor.isValid());
    const QString db = klasor.filePath(QStringLiteral("data.db"));
    {
        QFile f(db);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(IlkVeri);
    }
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), klasor.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), klasor.filePath(QStringLiteral("ayar")));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    env.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ORVANEL_BINARY_DIR "/orvanel-cli"),
            {QStringLiteral("ekle"), QStringLiteral("--ulke"), QStringLiteral("Türkiye"),
             QStringLiteral("--sehir"), QStringLiteral("Iğdır"), QStringLiteral("--tz"),
             QStringLiteral("3"), QStringLiteral("--enlem"), QStringLiteral("39.92"),
             QStringLiteral("--boylam"), QStringLiteral("44,04"), QStringLiteral("--db"), db,
             QStringLiteral("--sec")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()),
              QStringLiteral("3|Türkiye|Iğdır|3|39,92|44,04\n"));
    EXPECT_EQ(DosyaIcerigi(db),
              IlkVeri + QByteArray("\r\n3|T\xFCrkiye|I\xF0\x64\xFDr|3|39,92|44,04"));
    // Under the C number format the stored numbers carry a point.
    QSettings ayar(klasor.filePath(QStringLiteral("ayar/Orvanel/Orvanel.ini")),
                   QSettings::IniFormat);
    EXPECT_EQ(ayar.value(QStringLiteral("Vakit/bIndex")).toString(), QStringLiteral("3"));
    EXPECT_EQ(ayar.value(QStringLiteral("Vakit/bSehir")).toString(), QStringLiteral("Iğdır"));
    EXPECT_EQ(ayar.value(QStringLiteral("Vakit/bEnlem")).toString(), QStringLiteral("39.92"));
}

} // namespace
