// The main window's controls: where each stands, its pictures, and what its events call.
#include "shell/gui/AnaForm.h"

#include "controls/gui/Buton.h"
#include "controls/gui/ListBox.h"
#include "locations/gui/EkleForm.h"
#include "notify/gui/MenuForm.h"
#include "notify/gui/MesajForm.h"
#include "notify/gui/NotifyIcon.h"
#include "platform/WebAdresleri.h"
#include "shell/gui/DugmeResimleri.h"
#include "shell/gui/Etiket.h"
#include "shell/gui/SayfaBolgesel.h"
#include "shell/gui/SayfaDiniGunler.h"
#include "shell/gui/SayfaGenel.h"
#include "shell/gui/SayfaHakkinda.h"
#include "shell/gui/SayfaVakitler.h"

#include <QCursor>
#include <QLineEdit>
#include <QRadioButton>

void AnaForm::KontrolleriKur()
{
    FormIcon = new QLabel(this);
    FormIcon->setGeometry(9, 9, 16, 16);
    FormIcon->setPixmap(programSimgesi_.pixmap(16, 16));

    GAyarUstte = new Buton(this);
    DugmeResimleri::Yukle(*GAyarUstte, QStringLiteral("ustte"), 2);
    GAyarUstte->setButtonEvents(1);
    GAyarUstte->setOtoEventChange(true);
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

    TabCon = new QWidget(this);
    TabCon->setGeometry(8, 92, 226, 205);
    Sayfa0 = new SayfaVakitler(TabCon);
    Sayfa0->setGeometry(0, 0, 226, 205);
    TabSayfa = {Sayfa0, nullptr, nullptr, nullptr, nullptr};

    static const char* const sekmeler[SayfaSayisi] = {
        "sekme_vakitler", "sekme_bolgesel", "sekme_genel", "sekme_hakkinda", "sekme_dinigunler"};
    static const char* const ipuclari[SayfaSayisi] = {"Namaz Vakitleri", "Bölgesel Ayarlar",
                                                      "Genel Ayarlar", "Dax Orvanel Hakkında",
                                                      "Dini Günler"};
    static const int soller[SayfaSayisi] = {4, 42, 80, 118, 156};
    for (int i = 0; i < SayfaSayisi; ++i) {
        Tablar[i] = new Buton(this);
        DugmeResimleri::Yukle(*Tablar[i], QString::fromLatin1(sekmeler[i]), 2);
        Tablar[i]->setButtonEvents(1);
        Tablar[i]->setCurrentEvent(i == 0 ? 1 : 0);
        Tablar[i]->setGeometry(soller[i], 298, 38, 38);
        Tablar[i]->setToolTip(QString::fromUtf8(ipuclari[i]));
        connect(Tablar[i], &Buton::Click, this, [this, i] { Tablar_Click(i); });
    }

    BtnEzan = new Buton(this);
    DugmeResimleri::Yukle(*BtnEzan, QStringLiteral("ezan"), 3);
    BtnEzan->setButtonEvents(1);
    BtnEzan->setGeometry(204, 304, 28, 28);
}

void AnaForm::SayfalariBagla()
{
    connect(GAyarUstte, &Buton::Click, this, &AnaForm::GAyarUstte_Click);
    connect(BtnKapat, &Buton::Click, this, &AnaForm::BtnKapat_Click);
    connect(BtnEzan, &Buton::Click, this, [this] {
        ses_.BtnEzanTikla(BtnEzan->ButtonEvents(), sayac_.AktifVakitAnahtari(), yollar_);
    });

    connect(LUlke, &Etiket::Tiklandi, this, [this] { Tablar_Click(1); });
    connect(LSehir, &Etiket::Tiklandi, this, [this] { Tablar_Click(1); });
    connect(LTMiladi, &Etiket::Tiklandi, this, &AnaForm::TarihEtiketiTiklandi);
    connect(LTHicri, &Etiket::Tiklandi, this, &AnaForm::TarihEtiketiTiklandi);
}

void AnaForm::BildirimleriKur()
{
    TepsiSimge = new NotifyIcon(this, b_.Tepsi);
    connect(TepsiSimge, &NotifyIcon::Click, this, [this] {
        Tablar_Click(0);
        Goster();
    });
    // The window hides itself by visibility and is never held by the icon, so this shows
    // nothing by itself; the clicks of the double-click already did.
    connect(TepsiSimge, &NotifyIcon::DblClick, this, [this] { TepsiSimge->Restore(true); });
    connect(TepsiSimge, &NotifyIcon::ContextMenu, this, [this] {
        TepsiSimge->SetForeground(this);
        Menu()->Ac(QCursor::pos());
    });

    // The dialog is built when first asked for: it costs start-up time (its pictures, its
    // network sender) that most runs never use. Closing a dialog never made closes nothing.
    connect(this, &AnaForm::SehirEkleIstendi, this, [this] {
        if (!ekleForm_)
            ekleForm_ = std::make_unique<EkleForm>(*this, this);
        ekleForm_->Ac();
    });
    connect(this, &AnaForm::EkleFormKapatIstendi, this, [this] {
        if (ekleForm_)
            ekleForm_->Kapat();
    });
}

void AnaForm::BildirimPencereleriniKur()
{
    if (mesajForm_)
        return;
    mesajForm_ = std::make_unique<MesajForm>(this);
    menu_ = std::make_unique<MenuForm>(*this);
    menu_->setMesajForm(mesajForm_.get());
    mesajForm_->setMesajIcon(secilenSimge_);
    mesajForm_->Park();
    connect(&ses_, &SesCalar::SessizEtkin, menu_.get(), &MenuForm::SessizEtkin);
    connect(this, &AnaForm::UyariIstendi, mesajForm_.get(), &MesajForm::Goster);
}

MenuForm* AnaForm::Menu()
{
    BildirimPencereleriniKur();
    return menu_.get();
}

MesajForm* AnaForm::Mesaj()
{
    BildirimPencereleriniKur();
    return mesajForm_.get();
}

void AnaForm::SayfalariKur()
{
    if (Sayfa1)
        return;
    // The standard controls of these pages (line edits, a combo box, check boxes) set up the
    // widget style: worth it only once the first frame is on the screen.
    Sayfa1 = new SayfaBolgesel(TabCon);
    Sayfa2 = new SayfaGenel(TabCon);
    Sayfa3 = new SayfaHakkinda(TabCon, WebAdresleri::Host(WebAdresleri::Yapimci()),
                               WebAdresleri::Host(WebAdresleri::Urun()));
    Sayfa4 = new SayfaDiniGunler(TabCon);
    TabSayfa = {Sayfa0, Sayfa1, Sayfa2, Sayfa3, Sayfa4};
    for (int i = 1; i < SayfaSayisi; ++i) {
        TabSayfa[i]->setGeometry(0, 0, 226, 205);
        TabSayfa[i]->setVisible(gosterilenSayfa_ == i);
    }
    Sayfa2->GAIcon1->setPixmap(programSimgesi_.pixmap(16, 16));

    Sayfa1->FormuGoster(bekleyenBolgeselForm_);
    Sayfa1->Konumlar.Doldur(bekleyenSatirlar_);
    Sayfa1->Db->KaynakDegisti();
    Sayfa1->Db->setAktif(bekleyenAktif_);
    Sayfa2->FormuGoster(bekleyenGenelForm_);
    if (gosterilenSayfa_ == 2)
        EkSimgeOnizlemesi();
    DiniGunleriGoster();

    connect(Sayfa1->BtnBolgeKaydet, &Buton::Click, this, &AnaForm::BtnBolgeKaydet_Click);
    connect(Sayfa1->BtnSehirEkle, &Buton::Click, this, &AnaForm::SehirEkleIstendi);
    connect(Sayfa1->Db, &ListBox::AktifChange, this, [this](int aktif) {
        // Db_AktifChange: a double-click chooses and stores the row at once. Clearing the
        // list also reports 0, which is no choice.
        if (aktif > 0)
            (void)bolgesel_.BolgeselAyarKaydet();
    });

    connect(Sayfa2->BtnAyarKaydet, &Buton::Click, this, &AnaForm::BtnAyarKaydet_Click);
    // The step buttons act on pressing, not on release.
    connect(Sayfa2->BtnArti, &Buton::MouseDown, this, [this](Qt::MouseButton tus, auto, int, int) {
        if (tus == Qt::LeftButton)
            Sayfa2->GAyarSeffaf->setText(genel_.ArtiBasildi(Sayfa2->GAyarSeffaf->text()));
    });
    connect(Sayfa2->BtnEksi, &Buton::MouseDown, this, [this](Qt::MouseButton tus, auto, int, int) {
        if (tus == Qt::LeftButton)
            Sayfa2->GAyarSeffaf->setText(genel_.EksiBasildi(Sayfa2->GAyarSeffaf->text()));
    });
    connect(Sayfa2->GAyarIcon1, &QRadioButton::clicked, this, [this] { SimgeSec(1); });
    connect(Sayfa2->GAyarIcon2, &QRadioButton::clicked, this, [this] { SimgeSec(2); });

    connect(Sayfa3->LDaxGrup, &Etiket::Tiklandi, this,
            [this] { OpenURL(WebAdresleri::Yapimci()); });
    connect(Sayfa3->LDetayliBilgi, &Etiket::Tiklandi, this, [this] {
        OpenURL(WebAdresleri::Urun() +
                QStringLiteral("/yardim.php?v=%1.%2").arg(SurumAna).arg(SurumAlt));
    });
}
