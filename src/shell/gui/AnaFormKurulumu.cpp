// The main window's controls: where each stands, its pictures, and what its events call.
#include "shell/gui/AnaForm.h"

#include "controls/gui/Buton.h"
#include "controls/gui/ListeGorunumu.h"
#include "locations/KonumModeli.h"
#include "locations/gui/EkleForm.h"
#include "notify/gui/MesajForm.h"
#include "notify/gui/NotifyIcon.h"
#include "notify/gui/TepsiMenusu.h"
#include "platform/WebAdresleri.h"
#include "shell/gui/DugmeResimleri.h"
#include "shell/gui/Etiket.h"
#include "shell/gui/SayfaBolgesel.h"
#include "shell/gui/SayfaDiniGunler.h"
#include "shell/gui/SayfaGenel.h"
#include "shell/gui/SayfaHakkinda.h"
#include "shell/gui/SayfaVakitler.h"

#include <QLineEdit>
#include <QRadioButton>

#include <utility>

void AnaForm::KontrolleriKur()
{
    FormIcon = new QLabel(this);
    FormIcon->setGeometry(9, 9, 16, 16);
    FormIcon->setPixmap(programSimgesi_.pixmap(16, 16));

    GAyarUstte = new Buton(this);
    DugmeResimleri::Yukle(*GAyarUstte, QStringLiteral("ustte"), 2);
    GAyarUstte->setButtonEvents(1);
    GAyarUstte->setOtoEventChange(true);
    GAyarUstte->setCheckable(true);
    GAyarUstte->setGeometry(188, 6, 24, 24);
    GAyarUstte->setToolTip(QStringLiteral("Her Zaman Üstte"));

    BtnKapat = new Buton(this);
    DugmeResimleri::Yukle(*BtnKapat, QStringLiteral("kapat"));
    BtnKapat->setGeometry(212, 6, 24, 24);
    BtnKapat->setToolTip(QStringLiteral("Gizle"));

    LUlke = new Etiket(QStringLiteral("Türkiye"), this, 12);
    LUlke->Yerlestir(12, 40, 130, 16);
    LUlke->Tiklanabilir();
    LSehir = new Etiket(QStringLiteral("İstanbul"), this, 16, true);
    LSehir->Yerlestir(12, 56, 128, 22);
    LSehir->Tiklanabilir();
    LTMiladi = new Etiket(QStringLiteral("01 Ocak 2009"), this, 10);
    LTMiladi->Yerlestir(131, 42, 100, 14);
    LTMiladi->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LTMiladi->Tiklanabilir();
    LTHicri = new Etiket(QStringLiteral("01 Muharrem 1430"), this, 10);
    LTHicri->Yerlestir(131, 60, 100, 14);
    LTHicri->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LTHicri->Tiklanabilir();
    // The clock shares its design place with the Hijri date; the date wins the place and the
    // clock is kept up to date behind it, hidden.
    LTSaat = new Etiket(QStringLiteral("Saat : 00:00"), this, 11);
    LTSaat->Yerlestir(172, 60, 59, 14);
    LTSaat->hide();

    SayfaAlani = new QWidget(this);
    SayfaAlani->setGeometry(8, 92, 226, 205);
    VakitlerSayfasi = new SayfaVakitler(SayfaAlani);
    VakitlerSayfasi->setGeometry(0, 0, 226, 205);
    Sayfalar = {VakitlerSayfasi, nullptr, nullptr, nullptr, nullptr};

    static const char* const sekmeler[SayfaSayisi] = {
        "sekme_vakitler", "sekme_bolgesel", "sekme_genel", "sekme_hakkinda", "sekme_dinigunler"};
    static const char* const ipuclari[SayfaSayisi] = {"Namaz Vakitleri", "Bölgesel Ayarlar",
                                                      "Genel Ayarlar", "Dax Orvanel Hakkında",
                                                      "Dini Günler"};
    static const int soller[SayfaSayisi] = {4, 42, 80, 118, 156};
    for (int i = 0; i < SayfaSayisi; ++i) {
        SekmeDugmeleri[i] = new Buton(this);
        DugmeResimleri::Yukle(*SekmeDugmeleri[i], QString::fromLatin1(sekmeler[i]), 2);
        SekmeDugmeleri[i]->setButtonEvents(1);
        SekmeDugmeleri[i]->setCheckable(true); // checked: the page shown
        SekmeDugmeleri[i]->setCurrentEvent(i == 0 ? 1 : 0);
        SekmeDugmeleri[i]->setGeometry(soller[i], 298, 38, 38);
        SekmeDugmeleri[i]->setToolTip(QString::fromUtf8(ipuclari[i]));
        connect(SekmeDugmeleri[i], &Buton::clicked, this, [this, i] { program_.SayfaAc(i); });
    }

    BtnEzan = new Buton(this);
    DugmeResimleri::Yukle(*BtnEzan, QStringLiteral("ezan"), 3);
    BtnEzan->setButtonEvents(1);
    BtnEzan->setCheckable(true); // checked while a sound plays
    BtnEzan->setGeometry(204, 304, 28, 28);
}

void AnaForm::KontrolleriBagla()
{
    connect(GAyarUstte, &Buton::clicked, this, [this] {
        program_.UstteTiklandi(GAyarUstte->CurrentEvent());
        GAyarUstte->setCurrentEvent(program_.Genel().HerZamanUstte ? 1 : 0);
    });
    connect(BtnKapat, &Buton::clicked, &program_, &Program::KapatTiklandi);
    connect(BtnEzan, &Buton::clicked, this,
            [this] { program_.EzanTiklandi(BtnEzan->ButtonEvents()); });

    connect(LUlke, &Etiket::Tiklandi, this, [this] { program_.SayfaAc(1); });
    connect(LSehir, &Etiket::Tiklandi, this, [this] { program_.SayfaAc(1); });
    connect(LTMiladi, &Etiket::Tiklandi, this, &AnaForm::TarihCercevesiniAc);
    connect(LTHicri, &Etiket::Tiklandi, this, &AnaForm::TarihCercevesiniAc);
}

void AnaForm::TepsiyiKur()
{
    TepsiSimge = new NotifyIcon(this, b_.Tepsi);
    TepsiSimge->setToolTip(Program::Baslik());
    connect(TepsiSimge, &NotifyIcon::Click, this, [this] {
        program_.SayfaAc(0);
        program_.Goster();
    });
    // A double click needs nothing more: its clicks have shown the window. The icon pops its
    // menu up itself.
    menu_ = std::make_unique<TepsiMenusu>(program_);
    TepsiSimge->setContextMenu(menu_->Menu());
}

void AnaForm::BildirimPencereleriniKur()
{
    if (mesajForm_)
        return;
    mesajForm_ = std::make_unique<MesajForm>(&program_);
    menu_->setMesajForm(mesajForm_.get());
    mesajForm_->setMesajIcon(secilenSimge_);
    mesajForm_->Park();
    connect(this, &AnaForm::UyariIstendi, mesajForm_.get(), &MesajForm::Goster);
}

MesajForm* AnaForm::Mesaj()
{
    BildirimPencereleriniKur();
    return mesajForm_.get();
}

void AnaForm::SayfalariKur()
{
    if (BolgeselSayfa)
        return;
    // The standard controls of these pages (line edits, a combo box, check boxes) set up the
    // widget style: worth it only once the first frame is on the screen.
    BolgeselSayfa = new SayfaBolgesel(SayfaAlani);
    GenelSayfa = new SayfaGenel(SayfaAlani);
    HakkindaSayfasi = new SayfaHakkinda(SayfaAlani, WebAdresleri::Host(WebAdresleri::Yapimci()),
                                        WebAdresleri::Host(WebAdresleri::Urun()));
    DiniGunlerSayfasi = new SayfaDiniGunler(SayfaAlani);
    Sayfalar = {VakitlerSayfasi, BolgeselSayfa, GenelSayfa, HakkindaSayfasi, DiniGunlerSayfasi};
    for (int i = 1; i < SayfaSayisi; ++i) {
        Sayfalar[i]->setGeometry(0, 0, 226, 205);
        Sayfalar[i]->setVisible(program_.GosterilenSayfa() == i);
    }
    GenelSayfa->GAIcon1->setPixmap(programSimgesi_.pixmap(16, 16));

    BolgeselSayfa->FormuGoster(bekleyenBolgeselForm_);
    BolgeselSayfa->Konumlar->setSatirlar(std::exchange(bekleyenSatirlar_, {}));
    BolgeselSayfa->Db->setAktif(bekleyenAktif_);
    GenelSayfa->FormuGoster(bekleyenGenelForm_);
    if (program_.GosterilenSayfa() == 2)
        EkSimgeOnizlemesi();
    if (dinigunler_.Yil)
        DiniGunlerSayfasi->Goster(dinigunler_.Yil, dinigunler_.HicriGun, dinigunler_.Bugun);

    connect(BolgeselSayfa->BtnBolgeKaydet, &Buton::clicked, &program_,
            &Program::BolgeKaydetTiklandi);
    connect(BolgeselSayfa->BtnSehirEkle, &Buton::clicked, this, &AnaForm::EkleFormunuAc);
    connect(BolgeselSayfa->Db, &ListeGorunumu::aktifSecildi, &program_,
            &Program::ListeAktifSecildi);

    connect(GenelSayfa->BtnAyarKaydet, &Buton::clicked, this, [this] {
        program_.AyarKaydetTiklandi(GenelSayfa->FormuOku(GAyarUstte->CurrentEvent()));
    });
    // The step buttons act on pressing, not on release.
    connect(GenelSayfa->BtnArti, &Buton::pressed, this, [this] {
        GenelSayfa->GAyarSeffaf->setText(
            program_.Genel().ArtiBasildi(GenelSayfa->GAyarSeffaf->text()));
    });
    connect(GenelSayfa->BtnEksi, &Buton::pressed, this, [this] {
        GenelSayfa->GAyarSeffaf->setText(
            program_.Genel().EksiBasildi(GenelSayfa->GAyarSeffaf->text()));
    });
    connect(GenelSayfa->GAyarIcon1, &QRadioButton::clicked, this, [this] { SimgeSec(1); });
    connect(GenelSayfa->GAyarIcon2, &QRadioButton::clicked, this, [this] { SimgeSec(2); });

    connect(HakkindaSayfasi->LDaxGrup, &Etiket::Tiklandi, &program_, &Program::YapimciSayfasiniAc);
    connect(HakkindaSayfasi->LDetayliBilgi, &Etiket::Tiklandi, &program_,
            &Program::YardimSayfasiniAc);
}
