// The general options over a real settings file and autostart folder, the sound paths on disk,
// and the main window's placement arithmetic.
#include "shell/GenelAyarlar.h"

#include "platform/AyarDeposu.h"
#include "platform/Twip.h"
#include "platform/XdgOturumAcmaKaydi.h"
#include "shell/PencereYerlesimi.h"
#include "shell/SesYollari.h"
#include "support/AyarKlasoru.h"
#include "support/QtYazdir.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// Writes down what AyarUygula does to the windows, in order.
class KayitHedef : public GenelAyarHedefi
{
public:
    void FormuGoster(const GenelAyarFormu& f) override { Form = f, Yaz("form"); }
    void SimgeSec(int secim) override { Yaz(QString("simge %1").arg(secim)); }
    void HerZamanUstte(bool acik) override { Yaz(QString("ustte %1").arg(acik)); }
    void KapatIpucu(const QString& ipucu) override { Yaz("kapat " + ipucu); }
    bool OpaklikUygula(double o) override { return Yaz(QString("alfa %1").arg(o * 255)); }
    bool Yaz(const QString& ne) { return Olaylar << ne, true; }
    QStringList Olaylar;
    GenelAyarFormu Form;
};

class GenelAyarlarTest : public ::testing::Test
{
protected:
    bool Baslatiliyor() const { return QFile::exists(Klasor.Yol() + "/autostart/orvanel.desktop"); }
    AyarKlasoru Klasor;
    XdgOturumAcmaKaydi Oturum{Klasor.Yol() + "/bin/orvanel", Klasor.Yol() + "/autostart"};
    KayitHedef Hedef;
    AyarDeposu Depo;
    GenelAyarlar Ayarlar{Depo, &Oturum, Hedef, [this] { Hedef.Yaz("hesapla"); }};
};

// A fresh user gets the defaults, applied in order, and the logon entry; a save stores the
// flags as digits (the always-on-top one as "False") and applies the store again.
TEST_F(GenelAyarlarTest, DefaultsThenASaveAppliedInOrder)
{
    Ayarlar.AyarUygula();
    EXPECT_EQ(Hedef.Form, GenelAyarFormu{});
    EXPECT_TRUE(Baslatiliyor());
    const GenelAyarFormu f{false, false, false, 0, "45", "-1", 2, false};
    EXPECT_TRUE(Ayarlar.KaydetTiklandi(f));
    QStringList saklanan;
    for (const char* k : {"Baslangic", "GorevSimge", "HerZamanUstte", "Seffaflik", "YazSaati",
                          "HicriGun", "Simge", "DiniGunHatirlat"})
        saklanan << Depo.Oku(k);
    EXPECT_EQ(saklanan.join(' '), "0 0 False 45 0 -1 2 0");
    EXPECT_EQ(Hedef.Form, f);
    EXPECT_EQ(Hedef.Olaylar.join(", "), "form, simge 1, ustte 1, kapat Gizle, alfa 255, hesapla, "
                                        "form, simge 2, ustte 0, kapat Kapat, alfa 115, hesapla");
    EXPECT_FALSE(Baslatiliyor());
}

// A Hijri correction that is not a whole number is refused before anything is stored; the
// opacity entry is brought into 30..100, alpha = 255 x percent / 100 rounded halves to even
// (30 % is 76.5, 50 % is 127.5).
// Values edited by hand come back within what the page can show: an opacity of 0 would hide
// the window, a correction with a fraction would read as another day; an icon choice of
// another version shows neither option, uses the second icon and is saved as it.
TEST_F(GenelAyarlarTest, EntriesAreCheckedOnSaveAndHandEditedValuesComeBackWithinRange)
{
    for (const char* kotu : {"abc", "1,5", ""})
        EXPECT_EQ(Ayarlar.KaydetTiklandi({true, true, true, 1, "100", kotu, 1}).Mesaj(),
                  HicriGunHataMetni);
    EXPECT_TRUE(Hedef.Olaylar.isEmpty() && !QFile::exists(Klasor.Yol() + "/Orvanel/Orvanel.ini"));
    // clang-format off
    const std::tuple<const char*, const char*, int> durumlar[] = {
        {"abc", "30", 76}, {"29", "30", 76}, {"150", "100", 255}, {"50", "50", 128}, {"90", "90", 230}};
    // clang-format on
    for (const auto& [giris, saklanan, alfa] : durumlar) {
        ASSERT_TRUE(Ayarlar.KaydetTiklandi({true, true, true, 1, giris, "0", 1}));
        EXPECT_EQ(Depo.Oku("Seffaflik"), saklanan) << giris;
        EXPECT_EQ(Hedef.Olaylar.at(Hedef.Olaylar.size() - 2), QString("alfa %1").arg(alfa));
    }

    using G = GenelAyarlar;
    // clang-format off
    const std::tuple<const char*, const char*, int G::*, int> elle[] = {
        {"Seffaflik", "0", &G::Seffaflik, 30}, {"Seffaflik", "150", &G::Seffaflik, 100},
        {"Seffaflik", "yarım", &G::Seffaflik, 100}, {"HicriGun", "1,5", &G::HicriGun, 0},
        {"HicriGun", "-2", &G::HicriGun, -2}, {"Simge", "x", &G::Simge, 1}};
    // clang-format on
    for (const auto& [anahtar, metin, deger, beklenen] : elle) {
        EXPECT_TRUE(Depo.Yaz({{anahtar, QString::fromUtf8(metin)}}));
        Ayarlar.AyarUygula();
        EXPECT_EQ(Ayarlar.*deger, beklenen) << anahtar << "=" << metin;
    }
    EXPECT_TRUE(Depo.Yaz({{"Simge", QStringLiteral("3")}}));
    Ayarlar.AyarUygula();
    EXPECT_TRUE(Hedef.Form.Icon == 0 && Hedef.Olaylar.contains("simge 2"));
    EXPECT_TRUE(Ayarlar.AyarKaydet(Hedef.Form));
    EXPECT_EQ(Depo.Oku("Simge"), "2");
}

// Always on top is stored at the click; the up and down buttons step the entry within
// 30..100 (down never clamps at the top) and preview the opacity without storing it; an
// alpha beyond 255 is never applied.
TEST_F(GenelAyarlarTest, ButtonsActAtOnce)
{
    EXPECT_TRUE(Ayarlar.UstteTiklandi(0));
    EXPECT_FALSE(Ayarlar.HerZamanUstte);
    EXPECT_EQ(Depo.Oku("HerZamanUstte"), "False");
    QLocale::setDefault(QLocale("tr_TR"));
    QStringList adimlar;
    for (const char* giris : {"29", "99", "250", "abc", "45,5"})
        adimlar << Ayarlar.ArtiBasildi(giris) << Ayarlar.EksiBasildi(giris);
    EXPECT_EQ(adimlar.join(' '), "31 30 100 98 100 249 31 30 46,5 44,5");
    EXPECT_EQ(Hedef.Olaylar.join(", "), "ustte 0, alfa 79, alfa 76, alfa 255, alfa 250, alfa 255, "
                                        "alfa 79, alfa 76, alfa 119, alfa 113");
    EXPECT_EQ(Depo.Oku("Seffaflik", "yok"), "yok");
}

// Program folders on disk holding the named files (a name ending in "/" is a folder): the
// ezan paths of İmsak, Güneş, Öğle, İkindi and an unknown key, and the start-up message.
TEST(SesYollari, FoundFilesAndTheMissingMessage)
{
    const QString kuyruk = "dosyası/dosyaları bulunamadı !\r\nProgram Sesli Uyarı ve/veya Ezan "
                           "seslerini yürütemeyecektir.";
    // clang-format off
    const std::tuple<QStringList, QString, QString> durumlar[] = {
        {{"Ezan/sabah.wma", "Ezan/ogle.wma", "Ezan/ezan.wma", "ezan.wma", "uyari.wma"},
         "Ezan/sabah.wma Ezan/sabah.wma Ezan/ogle.wma Ezan/ezan.wma ", ""},
        {{"ezan.wma", "uyari.wma"}, "ezan.wma ezan.wma ezan.wma ezan.wma ", ""},
        {{"Ezan/ogle.wma", "uyari.wma/"}, "  Ezan/ogle.wma  ", "'ezan\\ezan.wma' 'uyari.wma' " + kuyruk}};
    // clang-format on
    for (const auto& [dosyalar, yollar, eksik] : durumlar) {
        QTemporaryDir kok;
        const QString klasor = kok.path() + "/";
        for (const QString& ad : dosyalar)
            ASSERT_TRUE(QDir().mkpath(QFileInfo(klasor + ad).path()) &&
                        (ad.endsWith('/') || QFile(klasor + ad).open(QIODevice::WriteOnly)));
        const SesYollari y = SesYollari::Bul(klasor);
        QStringList bulunan;
        for (const char* vakit : {"imsak", "gunes", "ogle", "ikindi", "oglen"})
            bulunan << y.EzanYolu(vakit).remove(klasor);
        EXPECT_EQ(bulunan.join(' '), yollar) << dosyalar.join(' ').toStdString();
        EXPECT_EQ(y.EksikMesaji(), eksik);
    }
}

// The 242 x 341 window on a 1920 x 1080 screen, the stored PosX/PosY in twips: by default
// 100 twips (6.7 px) from the right edge and 700 (46.7 px) above the bottom, where a 40-pixel
// panel at the bottom or a panel at the top leaves it; a 64-pixel panel at the bottom or the
// right would cover it, so it stands against that panel, and a stored PosX keeps its own edge.
// A stored place is kept, even over a panel, unless it is off the screen: then it is moved onto
// the screen, not off the panels. A page rises by a fifth of what is left, rounded (102.4 to
// 102), and snaps into place once the fifth rounds to nothing, so the slide always ends.
TEST(PencereYerlesimi, StartPositionAndSlide)
{
    using namespace PencereYerlesimi;
    const int t = 15;
    const QSize ekran{1920, 1080}, pencere{242, 341};
    // clang-format off
    const QRect alt(0, 0, 1920, 1040), ust(0, 30, 1920, 1050), a64(0, 0, 1920, 1016); // pixels
    const std::tuple<QRect, std::optional<int>, std::optional<int>> durumlar[] = {
        {alt, {}, {}}, {ust, {}, {}}, {a64, {}, {}}, {QRect(0, 0, 1856, 1080), {}, {}},
        {a64, 1500, {}}, {a64, {}, 680 * t}, {ust, -50, -1}, {a64, ekran.width() * t + 10, 99999}};
    // clang-format on
    QStringList yer;
    for (const auto& [s, x, y] : durumlar) {
        const QPoint k = BaslangicKonumu(ekran, s, pencere, x, y);
        yer << QString("%1,%2").arg(k.x()).arg(k.y());
    }
    EXPECT_EQ(yer.join(' '), "1671,692 1671,692 1671,675 1614,692 100,675 1671,680 0,0 1678,739");
    QList<int> yol;
    for (KaydirmaAdimi a{KaydirmaBaslangici, true}; a.DevamEder && yol.size() < 60;)
        yol << (a = Kaydir(a.Ust)).Ust;
    EXPECT_EQ(yol.mid(0, 5), (QList<int>{800, 640, 512, 410, 328}));
    EXPECT_TRUE(yol.size() < 60 && yol.last() == 0);
    for (const int kalan : {2, 3, 0, -40, 62})
        yol << Kaydir(kalan).Ust << Kaydir(kalan).DevamEder;
    EXPECT_EQ(yol.mid(yol.size() - 10), (QList<int>{0, 0, 2, 1, 0, 0, 0, 0, 50, 1}));
}

} // namespace
