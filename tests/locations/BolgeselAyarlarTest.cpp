// BolgeselAyarKaydet / BolgeselAyarUygula against a real settings file in a temporary folder
// and a recording stand-in for the page.
#include "locations/BolgeselAyarlar.h"

#include "locations/BolgeselMetinler.h"
#include "locations/clsFastCollection.h"
#include "platform/AyarDeposu.h"

#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Sayfa : BolgeselAyarHedefi
{
    clsFastCollection Satirlar;
    int Secili = 0;
    int AktifSatir = 0;
    BolgeselAyarFormu Form;
    QString UlkeMetni, SehirMetni, Ipucu;
    int EzanEtkin = -1;
    QStringList Uyarilar;
    QStringList Sorular;
    bool Cevap = true;
    int Hesaplama = 0;
    int Sifirlama = 0;

    int ListeSecili() const override { return Secili; }
    int ListeAktif() const override { return AktifSatir; }
    // The list clears the active row for a position outside it.
    void setListeAktif(int k) override { AktifSatir = (k >= 1 && k <= Satirlar.Count()) ? k : 0; }
    void setListeSecili(int k) override { Secili = k; }
    const vkListItem* ListeSatiri(int k) const override { return Satirlar.Item(k); }
    void ListeyiDoldur(clsFastCollection& satirlar) override
    {
        Satirlar = std::move(satirlar);
        AktifSatir = Secili = 0;
    }
    BolgeselAyarFormu FormuOku() const override { return Form; }
    void FormuGoster(const BolgeselAyarFormu& f) override { Form = f; }
    void YerGoster(const QString& u, const QString& s, const QString& i) override
    {
        UlkeMetni = u;
        SehirMetni = s;
        Ipucu = i;
    }
    void EzanDugmesi(bool etkin) override { EzanEtkin = etkin ? 1 : 0; }
    void Uyar(const QString& baslik, const QString& metin) override
    {
        Uyarilar << baslik + "|" + metin;
    }
    bool Onayla(const QString&, const QString& metin) override
    {
        Sorular << metin;
        return Cevap;
    }
    void Hesapla() override { ++Hesaplama; }
    void UyariyiSifirla() override { ++Sifirlama; }

    void Ekle(int id, const QString& ulke, const QString& sehir, double tz, double enlem,
              double boylam)
    {
        KonumKaydi k;
        k.Id = id;
        k.Ulke = ulke;
        k.Sehir = sehir;
        k.Tz = tz;
        k.Enlem = enlem;
        k.Boylam = boylam;
        Satirlar.Add(std::make_unique<vkListItem>(k));
    }
};

class BolgeselAyarlarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Klasor.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Klasor.path());
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        Depo = std::make_unique<AyarDeposu>();
        S.Ekle(1, "Türkiye", "Ankara", 2, 39.93, 32.86);
        S.Ekle(2, "Güney Afrika", "Cape Town", 2, -33.9, 18.42);
        S.Ekle(3, "Ekvador", "Sıfır", 0, 0, 0);
        Ayar = std::make_unique<BolgeselAyarlar>(*Depo, S);
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QString Ham(const QString& anahtar) const
    {
        QSettings ini(Klasor.path() + "/Orvanel/Orvanel.ini", QSettings::IniFormat);
        return ini.value("Vakit/" + anahtar).toString();
    }

    QTemporaryDir Klasor;
    std::unique_ptr<AyarDeposu> Depo;
    Sayfa S;
    std::unique_ptr<BolgeselAyarlar> Ayar;
};

TEST_F(BolgeselAyarlarTest, FirstRunShowsIstanbulDefaults)
{
    Ayar->BolgeselAyarUygula();
    EXPECT_EQ(S.UlkeMetni, "Türkiye");
    EXPECT_EQ(S.SehirMetni, "İstanbul");
    EXPECT_EQ(S.Ipucu, "41.02º Kuzey, 28.97º Doğu, GMT : +2");
    EXPECT_EQ(S.EzanEtkin, 1);
    BolgeselAyarFormu beklenen; // every option on, 15 minutes, method 0
    EXPECT_EQ(S.Form, beklenen);
    EXPECT_EQ(Ayar->Konum.Index, 6817);
    EXPECT_EQ(S.Hesaplama, 1);
    EXPECT_EQ(S.Sifirlama, 1);
}

// Values edited by hand: minutes past what 16 bits hold are the longest warning, an
// unreadable number or a method past the table's five rows the default.
TEST_F(BolgeselAyarlarTest, HandEditedValuesComeBackWithinTheirRanges)
{
    const struct
    {
        const char* Anahtar;
        const char* Metin;
        QString BolgeselAyarFormu::*Alan;
        const char* Beklenen;
    } dakikalar[] = {
        {"BADakika", "547", &BolgeselAyarFormu::Dakika, "546"},
        {"BADakika", "-5", &BolgeselAyarFormu::Dakika, "0"},
        {"BADakika", "on beş", &BolgeselAyarFormu::Dakika, "15"},
    };
    for (const auto& d : dakikalar) {
        Depo->Yaz(d.Anahtar, QString::fromUtf8(d.Metin));
        Ayar->BolgeselAyarUygula();
        EXPECT_EQ(S.Form.*d.Alan, d.Beklenen) << d.Metin;
    }
    Depo->Yaz("VakitHesap", QStringLiteral("5"));
    Depo->Yaz("BAEzan", QStringLiteral("hayır"));
    Ayar->BolgeselAyarUygula();
    EXPECT_EQ(Ayar->VakitHesap, 0);
    EXPECT_TRUE(Ayar->Uyarilar.Ezan);
}

TEST_F(BolgeselAyarlarTest, NoRowChosenWarnsAndStoresNothing)
{
    S.Form.Ezan = false;
    S.Form.Hesap = 3;
    EXPECT_EQ(Ayar->BolgeselAyarKaydet(), BolgeselAyarlar::Sonuc::SatirYok);
    ASSERT_EQ(S.Uyarilar.size(), 1);
    EXPECT_EQ(S.Uyarilar[0], "Uyarı|Lütfen Listeden bir Şehir / Bölge seçiniz.");
    EXPECT_TRUE(S.Sorular.isEmpty());
    EXPECT_FALSE(QFile::exists(Klasor.path() + "/Orvanel/Orvanel.ini") && !Ham("BAEzan").isEmpty());
    EXPECT_EQ(S.Hesaplama, 0);
}

TEST_F(BolgeselAyarlarTest, StoredIndexBeyondTheListCountsAsNoRow)
{
    // data.db replaced by a shorter one: the stored 6817 points past the three rows.
    S.setListeAktif(6817);
    EXPECT_EQ(Ayar->BolgeselAyarKaydet(), BolgeselAyarlar::Sonuc::SatirYok);
    EXPECT_EQ(S.Uyarilar.size(), 1);
}

TEST_F(BolgeselAyarlarTest, SelectedRowWinsOverActiveRowAndIsStored)
{
    S.AktifSatir = 1;
    S.Secili = 2;
    S.Form.Dakika = " 20 ";
    S.Form.Sesli = false;
    EXPECT_EQ(Ayar->BolgeselAyarKaydet(), BolgeselAyarlar::Sonuc::Kaydedildi);
    EXPECT_EQ(S.AktifSatir, 2);
    EXPECT_EQ(Ham("bIndex"), "2");
    EXPECT_EQ(Ham("bUlke"), "Güney Afrika");
    EXPECT_EQ(Ham("bSehir"), "Cape Town");
    EXPECT_EQ(Ham("bEnlem"), "-33.9"); // one form whatever the locale
    EXPECT_EQ(Ham("bBoylam"), "18.42");
    EXPECT_EQ(Ham("BAEzan"), "1");
    EXPECT_EQ(Ham("BASesli"), "0");
    EXPECT_EQ(Ham("BADakika"), "20");
    EXPECT_EQ(Ham("VakitHesap"), "0");
    // Applied again from the store: the decimal comma reads back.
    EXPECT_DOUBLE_EQ(Ayar->Konum.Enlem, -33.9);
    EXPECT_EQ(Ayar->Uyarilar.Dakika, 20);
    EXPECT_EQ(S.Ipucu, "33.9º Güney, 18.42º Doğu, GMT : +2");
    EXPECT_TRUE(S.Sorular.isEmpty());
}

TEST_F(BolgeselAyarlarTest, ZeroCoordinatesReadSouthAndWestWithoutPlus)
{
    S.Secili = 3;
    Ayar->BolgeselAyarKaydet();
    EXPECT_EQ(S.Ipucu, "0º Güney, 0º Batı, GMT : 0");
}

TEST_F(BolgeselAyarlarTest, MethodChangeConfirmedIsStoredAndAskedOnlyOnce)
{
    S.Secili = 1;
    S.Form.Hesap = 2;
    Ayar->BolgeselAyarKaydet();
    ASSERT_EQ(S.Sorular.size(), 1);
    EXPECT_EQ(S.Sorular[0], BolgeselMetinler::YontemOnayMetni(2));
    EXPECT_EQ(Ham("VakitHesap"), "2");
    EXPECT_EQ(Ayar->VakitHesap, 2);
    Ayar->BolgeselAyarKaydet();
    EXPECT_EQ(S.Sorular.size(), 1);
}

TEST_F(BolgeselAyarlarTest, MethodChangeDeclinedStoresStandardNotThePrevious)
{
    Depo->Yaz("VakitHesap", QStringLiteral("3"));
    Ayar->BolgeselAyarUygula();
    S.Secili = 1;
    S.Form.Hesap = 1;
    S.Form.Ezan = false;
    S.Cevap = false;
    Ayar->BolgeselAyarKaydet();
    EXPECT_EQ(Ham("VakitHesap"), "0");
    EXPECT_EQ(S.Form.Hesap, 0);
    // The other options of the same save are kept.
    EXPECT_EQ(Ham("BAEzan"), "0");
    EXPECT_EQ(S.EzanEtkin, 0);
}

TEST_F(BolgeselAyarlarTest, MinutesThatAreNotAWholeNumberAreRefusedBeforeStoring)
{
    S.Secili = 1;
    for (const QString& kotu : {QString("abc"), QString(""), QString("547"), QString("-1")}) {
        S.Form.Dakika = kotu;
        EXPECT_EQ(Ayar->BolgeselAyarKaydet(), BolgeselAyarlar::Sonuc::DakikaGecersiz)
            << kotu.toStdString();
    }
    EXPECT_EQ(S.Uyarilar.size(), 4);
    EXPECT_TRUE(Ham("bIndex").isEmpty());
    EXPECT_EQ(S.AktifSatir, 0) << "a refused save leaves the active row where it was";
}

TEST_F(BolgeselAyarlarTest, WarningOffDisablesMinutesAndSound)
{
    Depo->Yaz("BAUyari", QStringLiteral("0"));
    Ayar->BolgeselAyarUygula();
    EXPECT_FALSE(S.Form.Uyari);
    EXPECT_FALSE(S.Form.DakikaEtkin);
    BolgeselAyarFormu f;
    f.Uyari = true;
    f.DakikaEtkin = false;
    BolgeselAyarlar::UyariDegisti(f);
    EXPECT_TRUE(f.DakikaEtkin);
}

} // namespace
