// Adding a place: the checks in their order, the new row and the suggestion address, under
// both number formats (nothing here may depend on the user's).
#include "locations/KonumEkleme.h"

#include "KonumTestAraclari.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

EkleGirdisi Girdi(const char* ulke, const char* sehir, const char* enlem = "41",
                  const char* boylam = "29", int saatDilimi = KonumEkleme::VarsayilanSaatDilimi)
{
    return {ulke, sehir, saatDilimi, enlem, boylam};
}

class KonumEklemeTest : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QString::fromLatin1(GetParam())));
        Doldur(liste, {{"Türkiye", "İstanbul"}, {"Türkiye", "Isparta"}, {"Almanya", "Berlin"}});
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    KonumSatirlari liste;
};

INSTANTIATE_TEST_SUITE_P(Yereller, KonumEklemeTest, ::testing::Values("tr_TR", "C"));

// Each check with its message, in the order they are made: completeness (spaces count as
// text), duplicates (folded, as typed in the message), the coordinates (either mark, within
// range), then names the file cannot hold.
TEST_P(KonumEklemeTest, ChecksInTheirOrder)
{
    const char* eksik = "Lütfen bilgileri eksiksiz giriniz.";
    const char* enlem = "Geçerli bir Enlem Koordinatı giriniz.";
    const char* boylam = "Geçerli bir Boylam Koordinatı giriniz.";
    const char* ad = GecersizAdMesaji.Metin;
    const std::pair<EkleGirdisi, const char*> durumlar[] = {
        // (a null message: accepted)
        {Girdi("", "Yeni"), eksik},
        {Girdi("Türkiye", "İstanbul", "x", ""), eksik},
        {Girdi("Türkiye", " "), nullptr},
        {Girdi(" TÜRKİYE ", "  İSTANBUL"), "' TÜRKİYE  -   İSTANBUL' zaten mevcut."},
        {Girdi("Türkiye", "istanbul", "kuzey"), "'Türkiye - istanbul' zaten mevcut."},
        {Girdi("Türkiye", "isparta"), nullptr}, // "I" folds to "ı"
        {Girdi("Almanya", "İstanbul"), nullptr},
        // A comma in the city splits it: the part after it is taken as the country.
        {Girdi("Almanya", "istanbul,türkiye"), "'Almanya - istanbul,türkiye' zaten mevcut."},
        {Girdi("T", "Yeni", "41,02", "-29,5"), nullptr},
        {Girdi("T", "Yeni", "-90", "180"), nullptr},
        {Girdi("T", "Yeni", "90.0001", "29"), enlem},
        {Girdi("T", "Yeni", "1.234,5", "29"), enlem},
        {Girdi("T", "Yeni", "41", "-180,5"), boylam},
        {Girdi("T", "Yeni", "41", "1e5"), boylam},
        {Girdi("Türkiye", "Yeni|Köy"), ad},
        {Girdi("Suudi Arabistan", "مكة"), ad},
        {Girdi("Türkiye", "Yeni|Köy", "x"), enlem},
        {Girdi("Türkiye", "Şırnak Çığ Öğür"), nullptr}};
    for (const auto& [g, mesaj] : durumlar)
        EXPECT_EQ(KonumEkleme::Denetle(g, liste).Mesaj(), mesaj ? QString(mesaj) : QString())
            << g.Ulke.toStdString() << "/" << g.Sehir.toStdString() << " " << g.Enlem.toStdString()
            << " " << g.Boylam.toStdString();

    // Ids are 16-bit: after 32767 the list is full.
    IdDegistir(liste, 2, 32766);
    EXPECT_TRUE(KonumEkleme::Denetle(Girdi("T", "Yeni"), liste));
    IdDegistir(liste, 2, 32767);
    EXPECT_EQ(KonumEkleme::Denetle(Girdi("T", "Yeni"), liste).Mesaj(),
              "Konum listesi dolu: yeni bir Şehir / Bölge eklenemez.");
}

// The new row: the Id after the last row's (not the count), names with their spaces
// trimmed, the zone of the chosen entry, "," and "." read alike.
TEST_P(KonumEklemeTest, NewRowTakesTheNextIdAndTrimmedNames)
{
    EkleGirdisi g = Girdi("  Türkiye ", " Yeni Köy  ", "41.5", "29,25", 23);
    const KonumKaydi k = KonumEkleme::YeniKayit(g, liste);
    EXPECT_EQ(k, (KonumKaydi{4, "Türkiye", "Yeni Köy", 5.75, 41.5, 29.25}));
    g.Enlem = "41,5";
    g.Boylam = "29.25";
    EXPECT_EQ(KonumEkleme::YeniKayit(g, liste), k);

    const KonumKaydi t = KonumEkleme::YeniKayit(Girdi("\tA", "B ", "1", "2", 8), liste);
    EXPECT_EQ(t.Ulke, "\tA");
    EXPECT_EQ(t.Tz, -4.5);
    IdDegistir(liste, 2, 6817);
    EXPECT_EQ(KonumEkleme::YeniKayit(g, liste).Id, 6818);
    EXPECT_EQ(KonumEkleme::YeniKayit(g, KonumSatirlari()).Id, 1);

    // The zone list is found by its value, with either mark.
    const std::pair<const char*, int> dilimler[] = {{"5,75", 23}, {"5.75", 23}, {"-3,5", 10},
                                                    {"+2", 16},   {"2.2", -1},  {"", -1}};
    for (const auto& [deger, sira] : dilimler)
        EXPECT_EQ(KonumEkleme::SaatDilimiBul(QString::fromLatin1(deger)), sira) << deger;
}

// The suggestion carries the values as typed, each percent-encoded in its key.
TEST_P(KonumEklemeTest, SuggestionAddressEncodesTheValuesAsTyped)
{
    const EkleGirdisi g = Girdi("Türkiye & Co", " İstanbul=#x ", "41.02", "28,97", 23);
    EXPECT_EQ(KonumEkleme::OneriAdresi("http://127.0.0.1:8080/", g).toEncoded(),
              QByteArray("http://127.0.0.1:8080/oner.php?ulke=T%C3%BCrkiye%20%26%20Co"
                         "&sehir=%20%C4%B0stanbul%3D%23x%20&tz=5%2C75&enlem=41.02"
                         "&boylam=28%2C97"));
}

} // namespace
