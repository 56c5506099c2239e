// What the main window does for the logic that reports to it: the regional and general
// settings, the countdown and the add dialog.
#include "shell/gui/AnaForm.h"

#include "controls/gui/Buton.h"
#include "controls/gui/ListBox.h"
#include "locations/KonumDosyasi.h"
#include "locations/gui/EkleForm.h"
#include "notify/gui/MesajForm.h"
#include "platform/gui/SkinResmi.h"
#include "shell/UyariAyarlari.h"
#include "shell/gui/Etiket.h"
#include "shell/gui/MesajKutusu.h"
#include "shell/gui/SayfaBolgesel.h"
#include "shell/gui/SayfaGenel.h"
#include "shell/gui/SayfaVakitler.h"

#include <QFile>
#include <QLabel>
#include <QWindow>

// GenelAyarHedefi --------------------------------------------------------------------------

void AnaForm::FormuGoster(const GenelAyarFormu& form)
{
    if (Sayfa2)
        Sayfa2->FormuGoster(form);
    else
        bekleyenGenelForm_ = form;
    GAyarUstte->setCurrentEvent(form.Ustte);
    ekSimgeGuncel_ = false;
    if (gosterilenSayfa_ == 2)
        EkSimgeOnizlemesi();
}

void AnaForm::EkSimgeOnizlemesi()
{
    // Read again each time the page is shown after an apply, as the file may come later.
    if (ekSimgeGuncel_)
        return;
    ekSimgeGuncel_ = true;
    const QIcon ek(b_.VeriKlasoru + QStringLiteral("eksimge.ico"));
    Sayfa2->GAIcon2->setPixmap(ek.isNull() ? QPixmap() : ek.pixmap(16, 16));
}

void AnaForm::SimgeSec(int secim)
{
    QIcon simge = programSimgesi_;
    if (secim != 1) {
        const QString yol = b_.VeriKlasoru + QStringLiteral("eksimge.ico");
        const QIcon ek(yol);
        // A missing or unreadable file keeps the icon the window has.
        simge = (QFile::exists(yol) && !ek.availableSizes().isEmpty()) ? ek : secilenSimge_;
    }
    secilenSimge_ = simge;
    if (ilkKareSonrasi_)
        setWindowIcon(simge);
    FormIcon->setPixmap(simge.pixmap(16, 16));
    if (mesajForm_)
        mesajForm_->setMesajIcon(simge);
}

void AnaForm::HerZamanUstte(bool acik)
{
    ustte_ = acik;
    if (QWindow* w = windowHandle()) {
        // Changed on the native window directly: QWidget::setWindowFlag would hide the
        // window and create it anew.
        w->setFlag(Qt::WindowStaysOnTopHint, acik);
    } else {
        setWindowFlag(Qt::WindowStaysOnTopHint, acik);
    }
}

void AnaForm::KapatIpucu(const QString& ipucu)
{
    // Without a notification area the button always ends the program.
    BtnKapat->setToolTip(tepsiVar_ ? ipucu : QStringLiteral("Kapat"));
}

bool AnaForm::OpaklikUygula(double opaklik)
{
    setWindowOpacity(opaklik);
    return true;
}

// BolgeselAyarHedefi -----------------------------------------------------------------------

// Until page 1 is built, its list and its controls are kept here: the rows, the active row
// (nothing can be selected on a page never shown) and the form.

void AnaForm::setListeSecili(int konum)
{
    if (Sayfa1)
        Sayfa1->Db->setSelectedItem(konum);
}

void AnaForm::ListeyiDoldur(clsFastCollection& satirlar)
{
    if (Sayfa1) {
        Sayfa1->ListeyiDoldur(satirlar, bolgesel_.Konum);
        return;
    }
    bekleyenSatirlar_ = std::move(satirlar);
    satirlar = clsFastCollection();
    bekleyenAktif_ = KonumListesi::SatirBul(bekleyenSatirlar_, bolgesel_.Konum);
}

int AnaForm::ListeSecili() const
{
    return Sayfa1 ? Sayfa1->SeciliSatir() : 0;
}

int AnaForm::ListeAktif() const
{
    return Sayfa1 ? Sayfa1->Db->Aktif() : bekleyenAktif_;
}

void AnaForm::setListeAktif(int konum)
{
    if (Sayfa1)
        Sayfa1->Db->setAktif(konum);
    else
        bekleyenAktif_ = bekleyenSatirlar_.Item(konum) ? konum : 0;
}

const vkListItem* AnaForm::ListeSatiri(int konum) const
{
    return Sayfa1 ? Sayfa1->Konumlar.Item(konum) : bekleyenSatirlar_.Item(konum);
}

BolgeselAyarFormu AnaForm::FormuOku() const
{
    return Sayfa1 ? Sayfa1->FormuOku() : bekleyenBolgeselForm_;
}

void AnaForm::FormuGoster(const BolgeselAyarFormu& form)
{
    if (Sayfa1)
        Sayfa1->FormuGoster(form);
    else
        bekleyenBolgeselForm_ = form;
}

void AnaForm::YerGoster(const QString& ulke, const QString& sehir, const QString& ipucu)
{
    LUlke->setText(ulke);
    LUlke->setToolTip(ulke);
    LSehir->setText(sehir);
    LSehir->setToolTip(ipucu);
    UstPaneliYerlestir();
}

void AnaForm::EzanDugmesi(bool etkin)
{
    BtnEzan->setButtonEvents(etkin ? 1 : 2);
    BtnEzan->setCurrentEvent(etkin ? 0 : 2);
}

void AnaForm::Uyar(const QString& baslik, const QString& metin)
{
    b_.Mesaj->Goster(this, MesajKutusu::Simge::Yok, baslik, metin);
}

bool AnaForm::Onayla(const QString& baslik, const QString& metin)
{
    return b_.Mesaj->Sor(this, baslik, metin);
}

void AnaForm::UyariyiSifirla()
{
    sayac_.AyarlariUygula(bolgesel_.Uyarilar);
    sayac_.UyariyiSifirla();
}

// EkleHedefi -------------------------------------------------------------------------------

Sonuc<> AnaForm::KonumEkle(const EkleGirdisi& girdi)
{
    KonumDosyasi dosya = Yerler();
    Sonuc<> e = bolgesel_.KonumEkle(dosya, girdi);
    if (e)
        return e;
    if (e.Neden<KonumDosyasiNedeni>() == KonumDosyasiNedeni::DosyaYok) {
        // As at start: without data.db the program cannot go on.
        DosyaMesaji(e.Hatasi());
        Cikis();
        return e;
    }
    b_.Mesaj->Goster(ekleForm_.get(), MesajKutusu::Simge::Yok, UygulamaBasligi(), e.Mesaj());
    return e;
}

// GeriSayimHedefi --------------------------------------------------------------------------

void AnaForm::KalanGoster(const QString& kalan, const QString& ipucu)
{
    if (Sayfa0->LKalan->text() != kalan)
        Sayfa0->LKalan->setText(kalan);
    if (Sayfa0->LKalan->toolTip() != ipucu)
        Sayfa0->LKalan->setToolTip(ipucu);
}

void AnaForm::SaatGoster(const QString& saat)
{
    LTSaat->setText(saat);
}

void AnaForm::VakitDegisti(int satir, const QString& vakitMetni, const QString& sonrakiMetni)
{
    Sayfa0->LVakit->setText(vakitMetni);
    Sayfa0->LSonrakiVakit->setText(sonrakiMetni);
    Sayfa0->VurguyuTasi(satir);
}

void AnaForm::UyariGoster(const QString& oncu, const QString& sure, const QString& son)
{
    // A warning due at start rises once the window is on the screen.
    if (!ilkKareSonrasi_)
        bekleyenUyari_ = {oncu, sure, son};
    else
        emit UyariIstendi(oncu, sure, son);
}

void AnaForm::SesCal(const QString& yol, SesTuru tur)
{
    // Each sound starts a player program: not before the first frame, which it would slow.
    if (!ilkKareSonrasi_)
        bekleyenSesler_.emplace_back(yol, tur);
    else
        ses_.FModPlay(yol, tur);
}

void AnaForm::GunDegisti(const QDateTime& simdi)
{
    seciliTarih_ = simdi;
    Hesapla();
}
