#include "shell/gui/AnaForm.h"

#include "controls/gui/Buton.h"
#include "controls/gui/ListBox.h"
#include "engine/GunlukHesap.h"
#include "engine/TarihSecimi.h"
#include "locations/KonumDosyasi.h"
#include "locations/gui/EkleForm.h"
#include "notify/gui/MenuForm.h"
#include "notify/gui/MesajForm.h"
#include "notify/gui/NotifyIcon.h"
#include "platform/Saat.h"
#include "platform/Twip.h"
#include "platform/WebAdresleri.h"
#include "platform/YazSaatiKurali.h"
#include "platform/gui/SkinResmi.h"
#include "platform/gui/YuvarlakSekil.h"
#include "shell/PencereYerlesimi.h"
#include "shell/UyariAyarlari.h"
#include "shell/gui/DugmeResimleri.h"
#include "shell/gui/Etiket.h"
#include "shell/gui/MesajKutusu.h"
#include "shell/gui/SayfaBolgesel.h"
#include "shell/gui/SayfaGenel.h"
#include "shell/gui/SayfaHakkinda.h"
#include "shell/gui/SayfaVakitler.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QUrl>
#include <QWindow>

#include <cmath>

namespace {

// The application's own title, for boxes that have no fixed one.
const QString UygulamaBasligi = QStringLiteral("Orvanel");

} // namespace

QString AnaForm::Baslik()
{
    return UygulamaBasligi + QLatin1Char(' ') + WebAdresleri::Host(WebAdresleri::Urun());
}

AnaForm::AnaForm(const AnaFormBaglami& baglam, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), b_(baglam), bolgesel_(depo_, *this),
      genel_(depo_, baglam.Oturum, *this), sayac_(*baglam.SaatKaynagi, gunlukVakitler_, *this),
      ses_(*baglam.Ses, this)
{
    setWindowTitle(Baslik());
    setFixedSize(Genislik, Yukseklik);
    setWindowIcon(SkinResmi::programSimgesi());
    arkaplan_ = SkinResmi::yukle(QStringLiteral("ana_arkaplan"));

    KontrolleriKur();
    SayfalariBagla();
    BildirimleriKur();

    kalanTimer_.setInterval(1000);
    kalanTimer_.setTimerType(Qt::CoarseTimer);
    connect(&kalanTimer_, &QTimer::timeout, this, &AnaForm::KalanTimerTick);
    tepsiTimer_.setInterval(2000);
    connect(&tepsiTimer_, &QTimer::timeout, this, &AnaForm::TepsiyiDene);
    aniTimer_.setInterval(10);
    aniTimer_.setTimerType(Qt::PreciseTimer);
    connect(&aniTimer_, &QTimer::timeout, this, &AnaForm::AniTimerTick);

    connect(&ses_, &SesCalar::EzanDurumu, this, [this](int ce) { BtnEzan->setCurrentEvent(ce); });
    connect(&ses_, &SesCalar::SessizEtkin, this, &AnaForm::SessizEtkin);
}

AnaForm::~AnaForm() = default;

void AnaForm::KontrolleriKur()
{
    FormIcon = new QLabel(this);
    FormIcon->setGeometry(9, 9, 16, 16);
    FormIcon->setPixmap(windowIcon().pixmap(16, 16));

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
    Sayfa1 = new SayfaBolgesel(TabCon);
    Sayfa2 = new SayfaGenel(TabCon);
    Sayfa3 = new SayfaHakkinda(TabCon, WebAdresleri::Host(WebAdresleri::Yapimci()),
                               WebAdresleri::Host(WebAdresleri::Urun()));
    TabSayfa = {Sayfa0, Sayfa1, Sayfa2, Sayfa3};
    for (int i = 0; i < SayfaSayisi; ++i) {
        TabSayfa[i]->setGeometry(0, 0, 226, 205);
        TabSayfa[i]->setVisible(i == 0);
    }
    Sayfa2->GAIcon1->setPixmap(windowIcon().pixmap(16, 16));

    static const char* const sekmeler[SayfaSayisi] = {"sekme_vakitler", "sekme_bolgesel",
                                                      "sekme_genel", "sekme_hakkinda"};
    static const char* const ipuclari[SayfaSayisi] = {"Namaz Vakitleri", "Bölgesel Ayarlar",
                                                      "Genel Ayarlar", "Dax Orvanel Hakkında"};
    static const int soller[SayfaSayisi] = {4, 42, 80, 118};
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

    connect(Sayfa0->BtnTarihSec, &Buton::Click, this, &AnaForm::BtnTarihSec_Click);
    connect(Sayfa0->TarihSec, &QLineEdit::returnPressed, this, &AnaForm::BtnTarihSec_Click);
    connect(Sayfa0->BtnBugun, &Buton::Click, this, &AnaForm::BtnBugun_Click);

    connect(Sayfa1->BtnBolgeKaydet, &Buton::Click, this, &AnaForm::BtnBolgeKaydet_Click);
    connect(Sayfa1->BtnSehirEkle, &Buton::Click, this, &AnaForm::SehirEkleIstendi);
    connect(Sayfa1->Db, &ListBox::AktifChange, this, [this](int aktif) {
        // Db_AktifChange: a double-click chooses and stores the row at once. Clearing the
        // list also reports 0, which is no choice.
        if (aktif > 0)
            bolgesel_.BolgeselAyarKaydet();
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

void AnaForm::BildirimleriKur()
{
    TepsiSimge = new NotifyIcon(this, b_.Tepsi);
    mesajForm_ = std::make_unique<MesajForm>(this);
    menu_ = std::make_unique<MenuForm>(*this);
    menu_->setMesajForm(mesajForm_.get());
    mesajForm_->setMesajIcon(windowIcon());

    connect(TepsiSimge, &NotifyIcon::Click, this, [this] {
        Tablar_Click(0);
        Goster();
    });
    // The window hides itself by visibility and is never held by the icon, so this shows
    // nothing by itself; the clicks of the double-click already did.
    connect(TepsiSimge, &NotifyIcon::DblClick, this, [this] { TepsiSimge->Restore(true); });
    connect(TepsiSimge, &NotifyIcon::ContextMenu, this, [this] {
        TepsiSimge->SetForeground(this);
        menu_->Ac(QCursor::pos());
    });
    connect(&ses_, &SesCalar::SessizEtkin, menu_.get(), &MenuForm::SessizEtkin);
    connect(this, &AnaForm::UyariIstendi, mesajForm_.get(), &MesajForm::Goster);

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

bool AnaForm::Form_Load(const QString& komutSatiri)
{
    TepsiSimge->setToolTip(Baslik());
    tepsiVar_ = TepsiSimge->AlanVar();
    TepsiSimge->Show();
    if (!tepsiVar_)
        tepsiTimer_.start();

    // Position, in twips, from PosX/PosY with the clamps.
    const QScreen* ekran = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize ekranPiksel = ekran ? ekran->geometry().size() : QSize(1024, 768);
    const QPoint ekranKosesi = ekran ? ekran->geometry().topLeft() : QPoint();
    const QPoint konum = PencereYerlesimi::BaslangicKonumu(
        QSize(Twip::TwipX(ekranPiksel.width()), Twip::TwipY(ekranPiksel.height())),
        QSize(Twip::TwipX(Genislik), Twip::TwipY(Yukseklik)),
        depo_.TamsayiVarsa(QStringLiteral("PosX")), depo_.TamsayiVarsa(QStringLiteral("PosY")));
    move(ekranKosesi + QPoint(Twip::PikselX(konum.x()), Twip::PikselY(konum.y())));

    seciliTarih_ = b_.SaatKaynagi->Simdi();
    // The times below are for this day: a first tick on a later one (a message held open
    // across midnight) rolls the day over.
    sayac_.setHesapGunu(seciliTarih_.date());
    Sayfa1->AyarHesap->setCurrentIndex(0);

    yollar_ = SesYollari::Bul(b_.ProgramKlasoru);
    sayac_.SesYollariniAyarla(yollar_);
    const QString eksik = yollar_.EksikMesaji();
    if (!eksik.isEmpty())
        b_.Mesaj->Goster(this, MesajKutusu::Simge::Dur, QString::fromUtf8(SesDosyasiYokBasligi),
                         eksik);

    setMask(YuvarlakSekil(size()));
    mesajForm_->Park();

    bolgesel_.BolgeselAyarUygula();
    genel_.AyarUygula();
    Hesapla();
    KalanTimerTick();
    kalanTimer_.start();
    if (!DosyadanOku()) {
        Form_Unload();
        return false;
    }
    yuklendi_ = true;

    // Hidden only for the exact "-startup" with the icon option on, and only where an icon
    // can be shown: without a notification area the window would be lost.
    const bool gizli = komutSatiri == QLatin1String("-startup") && genel_.GorevSimge && tepsiVar_;
    if (!gizli || gosterilecek_)
        Goster();
    return true;
}

void AnaForm::Goster()
{
    // Asked for during the start-up (a second start while a message shows): held until the
    // window is built.
    if (!yuklendi_) {
        gosterilecek_ = true;
        return;
    }
    show();
    raise();
    activateWindow();
}

void AnaForm::Tablar_Click(int index)
{
    for (int i = 0; i < SayfaSayisi; ++i)
        Tablar[i]->setCurrentEvent(i == index ? 1 : 0);
    for (int i = 0; i < SayfaSayisi; ++i) {
        if (i == index) {
            sayfaUstu_ = PencereYerlesimi::KaydirmaBaslangici;
            TabSayfa[i]->move(0, Twip::PikselY(sayfaUstu_));
            TabSayfa[i]->show();
            gosterilenSayfa_ = index;
            aniTimer_.start();
        } else {
            TabSayfa[i]->hide();
        }
    }
    if (index == 1)
        Sayfa1->SehirAra->setFocus(Qt::OtherFocusReason);
}

void AnaForm::AniTimerTick()
{
    if (gosterilenSayfa_ < 0 || gosterilenSayfa_ >= SayfaSayisi) {
        aniTimer_.stop();
        return;
    }
    const PencereYerlesimi::KaydirmaAdimi adim = PencereYerlesimi::Kaydir(sayfaUstu_);
    sayfaUstu_ = adim.Ust;
    TabSayfa[gosterilenSayfa_]->move(0, Twip::PikselY(sayfaUstu_));
    if (!adim.DevamEder)
        aniTimer_.stop();
}

void AnaForm::Hesapla()
{
    VakitGirdisi g;
    g.SeciliTarih = seciliTarih_;
    g.Enlem = bolgesel_.Konum.Enlem;
    g.Boylam = bolgesel_.Konum.Boylam;
    g.Tz = bolgesel_.Konum.Tz;
    g.Ulke = bolgesel_.Konum.Ulke;
    g.VakitHesap = bolgesel_.VakitHesap;
    g.YazSaati = genel_.YazSaati;
    g.HicriGun = genel_.HicriGun;
    if (b_.YazSaati) {
        const auto gecis = b_.YazSaati->Gecisler(seciliTarih_.date().year());
        g.YazBaslangic = gecis.first;
        g.YazBitis = gecis.second;
    }
    const VakitSonucu s = GunlukHesapla(g);
    gunlukVakitler_ = s.GunlukVakitler;
    for (int i = 0; i < 6; ++i)
        Sayfa0->Degerler[i]->setText(s.Metinler[i]);
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

bool AnaForm::DosyadanOku()
{
    KonumDosyasi dosya(b_.ProgramKlasoru);
    clsFastCollection satirlar;
    const KonumDosyasiSonucu sonuc = dosya.DosyadanOku(satirlar);
    if (sonuc != KonumDosyasiSonucu::Tamam) {
        // A data.db that cannot be read is as useless as a missing one.
        const KonumMesaji m = KonumDosyasiMesaji(sonuc);
        DosyaMesaji(m.Baslik, m.Metin);
        return false;
    }
    ListeyiDoldur(satirlar);
    if (const int atlanan = dosya.AtlananSatirlar().size())
        Uyar(QStringLiteral("Uyarı"), QStringLiteral("'Data.db' dosyasının %1 satırı okunamadı; bu "
                                                     "satırlar listede yok, dosyada olduğu gibi "
                                                     "korunuyor.")
                                          .arg(atlanan));
    return true;
}

void AnaForm::AyarYazimDenetle()
{
    if (!depo_.YazildiMi())
        Uyar(QStringLiteral("Uyarı"), QString::fromUtf8(AyarYazilamadiMetni));
}

void AnaForm::DosyaMesaji(const char* baslik, const char* metin)
{
    b_.Mesaj->Goster(this, MesajKutusu::Simge::Dur, QString::fromUtf8(baslik),
                     QString::fromUtf8(metin));
}

void AnaForm::FModPlay(const QString& yol)
{
    ses_.FModPlay(yol);
}

void AnaForm::FModStop()
{
    ses_.FModStop();
}

void AnaForm::KalanTimerTick()
{
    sayac_.KalanTimerTick();
}

void AnaForm::TepsiyiDene()
{
    constexpr int Denemeler = 300; // ten minutes at 2 s
    if (!tepsiVar_ && TepsiSimge->AlanVar()) {
        tepsiVar_ = true;
        TepsiSimge->Show();
        KapatIpucu(genel_.KapatIpucu());
    }
    if (tepsiVar_ || ++tepsiDenemesi_ >= Denemeler)
        tepsiTimer_.stop();
}

void AnaForm::BtnKapat_Click()
{
    if (genel_.GorevSimge && tepsiVar_) {
        hide();
        return;
    }
    Cikis();
}

void AnaForm::Cikis()
{
    AnaFormKapat();
    EkleFormKapat();
    ProgramiBitir();
}

void AnaForm::Yenile()
{
    update();
}

void AnaForm::AnaFormKapat()
{
    if (kapaniyor_)
        return;
    kapaniyor_ = true;
    Form_Unload();
    close();
}

void AnaForm::EkleFormKapat()
{
    emit EkleFormKapatIstendi();
}

void AnaForm::ProgramiBitir()
{
    QCoreApplication::quit();
}

void AnaForm::Form_Unload()
{
    kalanTimer_.stop();
    aniTimer_.stop();
    tepsiTimer_.stop();
    TepsiSimge->Hide();
    emit Kapatildi();
    ses_.FModClose();
}

void AnaForm::OpenURL(const QString& adres)
{
    // A browser that cannot be started must not end the program: the result is ignored.
    QDesktopServices::openUrl(QUrl(adres));
}

void AnaForm::TarihEtiketiTiklandi()
{
    // The panel lives on page 0: from another page, that page comes first.
    if (gosterilenSayfa_ != 0)
        Tablar_Click(0);
    Sayfa0->TarihSec->setText(KisaTarihMetni(seciliTarih_, QLocale()));
    Sayfa0->TarihSecFrame->show();
    Sayfa0->TarihSecFrame->raise();
    Sayfa0->TarihSec->setFocus(Qt::OtherFocusReason);
}

void AnaForm::BtnTarihSec_Click()
{
    const std::optional<QDateTime> t = TarihMetniniCoz(Sayfa0->TarihSec->text(), QLocale());
    if (!t) {
        b_.Mesaj->Goster(this, MesajKutusu::Simge::Yok, UygulamaBasligi,
                         QStringLiteral("Lütfen geçerli bir tarih giriniz."));
        return;
    }
    seciliTarih_ = *t;
    Sayfa0->TarihSecFrame->hide();
    Hesapla();
}

void AnaForm::BtnBugun_Click()
{
    seciliTarih_ = QDateTime(b_.SaatKaynagi->Simdi().date(), QTime(0, 0));
    Sayfa0->TarihSec->setText(KisaTarihMetni(seciliTarih_, QLocale()));
    Sayfa0->TarihSecFrame->hide();
    Hesapla();
}

void AnaForm::GAyarUstte_Click()
{
    GAyarUstte->setCurrentEvent(genel_.UstteTiklandi(GAyarUstte->CurrentEvent()));
    AyarYazimDenetle();
}

void AnaForm::BtnBolgeKaydet_Click()
{
    // Refused input stays on the page to be corrected; the routine has said why.
    const BolgeselAyarlar::Sonuc s = bolgesel_.BolgeselAyarKaydet();
    if (s != BolgeselAyarlar::Sonuc::DakikaGecersiz && s != BolgeselAyarlar::Sonuc::Yazilamadi)
        Tablar_Click(0);
}

void AnaForm::BtnAyarKaydet_Click()
{
    const QString hata = genel_.KaydetTiklandi(Sayfa2->FormuOku(GAyarUstte->CurrentEvent()));
    if (!hata.isEmpty()) {
        Uyar(QStringLiteral("Uyarı"), hata);
        return;
    }
    Tablar_Click(0);
}

// GenelAyarHedefi --------------------------------------------------------------------------

void AnaForm::FormuGoster(const GenelAyarFormu& form)
{
    Sayfa2->FormuGoster(form);
    GAyarUstte->setCurrentEvent(form.Ustte);
    // The preview of the second icon is read again each time, as the file may come later.
    const QIcon ek(b_.ProgramKlasoru + QStringLiteral("eksimge.ico"));
    Sayfa2->GAIcon2->setPixmap(ek.isNull() ? QPixmap() : ek.pixmap(16, 16));
}

void AnaForm::SimgeSec(int secim)
{
    QIcon simge = SkinResmi::programSimgesi();
    if (secim != 1) {
        const QString yol = b_.ProgramKlasoru + QStringLiteral("eksimge.ico");
        const QIcon ek(yol);
        // A missing or unreadable file keeps the icon the window has.
        simge = (QFile::exists(yol) && !ek.availableSizes().isEmpty()) ? ek : windowIcon();
    }
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

void AnaForm::setListeSecili(int konum)
{
    Sayfa1->Db->setSelectedItem(konum);
}

void AnaForm::ListeyiDoldur(clsFastCollection& satirlar)
{
    Sayfa1->ListeyiDoldur(satirlar, bolgesel_.Konum);
}

int AnaForm::ListeSecili() const
{
    return Sayfa1->SeciliSatir();
}

int AnaForm::ListeAktif() const
{
    return Sayfa1->Db->Aktif();
}

void AnaForm::setListeAktif(int konum)
{
    Sayfa1->Db->setAktif(konum);
}

const vkListItem* AnaForm::ListeSatiri(int konum) const
{
    return Sayfa1->Konumlar.Item(konum);
}

BolgeselAyarFormu AnaForm::FormuOku() const
{
    return Sayfa1->FormuOku();
}

void AnaForm::FormuGoster(const BolgeselAyarFormu& form)
{
    Sayfa1->FormuGoster(form);
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
    UyariAyarlari a;
    a.Uyari = bolgesel_.Uyari;
    a.Dakika = bolgesel_.Dakika;
    a.Sesli = bolgesel_.Sesli;
    a.Ezan = bolgesel_.Ezan;
    sayac_.AyarlariUygula(a);
    sayac_.UyariyiSifirla();
}

// EkleHedefi -------------------------------------------------------------------------------

bool AnaForm::KonumEkle(QWidget* sahip, const EkleGirdisi& girdi)
{
    KonumDosyasi dosya(b_.ProgramKlasoru);
    const BolgeselAyarlar::EklemeSonucu e = bolgesel_.KonumEkle(dosya, girdi);
    if (e.Eklendi)
        return true;
    if (e.Dosya == KonumDosyasiSonucu::DosyaYok) {
        // As at start: without data.db the program cannot go on.
        DosyaMesaji(DosyaBulunamadiMesaji.Baslik, DosyaBulunamadiMesaji.Metin);
        Cikis();
        return false;
    }
    b_.Mesaj->Goster(sahip, MesajKutusu::Simge::Yok, UygulamaBasligi, e.Mesaj);
    return false;
}

// GeriSayimCikisi --------------------------------------------------------------------------

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
    emit UyariIstendi(oncu, sure, son);
}

void AnaForm::SesCal(const QString& yol, SesTuru tur)
{
    ses_.FModPlay(yol, tur);
}

void AnaForm::GunDegisti(const QDateTime& simdi)
{
    seciliTarih_ = simdi;
    Hesapla();
}

// Window events ----------------------------------------------------------------------------

void AnaForm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, arkaplan_);
    if (!ilkKareCizildi_) {
        // The buttons' pressed and pointer-over pictures are decoded once the first frame is
        // on the screen, so the start-up does not wait for pictures it cannot show.
        ilkKareCizildi_ = true;
        QTimer::singleShot(0, this, &DugmeResimleri::Tamamla);
    }
}

void AnaForm::mousePressEvent(QMouseEvent* e)
{
    surukleyici_.Bas(e);
}

void AnaForm::mouseMoveEvent(QMouseEvent* e)
{
    surukleyici_.Tasi(e);
}

void AnaForm::mouseReleaseEvent(QMouseEvent* e)
{
    surukleyici_.Birak(e);
}

void AnaForm::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    // Form_Resize: the always-on-top option is applied whenever the window appears.
    HerZamanUstte(genel_.HerZamanUstte);
}

void AnaForm::closeEvent(QCloseEvent* e)
{
    if (kapaniyor_) {
        e->accept();
        return;
    }
    // A close from outside (the window manager) acts as the close button.
    e->ignore();
    BtnKapat_Click();
}
