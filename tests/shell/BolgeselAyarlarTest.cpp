// BolgeselAyarKaydet / BolgeselAyarUygula against a real settings file in a temporary folder
// and a recording stand-in for the page.
#include "shell/BolgeselAyarlar.h"

#include "KayitliSayfa.h"
#include "locations/KonumSatirlari.h"
#include "platform/AyarDeposu.h"
#include "shell/BolgeselMetinler.h"
#include "support/AyarKlasoru.h"
#include "support/QtYazdir.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <memory>

namespace {

class BolgeselAyarlarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        S.Konumlar = KonumSatirlari({{1, "Türkiye", "Ankara", 2, 39.93, 32.86},
                                     {2, "Güney Afrika", "Cape Town", 2, -33.9, 18.42}});
    }

    QString Ham(const QString& anahtar) const { return AyarHam(Klasor.Yol(), anahtar); }
    BolgeselAyarlar::Red Kaydet()
    {
        return Ayar->BolgeselAyarKaydet().Neden<BolgeselAyarlar::Red>();
    }

    AyarKlasoru Klasor;
    std::unique_ptr<AyarDeposu> Depo = std::make_unique<AyarDeposu>();
    KayitliSayfa S;
    std::unique_ptr<BolgeselAyarlar> Ayar = std::make_unique<BolgeselAyarlar>(*Depo, S, S);
};

// The first run shows İstanbul and the defaults. Values edited by hand: minutes past what 16
// bits hold are the longest warning, an unreadable number or a method past the table's five
// rows the default.
TEST_F(BolgeselAyarlarTest, FirstRunDefaultsAndHandEditedValuesWithinTheirRanges)
{
    Ayar->BolgeselAyarUygula();
    EXPECT_EQ(S.Yer, "Türkiye/İstanbul");
    EXPECT_EQ(S.Ipucu, "41.02º Kuzey, 28.97º Doğu, GMT : +2");
    EXPECT_EQ(S.Form, BolgeselAyarFormu{}); // every option on, 15 minutes, method 0
    EXPECT_EQ(Ayar->Konum.Id, 6817);
    EXPECT_EQ(S.Hesaplama, 1);
    EXPECT_EQ(S.Sifirlama, 1);

    for (const auto& [metin, beklenen] : {std::pair{"547", "546"}, {"-5", "0"}, {"on beş", "15"}}) {
        EXPECT_TRUE(Depo->Yaz({{"BADakika", QString::fromUtf8(metin)}}));
        Ayar->BolgeselAyarUygula();
        EXPECT_EQ(S.Form.Dakika, beklenen) << metin;
    }
    // Warnings off take the minutes' box with them.
    EXPECT_TRUE(Depo->Yaz({{"VakitHesap", QStringLiteral("5")}}));
    EXPECT_TRUE(Depo->Yaz({{"BAUyari", QStringLiteral("0")}}));
    Ayar->BolgeselAyarUygula();
    EXPECT_EQ(Ayar->VakitHesap, 0);
    EXPECT_FALSE(S.Form.Uyari || S.Form.DakikaEtkin);
}

// Without a row (none chosen, or a stored one past a shorter data.db's end) a save warns
// and stores nothing; minutes that could not be read back are refused before anything is
// stored, and the active row stays.
TEST_F(BolgeselAyarlarTest, RefusedSavesStoreNothing)
{
    S.Form.Hesap = 3;
    EXPECT_EQ(Kaydet(), BolgeselAyarlar::Red::SatirYok);
    S.setListeAktif(6817);
    EXPECT_EQ(Kaydet(), BolgeselAyarlar::Red::SatirYok);
    EXPECT_EQ(S.Uyarilar, QStringList(2, "Uyarı|Lütfen Listeden bir Şehir / Bölge seçiniz."));

    S.Secili = 0;
    S.Form.Hesap = 0;
    for (const char* kotu : {"abc", "", "547", "-1", "1,5"}) {
        S.Form.Dakika = QString::fromLatin1(kotu);
        EXPECT_EQ(Kaydet(), BolgeselAyarlar::Red::DakikaGecersiz) << kotu;
    }
    EXPECT_EQ(S.Aktif, -1);
    EXPECT_TRUE(S.Sorular.isEmpty());
    EXPECT_EQ(S.Hesaplama, 0);
    EXPECT_FALSE(AyarlarVar(Klasor.Yol()));
}

// The selected row wins over the active row and is stored. A change of method is asked once;
// declined, the standard method is stored, not the one before, and the other options of the
// same save are kept.
TEST_F(BolgeselAyarlarTest, SelectedRowIsStoredAndAMethodChangeIsAsked)
{
    S.Aktif = 0;
    S.Secili = 1;
    S.Form.Dakika = " 20 ";
    S.Form.Sesli = false;
    EXPECT_EQ(Kaydet(), BolgeselAyarlar::Red::Yok);
    EXPECT_EQ(S.Aktif, 1);
    const QStringList saklanan = {"bIndex=2",     "bUlke=Güney Afrika", "bSehir=Cape Town",
                                  "bEnlem=-33.9", "bBoylam=18.42",      "BAEzan=1",
                                  "BASesli=0",    "BADakika=20",        "VakitHesap=0"};
    for (const QString& s : saklanan)
        EXPECT_EQ(s.section('=', 0, 0) + "=" + Ham(s.section('=', 0, 0)), s);
    // Applied again from the store.
    EXPECT_DOUBLE_EQ(Ayar->Konum.Enlem, -33.9);
    EXPECT_EQ(Ayar->Uyarilar.Dakika, 20);
    EXPECT_EQ(S.Ipucu, "33.9º Güney, 18.42º Doğu, GMT : +2");

    S.Secili = 0;
    S.Form.Hesap = 2;
    (void)Ayar->BolgeselAyarKaydet();
    (void)Ayar->BolgeselAyarKaydet();
    EXPECT_EQ(S.Sorular, QStringList{BolgeselMetinler::YontemOnayMetni(2)});
    EXPECT_EQ(Ham("VakitHesap"), "2");

    S.Form.Hesap = 1;
    S.Form.Ezan = false;
    S.Cevap = false;
    (void)Ayar->BolgeselAyarKaydet();
    EXPECT_EQ(Ham("VakitHesap"), "0");
    EXPECT_EQ(S.Form.Hesap, 0);
    EXPECT_EQ(Ham("BAEzan"), "0");
    EXPECT_EQ(S.EzanEtkin, 0);
}

// The city's tool tip: absolute coordinates with a point, zero neither north nor east, the
// offset in the user's number format with its own sign.
TEST(BolgeselMetinler, CityToolTipAndMethodQuestion)
{
    using namespace BolgeselMetinler;
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    EXPECT_EQ(KonumIpucu(0, 0, 0), QStringLiteral("0º Güney, 0º Batı, GMT : 0"));
    EXPECT_EQ(KonumIpucu(-33.9, -70.65, -3.5),
              QStringLiteral("33.9º Güney, 70.65º Batı, GMT : -3,5"));
    QLocale::setDefault(QLocale::c());

    // The question names the method with its angles and regions, then asks.
    const QString soru = YontemOnayMetni(0);
    EXPECT_TRUE(soru.startsWith(QStringLiteral("Muslim World League (Standart) (Standart) : \r\n"
                                               "\r\nİmsak Açısı : -18 Yatsı Açısı : -17\r\n\r\n"
                                               "Kullanıldığı Bölgeler : Avrupa, Uzak Doğu, "
                                               "Amerika'nın bir bölümü \r\n\r\n")))
        << soru.toStdString();
    EXPECT_TRUE(soru.endsWith(QStringLiteral("'Muslim World League (Standart)' olarak "
                                             "değiştirmek istediğinize emin misiniz ?")));
    EXPECT_TRUE(YontemOnayMetni(1).startsWith(
        QStringLiteral("University Of Islamic Sciences, Karachi : \r\n\r\n")));
}

} // namespace
