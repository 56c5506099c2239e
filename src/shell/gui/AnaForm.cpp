#include "shell/gui/AnaForm.h"

#include "controls/gui/Buton.h"
#include "controls/gui/ListeGorunumu.h"
#include "engine/TarihSecimi.h"
#include "engine/VakitSonucu.h"
#include "locations/KonumModeli.h"
#include "locations/gui/EkleForm.h"
#include "notify/gui/MesajForm.h"
#include "notify/gui/NotifyIcon.h"
#include "notify/gui/TepsiMenusu.h"
#include "platform/gui/SkinResmi.h"
#include "platform/gui/YuvarlakSekil.h"
#include "shell/gui/DugmeResimleri.h"
#include "shell/gui/ErisimDuzeni.h"
#include "shell/gui/Etiket.h"
#include "shell/gui/MesajKutusu.h"
#include "shell/gui/SayfaBolgesel.h"
#include "shell/gui/SayfaDiniGunler.h"
#include "shell/gui/SayfaGenel.h"
#include "shell/gui/SayfaVakitler.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QUrl>
#include <QWindow>

AnaForm::AnaForm(const AnaFormBaglami& baglam, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), b_(baglam), program_(baglam, *this)
{
    setWindowTitle(Program::Baslik());
    setFixedSize(Genislik, Yukseklik);
    // The window's icon of every size is set after the first frame; the title strip's 16-pixel
    // picture is all the frame shows.
    programSimgesi_ = SkinResmi::programSimgesi();
    secilenSimge_ = programSimgesi_;
    arkaplan_ = SkinResmi::yukle(QStringLiteral("ana_arkaplan"));

    KontrolleriKur();
    KontrolleriBagla();
    new ErisimDuzeni(*this);
    TepsiyiKur();
    setMask(YuvarlakSekil(size()));
}

AnaForm::~AnaForm() = default;

// The window -------------------------------------------------------------------------------

AnaFormHedefi::Ekran AnaForm::EkranAlani() const
{
    const QScreen* ekran = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect tum = ekran ? ekran->geometry() : QRect(0, 0, 1024, 768);
    return {tum, ekran ? ekran->availableGeometry() : tum};
}

void AnaForm::PencereyiTasi(QPoint konum)
{
    move(konum);
}

void AnaForm::PencereyiGoster()
{
    show();
    raise();
    activateWindow();
}

void AnaForm::PencereyiGizle()
{
    hide();
}

void AnaForm::PencereyiKapat()
{
    close();
}

void AnaForm::HerZamanUstte(bool acik)
{
    if (QWindow* w = windowHandle()) {
        // Changed on the native window directly: QWidget::setWindowFlag would hide the
        // window and create it anew.
        w->setFlag(Qt::WindowStaysOnTopHint, acik);
    } else {
        setWindowFlag(Qt::WindowStaysOnTopHint, acik);
    }
}

bool AnaForm::TepsiAlaniVar() const
{
    return TepsiSimge->AlanVar();
}

void AnaForm::TepsiyiGoster()
{
    TepsiSimge->Show();
}

void AnaForm::TepsiyiGizle()
{
    TepsiSimge->Hide();
}

void AnaForm::Uyar(const QString& baslik, const QString& metin)
{
    // Over the add dialog while it is open: the user is working there.
    QWidget* sahip =
        ekleForm_ && ekleForm_->isVisible() ? static_cast<QWidget*>(ekleForm_.get()) : this;
    b_.Mesaj->Goster(sahip, MesajKutusu::Simge::Yok, baslik, metin);
}

void AnaForm::DurdurucuMesaj(const QString& baslik, const QString& metin)
{
    b_.Mesaj->Goster(this, MesajKutusu::Simge::Dur, baslik, metin);
}

bool AnaForm::Onayla(const QString& baslik, const QString& metin)
{
    return b_.Mesaj->Sor(this, baslik, metin);
}

void AnaForm::IlkKareSonrasiKur()
{
    ilkKareSonrasi_ = true;
    setWindowIcon(secilenSimge_);
    DugmeResimleri::Tamamla();
    BildirimPencereleriniKur();
    SayfalariKur();
}

void AnaForm::AdresAc(const QString& adres)
{
    // A browser that cannot be started must not end the program: the result is ignored.
    QDesktopServices::openUrl(QUrl(adres));
}

// Pages ------------------------------------------------------------------------------------

void AnaForm::SayfaGoster(int sayfa, int ust)
{
    if (sayfa > 0)
        SayfalariKur();
    for (int i = 0; i < SayfaSayisi; ++i)
        SekmeDugmeleri[i]->setCurrentEvent(i == sayfa ? 1 : 0);
    for (int i = 0; i < SayfaSayisi; ++i) {
        if (i == sayfa) {
            Sayfalar[i]->move(0, ust);
            Sayfalar[i]->show();
        } else if (Sayfalar[i]) {
            Sayfalar[i]->hide();
        }
    }
    if (sayfa == 1)
        BolgeselSayfa->SehirAra->setFocus(Qt::OtherFocusReason);
    if (sayfa == 2)
        EkSimgeOnizlemesi();
}

void AnaForm::SayfaKaydir(int sayfa, int ust)
{
    if (sayfa >= 0 && sayfa < SayfaSayisi && Sayfalar[sayfa])
        Sayfalar[sayfa]->move(0, ust);
}

void AnaForm::DiniGunleriGoster(int yil, int hicriGun, const QDate& bugun)
{
    dinigunler_ = {yil, hicriGun, bugun};
    if (DiniGunlerSayfasi)
        DiniGunlerSayfasi->Goster(yil, hicriGun, bugun);
}

// What the program shows -------------------------------------------------------------------

void AnaForm::VakitleriGoster(const VakitSonucu& s)
{
    for (int i = 0; i < 6; ++i)
        VakitlerSayfasi->Degerler[i]->setText(s.Metinler[i]);
    LTMiladi->setText(s.Miladi);
    LTHicri->setText(s.Hicri);
    UstPaneliYerlestir();
}

void AnaForm::UstPaneliYerlestir()
{
    // Each date shares a line with a place: the date keeps its whole text at the right, the
    // place gets what is left and a smaller font when its name is long.
    const int sag = 231;
    auto yerlestir = [sag](Etiket* tarih, int tarihUst, int tarihEnAz, Etiket* yer, int yerUst,
                           int yerYuksek, int enBuyuk, int enKucuk) {
        const int g =
            std::max(tarih->fontMetrics().horizontalAdvance(tarih->text()) + 2, tarihEnAz);
        tarih->setGeometry(sag - g, tarihUst, g, 14);
        const int genislik = tarih->x() - 4 - 12;
        QFont f = yer->font();
        for (int boy = enBuyuk; boy >= enKucuk; --boy) {
            f.setPixelSize(boy);
            if (QFontMetrics(f).horizontalAdvance(yer->text()) <= genislik)
                break;
        }
        yer->setFont(f);
        yer->setGeometry(12, yerUst, genislik, yerYuksek);
    };
    yerlestir(LTMiladi, 42, 67, LUlke, 40, 16, 12, 9);
    yerlestir(LTHicri, 60, 90, LSehir, 56, 22, 16, 11);
}

void AnaForm::KalanGoster(const QString& kalan, const QString& ipucu)
{
    Etiket* l = VakitlerSayfasi->LKalan;
    if (l->text() != kalan)
        l->setText(kalan);
    if (l->toolTip() != ipucu)
        l->setToolTip(ipucu);
}

void AnaForm::SaatGoster(const QString& saat)
{
    LTSaat->setText(saat);
}

void AnaForm::VakitDegisti(int satir, const QString& vakitMetni, const QString& sonrakiMetni)
{
    VakitlerSayfasi->LVakit->setText(vakitMetni);
    VakitlerSayfasi->LSonrakiVakit->setText(sonrakiMetni);
    VakitlerSayfasi->VurguyuTasi(satir);
}

void AnaForm::UyariGoster(const QString& oncu, const QString& sure, const QString& son)
{
    BildirimPencereleriniKur();
    emit UyariIstendi(oncu, sure, son);
}

void AnaForm::EzanDurumu(int currentEvent)
{
    BtnEzan->setCurrentEvent(currentEvent);
}

void AnaForm::SessizEtkin(bool etkin)
{
    if (menu_)
        menu_->SessizEtkin(etkin);
}

// The general settings page ----------------------------------------------------------------

void AnaForm::FormuGoster(const GenelAyarFormu& form)
{
    if (GenelSayfa)
        GenelSayfa->FormuGoster(form);
    else
        bekleyenGenelForm_ = form;
    GAyarUstte->setCurrentEvent(form.Ustte);
    ekSimgeGuncel_ = false;
    if (program_.GosterilenSayfa() == 2)
        EkSimgeOnizlemesi();
}

void AnaForm::EkSimgeOnizlemesi()
{
    // Read again each time the page is shown after an apply, as the file may come later.
    if (ekSimgeGuncel_ || !GenelSayfa)
        return;
    ekSimgeGuncel_ = true;
    const QIcon ek(program_.VeriKlasoru() + QStringLiteral("eksimge.ico"));
    GenelSayfa->GAIcon2->setPixmap(ek.isNull() ? QPixmap() : ek.pixmap(16, 16));
}

void AnaForm::SimgeSec(int secim)
{
    QIcon simge = programSimgesi_;
    if (secim != 1) {
        const QString yol = program_.VeriKlasoru() + QStringLiteral("eksimge.ico");
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

void AnaForm::KapatIpucu(const QString& ipucu)
{
    BtnKapat->setToolTip(ipucu);
}

bool AnaForm::OpaklikUygula(double opaklik)
{
    setWindowOpacity(opaklik);
    return true;
}

// The regional settings page and the place list --------------------------------------------

// Until page 1 is built, its list and its controls are kept here: the rows, the active row
// (nothing can be selected on a page never shown) and the form.

void AnaForm::setListeGecerli(int satir)
{
    if (BolgeselSayfa)
        BolgeselSayfa->Db->setGecerliSatir(satir);
}

void AnaForm::ListeyiDoldur(KonumSatirlari satirlar)
{
    if (BolgeselSayfa) {
        BolgeselSayfa->ListeyiDoldur(std::move(satirlar), program_.Bolgesel().Konum);
        return;
    }
    bekleyenSatirlar_ = std::move(satirlar);
    bekleyenAktif_ = bekleyenSatirlar_.SeciliKonumBul(program_.Bolgesel().Konum);
}

int AnaForm::ListeSecili() const
{
    // Only a row the user sees selected counts: a search that found nothing leaves the
    // current row where it was, unselected.
    return BolgeselSayfa ? BolgeselSayfa->Db->SeciliSatir() : -1;
}

int AnaForm::ListeAktif() const
{
    return BolgeselSayfa ? BolgeselSayfa->Db->Aktif() : bekleyenAktif_;
}

void AnaForm::setListeAktif(int satir)
{
    if (BolgeselSayfa)
        BolgeselSayfa->Db->setAktif(satir);
    else
        bekleyenAktif_ = satir >= 0 && satir < bekleyenSatirlar_.size() ? satir : -1;
}

const KonumKaydi* AnaForm::ListeSatiri(int satir) const
{
    const KonumSatirlari& satirlar =
        BolgeselSayfa ? BolgeselSayfa->Konumlar->Satirlar() : bekleyenSatirlar_;
    return satir >= 0 && satir < satirlar.size() ? &satirlar.at(satir) : nullptr;
}

BolgeselAyarFormu AnaForm::FormuOku() const
{
    return BolgeselSayfa ? BolgeselSayfa->FormuOku() : bekleyenBolgeselForm_;
}

void AnaForm::FormuGoster(const BolgeselAyarFormu& form)
{
    if (BolgeselSayfa)
        BolgeselSayfa->FormuGoster(form);
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

// The add dialog and the date entry --------------------------------------------------------

void AnaForm::EkleFormunuAc()
{
    // Built when first asked for: it costs start-up time (its pictures, its network sender)
    // that most runs never use.
    if (!ekleForm_)
        ekleForm_ = std::make_unique<EkleForm>(program_.Bolgesel(), this);
    ekleForm_->Ac();
}

void AnaForm::EkleFormunuKapat()
{
    if (ekleForm_)
        ekleForm_->Kapat();
}

void AnaForm::TarihCercevesiniAc()
{
    // The panel lives on page 0: from another page, that page comes first.
    if (program_.GosterilenSayfa() != 0)
        program_.SayfaAc(0);
    SayfaVakitler* s = VakitlerSayfasi;
    if (s->TarihCercevesiKur()) {
        connect(s->BtnTarihSec, &Buton::clicked, this, &AnaForm::TarihSecildi);
        connect(s->TarihSec, &QLineEdit::returnPressed, this, &AnaForm::TarihSecildi);
        connect(s->BtnBugun, &Buton::clicked, this, &AnaForm::BuguneDon);
    }
    s->TarihSec->setText(KisaTarihMetni(program_.SeciliTarih(), QLocale()));
    s->TarihSecFrame->show();
    s->TarihSecFrame->raise();
    s->TarihSec->setFocus(Qt::OtherFocusReason);
}

void AnaForm::TarihSecildi()
{
    if (program_.TarihSec(VakitlerSayfasi->TarihSec->text()))
        VakitlerSayfasi->TarihSecFrame->hide();
}

void AnaForm::BuguneDon()
{
    program_.BugunuSec();
    VakitlerSayfasi->TarihSec->setText(KisaTarihMetni(program_.SeciliTarih(), QLocale()));
    VakitlerSayfasi->TarihSecFrame->hide();
}

// Window events ----------------------------------------------------------------------------

void AnaForm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, arkaplan_);
    program_.IlkKareCizildi();
}

void AnaForm::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    program_.PencereGosterildi();
}

void AnaForm::closeEvent(QCloseEvent* e)
{
    if (program_.Kapandi()) {
        e->accept();
        return;
    }
    // A close from outside (the window manager) acts as the close button.
    e->ignore();
    program_.KapatTiklandi();
}
