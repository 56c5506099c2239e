#include "shell/GenelAyarlar.h"

#include "platform/AyarDeposu.h"
#include "platform/XdgOturumAcmaKaydi.h"

#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Records what AyarUygula does to the windows, in order.
class KayitHedef : public GenelAyarHedefi
{
public:
    void FormuGoster(const GenelAyarFormu& f) override
    {
        Form = f;
        Olaylar << "form";
    }
    void SimgeSec(int secim) override { Olaylar << QString("simge %1").arg(secim); }
    void HerZamanUstte(bool acik) override { Olaylar << QString("ustte %1").arg(acik); }
    void KapatIpucu(const QString& ipucu) override { Olaylar << "kapat " + ipucu; }
    bool OpaklikUygula(double opaklik) override
    {
        Olaylar << QString("alfa %1").arg(qRound(opaklik * 255));
        return Kabul;
    }
    void Hesapla() override { Olaylar << "hesapla"; }

    QStringList Olaylar;
    GenelAyarFormu Form;
    bool Kabul = true;
};

// A real settings file and a real autostart folder in a temporary folder.
class GenelAyarlarTest : public ::testing::Test
{
protected:
    GenelAyarlarTest() : Oturum(Kok.path() + "/bin/orvanel", Kok.path() + "/autostart")
    {
        QLocale::setDefault(QLocale("tr_TR"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Kok.path() + "/config");
        Depo = std::make_unique<AyarDeposu>();
        Ayarlar = std::make_unique<GenelAyarlar>(*Depo, &Oturum, Hedef);
    }
    ~GenelAyarlarTest() override { QLocale::setDefault(QLocale::c()); }

    bool Baslatiliyor() const { return QFile::exists(Kok.path() + "/autostart/orvanel.desktop"); }

    QTemporaryDir Kok;
    XdgOturumAcmaKaydi Oturum;
    KayitHedef Hedef;
    std::unique_ptr<AyarDeposu> Depo;
    std::unique_ptr<GenelAyarlar> Ayarlar;
};

TEST_F(GenelAyarlarTest, FreshUserShowsDefaultsAppliesThemInOrderAndWritesTheLogonEntry)
{
    Ayarlar->AyarUygula();
    EXPECT_EQ(Hedef.Form, GenelAyarFormu{});
    EXPECT_EQ(Hedef.Olaylar,
              (QStringList{"form", "simge 1", "ustte 1", "kapat Gizle", "alfa 255", "hesapla"}));
    EXPECT_TRUE(Baslatiliyor());
    EXPECT_TRUE(Ayarlar->YazSaati);
    EXPECT_EQ(Ayarlar->HicriGun, 0);
}

// Values edited by hand come back within what the page can show: an opacity of 0 would hide
// the window, a correction with a fraction would read as another day.
TEST_F(GenelAyarlarTest, HandEditedValuesComeBackWithinTheirRanges)
{
    const struct
    {
        const char* Anahtar;
        const char* Metin;
        int GenelAyarlar::*Deger;
        int Beklenen;
    } durumlar[] = {
        {"Seffaflik", "0", &GenelAyarlar::Seffaflik, 30},
        {"Seffaflik", "150", &GenelAyarlar::Seffaflik, 100},
        {"Seffaflik", "yarım", &GenelAyarlar::Seffaflik, 100},
        {"HicriGun", "1,5", &GenelAyarlar::HicriGun, 0},
        {"HicriGun", "-2", &GenelAyarlar::HicriGun, -2},
        {"Simge", "x", &GenelAyarlar::Simge, 1},
    };
    for (const auto& d : durumlar) {
        Depo->Yaz(d.Anahtar, QString::fromUtf8(d.Metin));
        Ayarlar->AyarUygula();
        EXPECT_EQ((*Ayarlar).*d.Deger, d.Beklenen) << d.Anahtar << "=" << d.Metin;
    }
}

TEST_F(GenelAyarlarTest, SaveStoresFlagsAsDigitsAndReappliesFromTheStore)
{
    GenelAyarFormu f;
    f.Acilis = false;
    f.Simge = false;
    f.YazSaati = false;
    f.Ustte = 0;
    f.Seffaf = "45";
    f.HicriGun = "-1";
    f.Icon = 2;
    EXPECT_EQ(Ayarlar->KaydetTiklandi(f), "");

    EXPECT_EQ(Depo->Oku("Baslangic"), "0");
    EXPECT_EQ(Depo->Oku("GorevSimge"), "0");
    EXPECT_EQ(Depo->Oku("HerZamanUstte"), "False");
    EXPECT_EQ(Depo->Oku("Seffaflik"), "45");
    EXPECT_EQ(Depo->Oku("YazSaati"), "0");
    EXPECT_EQ(Depo->Oku("HicriGun"), "-1");
    EXPECT_EQ(Depo->Oku("Simge"), "2");

    EXPECT_EQ(Hedef.Form, f);
    EXPECT_EQ(Hedef.Olaylar,
              (QStringList{"form", "simge 2", "ustte 0", "kapat Kapat", "alfa 115", "hesapla"}));
    EXPECT_FALSE(Ayarlar->YazSaati);
    EXPECT_EQ(Ayarlar->HicriGun, -1);
    EXPECT_FALSE(Baslatiliyor());
}

TEST_F(GenelAyarlarTest, OpacityEntryIsCheckedOnSave)
{
    struct Durum
    {
        const char* giris;
        const char* saklanan;
        int alfa;
    };
    for (const Durum& d : {Durum{"abc", "30", 76}, Durum{"", "30", 76}, Durum{"150", "100", 255},
                           Durum{"29", "30", 76}, Durum{"45", "45", 115}, Durum{"50", "50", 128},
                           Durum{"90", "90", 230}, Durum{"-5", "30", 76}}) {
        Hedef.Olaylar.clear();
        GenelAyarFormu f;
        f.Seffaf = d.giris;
        ASSERT_EQ(Ayarlar->KaydetTiklandi(f), "");
        EXPECT_EQ(Depo->Oku("Seffaflik"), d.saklanan) << d.giris;
        EXPECT_TRUE(Hedef.Olaylar.contains(QString("alfa %1").arg(d.alfa))) << d.giris;
    }
}

TEST_F(GenelAyarlarTest, BrokenHijriCorrectionIsRefusedAndNothingIsStored)
{
    for (const char* kotu : {"abc", "1,5", ""}) {
        GenelAyarFormu f;
        f.Acilis = false;
        f.HicriGun = kotu;
        EXPECT_EQ(Ayarlar->KaydetTiklandi(f), QString::fromUtf8(HicriGunHataMetni)) << kotu;
    }
    EXPECT_TRUE(Hedef.Olaylar.isEmpty());
    EXPECT_FALSE(QFile::exists(Kok.path() + "/config/Orvanel/Orvanel.ini"));
}

TEST_F(GenelAyarlarTest, UnusualIconChoiceLeavesBothOptionsUnchosen)
{
    Depo->Yaz("Simge", QStringLiteral("3"));
    Ayarlar->AyarUygula();
    EXPECT_EQ(Hedef.Form.Icon, 0);
    EXPECT_TRUE(Hedef.Olaylar.contains("simge 2"));

    GenelAyarFormu f;
    f.Icon = 0;
    Ayarlar->AyarKaydet(f);
    EXPECT_EQ(Depo->Oku("Simge"), "2");
}

TEST_F(GenelAyarlarTest, AlwaysOnTopClickIsStoredAtOnceAndSurvivesARestart)
{
    EXPECT_EQ(Ayarlar->UstteTiklandi(0), 0);
    EXPECT_EQ(Depo->Oku("HerZamanUstte"), "False");
    EXPECT_EQ(Hedef.Olaylar, QStringList{"ustte 0"});

    AyarDeposu yeniDepo;
    KayitHedef yeniHedef;
    GenelAyarlar yeni(yeniDepo, nullptr, yeniHedef);
    yeni.AyarUygula();
    EXPECT_FALSE(yeni.HerZamanUstte);
    EXPECT_EQ(yeniHedef.Form.Ustte, 0);
    EXPECT_EQ(Ayarlar->UstteTiklandi(1), 1);
}

TEST(GenelAyarlarKurallari, UpAndDownButtons)
{
    for (const char* yerel : {"tr_TR", "C"}) {
        QLocale::setDefault(QLocale(yerel));
        EXPECT_EQ(GenelAyarlar::Arti("29"), "31") << yerel;
        EXPECT_EQ(GenelAyarlar::Arti("30"), "31");
        EXPECT_EQ(GenelAyarlar::Arti("99"), "100");
        EXPECT_EQ(GenelAyarlar::Arti("100"), "100");
        EXPECT_EQ(GenelAyarlar::Arti("250"), "100");
        EXPECT_EQ(GenelAyarlar::Arti(""), "31");
        EXPECT_EQ(GenelAyarlar::Arti("abc"), "31");
        EXPECT_EQ(GenelAyarlar::Eksi("30"), "30");
        EXPECT_EQ(GenelAyarlar::Eksi("31"), "30");
        EXPECT_EQ(GenelAyarlar::Eksi("100"), "99");
        EXPECT_EQ(GenelAyarlar::Eksi("150"), "149") << "down never clamps at the top";
        EXPECT_EQ(GenelAyarlar::Eksi(""), "30");
    }
    QLocale::setDefault(QLocale("tr_TR"));
    EXPECT_EQ(GenelAyarlar::Arti("45,5"), "46,5");
    QLocale::setDefault(QLocale::c());
}

TEST(GenelAyarlarKurallari, AlphaRoundsTheTrueProductHalvesToEven)
{
    EXPECT_EQ(GenelAyarlar::Alfa(30), 76);  // 76.5
    EXPECT_EQ(GenelAyarlar::Alfa(45), 115); // 114.75
    EXPECT_EQ(GenelAyarlar::Alfa(50), 128); // 127.5
    EXPECT_EQ(GenelAyarlar::Alfa(70), 178); // 178.5
    EXPECT_EQ(GenelAyarlar::Alfa(90), 230); // 229.5
    EXPECT_EQ(GenelAyarlar::Alfa(100), 255);
    EXPECT_EQ(GenelAyarlar::Alfa(0), 0);
}

TEST_F(GenelAyarlarTest, PreviewAppliesOpacityWithoutStoringAndReportsRefusals)
{
    EXPECT_EQ(Ayarlar->ArtiBasildi("29"), "31");
    EXPECT_EQ(Ayarlar->EksiBasildi("31"), "30");
    EXPECT_EQ(Hedef.Olaylar, (QStringList{"alfa 79", "alfa 76"}));
    EXPECT_EQ(Depo->Oku("Seffaflik", QString("yok")), "yok");

    Hedef.Olaylar.clear();
    EXPECT_EQ(Ayarlar->SeffaflikUygula(-1), 1);
    EXPECT_EQ(Ayarlar->SeffaflikUygula(256), 1);
    EXPECT_TRUE(Hedef.Olaylar.isEmpty());
    EXPECT_EQ(Ayarlar->SeffaflikUygula(0), 0);
    Hedef.Kabul = false;
    EXPECT_EQ(Ayarlar->SeffaflikUygula(255), 2);
}

} // namespace
