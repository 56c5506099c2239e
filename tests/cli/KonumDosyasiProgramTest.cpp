// The places file as users meet it, through the built orvanel-cli: hand-edited lines, writers
// side by side, files that are no places file, links and permissions, values out of range,
// settings that cannot be written.
#include "../locations/KonumTestAraclari.h"
#include "support/CliCalistirici.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

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
    void SetUp() override
    {
        ASSERT_TRUE(klasor.isValid());
        DosyaYaz(Db(), Istanbul);
    }

    QString Db() const { return klasor.filePath(QStringLiteral("data.db")); }
    QStringList Ekle(const char* sehir, const char* enlem = "41", const char* boylam = "29") const
    {
        return {"ekle",    "--ulke", "Türkiye",  "--sehir", sehir,  "--tz", "2",
                "--enlem", enlem,    "--boylam", boylam,    "--db", Db()};
    }

    QTemporaryDir klasor;
    CliCalistirici cli;
};

// Lines the reader cannot take (too few fields, a number that is none or out of range) and
// lines it takes with odd bytes (a lone CR or LF in a name, decimal points, spaces, a final
// CR LF) all stay as they are when a place is added; the unreadable ones are named.
TEST_F(KonumDosyasiProgram, AnAddKeepsEveryOtherLineByteForByte)
{
    const QByteArray eski = W1254("1|Türkiye|İstanbul|2|41,02|28,97\r\n"
                                  "2|Türkiye|Eksik|2|41\r\n"
                                  "3|Türkiye|Ada\rKöy|2|40.5|29.1\r\n"
                                  "4|Türkiye|Yalı\nKöy|2|40,6|x\r\n"
                                  "\r\n"
                                  "6|Türkiye|Kuzey|2|200|29\r\n"
                                  " 7 |Türkiye| Boşluklu |2|40,7|29,2\r\n");
    DosyaYaz(Db(), eski);
    const CliCikti c = cli(Ekle("Şile", "41.17", "29,61"));
    EXPECT_EQ(c.Kod, 0) << c.Err.toStdString();
    EXPECT_EQ(c.Out, QStringLiteral("8|Türkiye|Şile|2|41,17|29,61\n"));
    EXPECT_EQ(DosyaIcerigi(Db()), eski + W1254("8|Türkiye|Şile|2|41,17|29,61"));
    EXPECT_TRUE(c.Err.contains(QStringLiteral("okunamayan satırlar atlandı: 2, 4, 6")))
        << c.Err.toStdString();

    const CliCikti ara =
        cli({QStringLiteral("search"), QStringLiteral("--db"), Db(), QStringLiteral("ada")});
    EXPECT_EQ(ara.Kod, 0);
    EXPECT_TRUE(ara.Err.contains(QStringLiteral("2, 4, 6"))) << ara.Err.toStdString();
}

// Eight adds at once: each waits for the others, reads what they wrote and adds its own line.
TEST_F(KonumDosyasiProgram, WritersSideBySideLoseNothing)
{
    constexpr int Sayi = 8;
    std::vector<std::unique_ptr<QProcess>> surecler;
    for (int i = 0; i < Sayi; ++i) {
        surecler.push_back(std::make_unique<QProcess>());
        cli.Baslat(*surecler.back(), Ekle(qPrintable(QStringLiteral("Köy %1").arg(i))));
    }
    QSet<QString> yazilan;
    for (auto& p : surecler) {
        const CliCikti c = CliCalistirici::Bekle(*p);
        EXPECT_EQ(c.Kod, 0) << c.Err.toStdString();
        yazilan.insert(c.Out.trimmed());
    }
    QStringDecoder cevirici("windows-1254");
    const QStringList satirlar =
        QString(cevirici(DosyaIcerigi(Db()))).split(QStringLiteral("\r\n"));
    ASSERT_EQ(satirlar.size(), 1 + Sayi);
    QSet<QString> idler;
    for (const QString& s : satirlar.mid(1)) {
        idler.insert(s.section(QLatin1Char('|'), 0, 0));
        EXPECT_TRUE(yazilan.contains(s)) << s.toStdString() << " was reported by no writer";
    }
    EXPECT_EQ(idler.size(), Sayi) << "every writer took an Id of its own";
}

// What is not a places file is refused with a message, never read without bound.
TEST_F(KonumDosyasiProgram, WhatIsNoPlacesFileIsRefused)
{
    const QString buyuk = klasor.filePath(QStringLiteral("buyuk.db"));
    {
        QFile f(buyuk);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(65 * 1024 * 1024)); // sparse: no disk needed
    }
    const std::pair<QString, const char*> durumlar[] = {
        {QStringLiteral("/dev/zero"), "düzenli bir dosya değil"},
        {klasor.path(), "düzenli bir dosya değil"},
        {buyuk, "çok büyük"},
    };
    for (const auto& [yol, mesaj] : durumlar) {
        const CliCikti c =
            cli({QStringLiteral("search"), QStringLiteral("--db"), yol, QStringLiteral("x")});
        EXPECT_EQ(c.Kod, 2) << yol.toStdString();
        EXPECT_TRUE(c.Err.contains(QString::fromUtf8(mesaj))) << c.Err.toStdString();
    }
}

#ifdef Q_OS_UNIX
// The file keeps its mode and owner, a link keeps pointing at the file it names, and a file
// the user made read-only is not replaced.
TEST_F(KonumDosyasiProgram, TheFileKeepsItsIdentity)
{
    ASSERT_TRUE(
        QFile::setPermissions(Db(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const bool kok = ::geteuid() == 0;
    if (kok) {
        ASSERT_EQ(::chown(QFile::encodeName(Db()).constData(), 4321, 4322), 0);
    }
    CliCikti c = cli(Ekle("Şile"));
    ASSERT_EQ(c.Kod, 0) << c.Err.toStdString();
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(Db()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (kok) {
        EXPECT_EQ(st.st_uid, 4321u);
        EXPECT_EQ(st.st_gid, 4322u);
    }

    // data.db a link to the real file elsewhere.
    const QString gercek = klasor.filePath(QStringLiteral("baska/yerler.db"));
    ASSERT_TRUE(QDir(klasor.path()).mkdir(QStringLiteral("baska")));
    ASSERT_TRUE(QFile::rename(Db(), gercek));
    ASSERT_TRUE(QFile::link(gercek, Db()));
    c = cli(Ekle("Ağva"));
    ASSERT_EQ(c.Kod, 0) << c.Err.toStdString();
    EXPECT_TRUE(QFileInfo(Db()).isSymLink());
    EXPECT_TRUE(DosyaIcerigi(gercek).endsWith(W1254("3|Türkiye|Ağva|2|41|29")));

    // Read-only: refused, nothing changes.
    ASSERT_TRUE(QFile::setPermissions(gercek, QFile::ReadOwner | QFile::ReadGroup));
    const QByteArray once = DosyaIcerigi(gercek);
    c = cli(Ekle("Kumköy"));
    EXPECT_EQ(c.Kod, 2);
    EXPECT_TRUE(c.Err.contains(QStringLiteral("salt okunur"))) << c.Err.toStdString();
    EXPECT_EQ(DosyaIcerigi(gercek), once);
    EXPECT_TRUE(QFileInfo(Db()).isSymLink());
}
#endif

// Coordinates outside the globe and offsets outside the zones are refused wherever they come
// from: typed for an add, or found in the settings.
TEST_F(KonumDosyasiProgram, PlacesOutOfRangeAreRefused)
{
    const std::pair<std::pair<const char*, const char*>, const char*> eklenen[] = {
        {{"91", "29"}, "Geçerli bir Enlem Koordinatı giriniz."},
        {{"41", "181"}, "Geçerli bir Boylam Koordinatı giriniz."},
        {{"41", "99999999999999999999"}, "Geçerli bir Boylam Koordinatı giriniz."},
    };
    for (const auto& [yer, mesaj] : eklenen) {
        const CliCikti c = cli(Ekle("Uzak", yer.first, yer.second));
        EXPECT_EQ(c.Kod, 2);
        EXPECT_EQ(c.Err, QStringLiteral("orvanel-cli: ") + QString::fromUtf8(mesaj) + '\n');
    }
    EXPECT_EQ(DosyaIcerigi(Db()), Istanbul);

    for (const char* ayar : {"bTz=1e20", "bEnlem=91", "bBoylam=-181", "bTz=nan"}) {
        QDir().mkpath(QFileInfo(cli.AyarDosyasi()).path());
        DosyaYaz(cli.AyarDosyasi(), QByteArray("[Vakit]\n") + ayar + '\n');
        const CliCikti c =
            cli({QStringLiteral("times"), QStringLiteral("--date"), QStringLiteral("2026-06-21")});
        EXPECT_EQ(c.Kod, 2) << ayar << c.Out.toStdString();
        EXPECT_TRUE(c.Err.contains(QString::fromLatin1(ayar).section('=', 0, 0)))
            << c.Err.toStdString();
    }
}

// "--sec" with a settings file that cannot be written: refused before anything changes.
TEST_F(KonumDosyasiProgram, ChoosingWithUnwritableSettingsChangesNothing)
{
    ASSERT_TRUE(QDir().mkpath(cli.AyarDosyasi())); // a folder where the file must go
    const CliCikti c = cli(Ekle("Şile") << QStringLiteral("--sec"));
    EXPECT_EQ(c.Kod, 2);
    EXPECT_TRUE(c.Err.contains(QStringLiteral("Ayarlar kaydedilemedi"))) << c.Err.toStdString();
    EXPECT_EQ(DosyaIcerigi(Db()), Istanbul);
}

} // namespace
