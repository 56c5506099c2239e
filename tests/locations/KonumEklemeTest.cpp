// Adding a place: the checks in their order, the new row, the suggestion address, and the
// first row of an empty data.db.
#include "locations/KonumEkleme.h"
#include "KonumTestAraclari.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

EkleGirdisi Girdi(const char* ulke, const char* sehir, const char* enlem = "41",
                  const char* boylam = "29", int saatDilimi = KonumEkleme::VarsayilanSaatDilimi)
{
    EkleGirdisi g;
    g.Ulke = QString::fromUtf8(ulke);
    g.Sehir = QString::fromUtf8(sehir);
    g.Enlem = QString::fromUtf8(enlem);
    g.Boylam = QString::fromUtf8(boylam);
    g.SaatDilimi = saatDilimi;
    return g;
}

QString Mesaj(const EkleGirdisi& g, const clsFastCollection& liste)
{
    return KonumEkleme::Denetle(g, liste).value_or(QStringLiteral("<kabul>"));
}

// Each test runs under both number formats: nothing here may depend on the user's.
class KonumEklemeTest : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QString::fromLatin1(GetParam())));
        Doldur(liste, {{"Türkiye", "İstanbul"}, {"Türkiye", "Isparta"}, {"Almanya", "Berlin"}});
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    clsFastCollection liste;
};

INSTANTIATE_TEST_SUITE_P(Yereller, KonumEklemeTest, ::testing::Values("tr_TR", "C"));

TEST_P(KonumEklemeTest, TimeZoneIsNamedByItsValueWithEitherMark)
{
    EXPECT_EQ(KonumEkleme::SaatDilimiBul("5,75"), 23);
    EXPECT_EQ(KonumEkleme::SaatDilimiBul("5.75"), 23);
    EXPECT_EQ(KonumEkleme::SaatDilimiBul("-3,5"), 10);
    EXPECT_EQ(KonumEkleme::SaatDilimiBul("0"), 14);
    EXPECT_EQ(KonumEkleme::SaatDilimiBul("+2"), 16);
    EXPECT_EQ(KonumEkleme::SaatDilimiBul("2.2"), -1);
    EXPECT_EQ(KonumEkleme::SaatDilimiBul("13"), -1);
    EXPECT_EQ(KonumEkleme::SaatDilimiBul(""), -1);
}

TEST_P(KonumEklemeTest, CompletenessComesFirstAndCountsSpacesAsText)
{
    const QString eksik = QStringLiteral("Lütfen bilgileri eksiksiz giriniz.");
    EXPECT_EQ(Mesaj(Girdi("", "Yeni"), liste), eksik);
    EXPECT_EQ(Mesaj(Girdi("Türkiye", ""), liste), eksik);
    EXPECT_EQ(Mesaj(Girdi("Türkiye", "Yeni", ""), liste), eksik);
    EXPECT_EQ(Mesaj(Girdi("Türkiye", "Yeni", "41", ""), liste), eksik);
    // Before the duplicate and coordinate checks.
    EXPECT_EQ(Mesaj(Girdi("Türkiye", "İstanbul", "x", ""), liste), eksik);
    // Compared without trimming.
    EXPECT_EQ(Mesaj(Girdi("Türkiye", " ", "41", "29"), liste), QStringLiteral("<kabul>"));
}

TEST_P(KonumEklemeTest, DuplicateMessageShowsTheTextsAsTyped)
{
    EXPECT_EQ(Mesaj(Girdi("türkiye", "istanbul"), liste),
              QStringLiteral("'türkiye - istanbul' zaten mevcut."));
    EXPECT_EQ(Mesaj(Girdi(" TÜRKİYE ", "  İSTANBUL"), liste),
              QStringLiteral("' TÜRKİYE  -   İSTANBUL' zaten mevcut."));
    // Before the coordinates are looked at.
    EXPECT_EQ(Mesaj(Girdi("Türkiye", "istanbul", "kuzey"), liste),
              QStringLiteral("'Türkiye - istanbul' zaten mevcut."));
    // "I" folds to "ı": isparta is another place than Isparta.
    EXPECT_EQ(Mesaj(Girdi("Türkiye", "isparta"), liste), QStringLiteral("<kabul>"));
    EXPECT_EQ(Mesaj(Girdi("Almanya", "İstanbul"), liste), QStringLiteral("<kabul>"));
    // A comma in the city splits it: the part after it is taken as the country.
    EXPECT_EQ(Mesaj(Girdi("Almanya", "istanbul,türkiye"), liste),
              QStringLiteral("'Almanya - istanbul,türkiye' zaten mevcut."));
}

// A coordinate is a number typed with "." or "," (the number rule itself is tested with the
// engine) inside the range of its kind: latitude -90..90, longitude -180..180.
TEST_P(KonumEklemeTest, CoordinatesAreNumbersWithinTheirRange)
{
    const QString enlemHata = QStringLiteral("Geçerli bir Enlem Koordinatı giriniz.");
    const QString boylamHata = QStringLiteral("Geçerli bir Boylam Koordinatı giriniz.");
    struct Durum
    {
        const char* enlem;
        const char* boylam;
        QString mesaj;
    };
    const Durum durumlar[] = {
        {"41.02", "29", "<kabul>"},
        {"41,02", "-29,5", "<kabul>"},
        {"90", "180", "<kabul>"},
        {"-90", "-180", "<kabul>"},
        {" 7 ", ".5", "<kabul>"},
        {"90.0001", "29", enlemHata},
        {"123", "29", enlemHata},
        {"-91", "29", enlemHata},
        {"41", "181", boylamHata},
        {"41", "-180,5", boylamHata},
        {"41", "99999999999999999999", boylamHata},
        {"1.234,5", "29", enlemHata},
        {"41", "1e5", boylamHata},
        {"a", "b", enlemHata}, // latitude before longitude
    };
    for (const Durum& d : durumlar)
        EXPECT_EQ(Mesaj(Girdi("T", "Yeni", d.enlem, d.boylam), liste), d.mesaj)
            << d.enlem << " " << d.boylam;
}

TEST_P(KonumEklemeTest, NamesThatWouldBreakTheFileAreRefused)
{
    const QString mesaj = QString::fromUtf8(GecersizAdMesaji.Metin);
    EXPECT_EQ(Mesaj(Girdi("Türkiye", "Yeni|Köy"), liste), mesaj);
    EXPECT_EQ(Mesaj(Girdi("Tür|kiye", "Yeni"), liste), mesaj);
    EXPECT_EQ(Mesaj(Girdi("Türkiye", "Yeni\r\nKöy"), liste), mesaj);
    EXPECT_EQ(Mesaj(Girdi("Türkiye", "Yeni\nKöy"), liste), mesaj);
    EXPECT_EQ(Mesaj(Girdi("Suudi Arabistan", "مكة"), liste), mesaj);
    // Turkish letters are the file's own.
    EXPECT_EQ(Mesaj(Girdi("Türkiye", "Şırnak Çığ Öğür"), liste), QStringLiteral("<kabul>"));
    // The coordinate messages still come first, in their order.
    EXPECT_EQ(Mesaj(Girdi("Türkiye", "Yeni|Köy", "x"), liste),
              QStringLiteral("Geçerli bir Enlem Koordinatı giriniz."));
}

TEST_P(KonumEklemeTest, NewRowTakesTheNextIdAndTrimmedNames)
{
    EkleGirdisi g = Girdi("  Türkiye ", " Yeni Köy  ", "41.5", "29,25", 23);
    const KonumKaydi k = KonumEkleme::YeniKayit(g, liste);
    EXPECT_EQ(k.Id, 4);
    EXPECT_EQ(k.Ulke, QStringLiteral("Türkiye"));
    EXPECT_EQ(k.Sehir, QStringLiteral("Yeni Köy"));
    EXPECT_EQ(k.Tz, 5.75);
    EXPECT_EQ(k.Enlem, 41.5);
    EXPECT_EQ(k.Boylam, 29.25);

    // The same latitude with either mark is the same number.
    g.Enlem = QStringLiteral("41,5");
    g.Boylam = QStringLiteral("29.25");
    EXPECT_EQ(KonumEkleme::YeniKayit(g, liste), k);

    // Only spaces are trimmed; negative half-hour zones keep their fraction.
    const KonumKaydi t = KonumEkleme::YeniKayit(Girdi("\tA", "B ", "1", "2", 8), liste);
    EXPECT_EQ(t.Ulke, QStringLiteral("\tA"));
    EXPECT_EQ(t.Sehir, QStringLiteral("B"));
    EXPECT_EQ(t.Tz, -4.5);

    // The Id follows the last row, not the count.
    liste.Item(3)->setId(6817);
    EXPECT_EQ(KonumEkleme::YeniKayit(g, liste).Id, 6818);
    // An empty list starts at 1.
    clsFastCollection bos;
    EXPECT_EQ(KonumEkleme::YeniKayit(g, bos).Id, 1);
    EXPECT_EQ(Mesaj(g, bos), QStringLiteral("<kabul>"));
}

TEST_P(KonumEklemeTest, IdPastSixteenBitsIsRefused)
{
    liste.Item(3)->setId(32766);
    EXPECT_EQ(Mesaj(Girdi("T", "Yeni"), liste), QStringLiteral("<kabul>"));
    liste.Item(3)->setId(32767);
    EXPECT_EQ(Mesaj(Girdi("T", "Yeni"), liste),
              QStringLiteral("Konum listesi dolu: yeni bir Şehir / Bölge eklenemez."));
}

TEST_P(KonumEklemeTest, SuggestionAddressEncodesTheValuesAsTyped)
{
    const EkleGirdisi g = Girdi("Türkiye & Co", " İstanbul=#x ", "41.02", "28,97", 23);
    const QUrl adres = KonumEkleme::OneriAdresi(QStringLiteral("http://127.0.0.1:8080/"), g);
    EXPECT_EQ(adres.toEncoded(),
              QByteArray("http://127.0.0.1:8080/oner.php?ulke=T%C3%BCrkiye%20%26%20Co"
                         "&sehir=%20%C4%B0stanbul%3D%23x%20&tz=5%2C75&enlem=41.02"
                         "&boylam=28%2C97"));
    // Decoded, the keys come in their order with the texts unchanged.
    const QStringList parcalar = adres.query(QUrl::FullyEncoded).split(QLatin1Char('&'));
    ASSERT_EQ(parcalar.size(), 5);
    const QStringList beklenen = {QStringLiteral("ulke=Türkiye & Co"),
                                  QStringLiteral("sehir= İstanbul=#x "), QStringLiteral("tz=5,75"),
                                  QStringLiteral("enlem=41.02"), QStringLiteral("boylam=28,97")};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(QUrl::fromPercentEncoding(parcalar[i].toUtf8()), beklenen[i]);
    EXPECT_EQ(adres.host(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(adres.path(), QStringLiteral("/oner.php"));
}

// The command line's append on a real data.db (its bytes, refusals and failures are in
// tests/cli/EkleKomutuTest.cpp).
class KonumEklemeDosyaTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(klasor.isValid());
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QString Yol() const { return klasor.filePath("data.db"); }

    QTemporaryDir klasor;
    KonumDosyasi dosya{klasor.path()};
};

TEST_F(KonumEklemeDosyaTest, EmptyFileTakesIdOne)
{
    DosyaYaz(Yol(), QByteArray());
    const auto s = KonumEkleme::DosyayaEkle(dosya, Girdi("Nepal", "Katmandu", "27.7", "85.3", 23));
    EXPECT_EQ(s.Dosya, KonumDosyasiSonucu::Tamam);
    EXPECT_EQ(DosyaIcerigi(Yol()), QByteArray("1|Nepal|Katmandu|5,75|27,7|85,3"));
}

} // namespace
