#include "shell/gui/AnaForm.h"

#include "controls/gui/Buton.h"
#include "engine/GunlukHesap.h"
#include "engine/TarihSecimi.h"
#include "locations/KonumDosyasi.h"
#include "locations/gui/EkleForm.h"
#include "notify/gui/MenuForm.h"
#include "notify/gui/MesajForm.h"
#include "notify/gui/NotifyIcon.h"
#include "platform/Saat.h"
#include "platform/SistemYazSaati.h"
#include "platform/Twip.h"
#include "platform/WebAdresleri.h"
#include "platform/gui/SkinResmi.h"
#include "platform/gui/YuvarlakSekil.h"
#include "shell/PencereYerlesimi.h"
#include "shell/gui/DugmeResimleri.h"
#include "shell/gui/Etiket.h"
#include "shell/gui/MesajKutusu.h"
#include "shell/gui/SayfaBolgesel.h"
#include "shell/gui/SayfaDiniGunler.h"
#include "shell/gui/SayfaGenel.h"
#include "shell/gui/SayfaVakitler.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QUrl>

QString AnaForm::Baslik()
{
    return UygulamaBasligi() + QLatin1Char(' ') + WebAdresleri::Host(WebAdresleri::Urun());
}

AnaForm::AnaForm(const AnaFormBaglami& baglam, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), b_(baglam), bolgesel_(depo_, *this),
      genel_(depo_, baglam.Oturum, *this), sayac_(*baglam.SaatKaynagi, gunlukVakitler_, *this),
      ses_(*baglam.Ses, this)
{
    setWindowTitle(Baslik());
    setFixedSize(Genislik, Yukseklik);
    // The window's icon of every size is set after the first frame; the title strip's 16-pixel
    // picture is all the frame shows.
    programSimgesi_ = SkinResmi::programSimgesi();
    secilenSimge_ = programSimgesi_;
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

bool AnaForm::Form_Load(const QString& komutSatiri)
{
    TepsiSimge->setToolTip(Baslik());
    tepsiVar_ = TepsiSimge->AlanVar();
    if (!tepsiVar_)
        tepsiTimer_.start();

    // Position, in twips, from PosX/PosY with the clamps; the default one clear of the panels.
    const QScreen* ekran = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect ekranPiksel = ekran ? ekran->geometry() : QRect(0, 0, 1024, 768);
    const QRect serbestPiksel = ekran ? ekran->availableGeometry() : ekranPiksel;
    const QPoint ekranKosesi = ekranPiksel.topLeft();
    const QPoint konum = PencereYerlesimi::BaslangicKonumu(
        QSize(Twip::TwipX(ekranPiksel.width()), Twip::TwipY(ekranPiksel.height())),
        QRect(Twip::TwipX(serbestPiksel.x() - ekranKosesi.x()),
              Twip::TwipY(serbestPiksel.y() - ekranKosesi.y()), Twip::TwipX(serbestPiksel.width()),
              Twip::TwipY(serbestPiksel.height())),
        QSize(Twip::TwipX(Genislik), Twip::TwipY(Yukseklik)),
        depo_.TamsayiVarsa(QStringLiteral("PosX")), depo_.TamsayiVarsa(QStringLiteral("PosY")));
    move(ekranKosesi + QPoint(Twip::PikselX(konum.x()), Twip::PikselY(konum.y())));

    seciliTarih_ = b_.SaatKaynagi->Simdi();
    // The times below are for this day: a first tick on a later one (a message held open
    // across midnight) rolls the day over.
    sayac_.setHesapGunu(seciliTarih_.date());

    yollar_ = SesYollari::Bul(b_.VeriKlasoru);
    sayac_.SesYollariniAyarla(yollar_);
    const QString eksik = yollar_.EksikMesaji();
    if (!eksik.isEmpty()) {
        // The message holds the start-up: the icon is there meanwhile.
        TepsiyiGoster();
        b_.Mesaj->Goster(this, MesajKutusu::Simge::Dur, QString::fromUtf8(SesDosyasiYokBasligi),
                         eksik);
    }

    setMask(YuvarlakSekil(size()));

    // Each applies its settings and computes the day's times with them.
    bolgesel_.BolgeselAyarUygula();
    genel_.AyarUygula();
    KalanTimerTick();
    kalanTimer_.start();
    // data.db is read once the window is on the screen; that it is there and readable is
    // known before: without it the program shows its message and no window.
    if (const Sonuc<> dosya = Yerler().Denetle(); !dosya) {
        DosyaMesaji(dosya.Hatasi());
        Form_Unload();
        return false;
    }
    yuklendi_ = true;

    // Hidden only for the exact "-startup" with the icon option on, and only where an icon
    // can be shown: without a notification area the window would be lost.
    const bool gizli = komutSatiri == QLatin1String("-startup") && genel_.GorevSimge && tepsiVar_;
    if (!gizli || gosterilecek_)
        Goster();
    // Without a frame to wait for (a hidden start, a window the system does not draw), the
    // rest of the start-up follows shortly all the same.
    QTimer::singleShot(gizli && !gosterilecek_ ? 0 : 250, this, &AnaForm::IlkKareSonrasi);
    return true;
}

void AnaForm::IlkKareSonrasi()
{
    if (ilkKareSonrasi_ || !yuklendi_)
        return;
    ilkKareSonrasi_ = true;
    setWindowIcon(secilenSimge_);
    if (!DosyadanOku()) {
        // Gone or spoiled since the start-up looked: the program ends as without it.
        Form_Unload();
        QCoreApplication::exit(1);
        return;
    }
    DugmeResimleri::Tamamla();
    TepsiyiGoster();
    BildirimPencereleriniKur();
    SayfalariKur();
    if (bekleyenUyari_.size() == 3)
        emit UyariIstendi(bekleyenUyari_[0], bekleyenUyari_[1], bekleyenUyari_[2]);
    bekleyenUyari_.clear();
    for (const auto& [yol, tur] : std::exchange(bekleyenSesler_, {}))
        ses_.FModPlay(yol, tur);
}

void AnaForm::TepsiyiGoster()
{
    if (tepsiGosterildi_)
        return;
    tepsiGosterildi_ = true;
    TepsiSimge->Show();
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
    if (index > 0)
        SayfalariKur();
    for (int i = 0; i < SayfaSayisi; ++i)
        Tablar[i]->setCurrentEvent(i == index ? 1 : 0);
    for (int i = 0; i < SayfaSayisi; ++i) {
        if (i == index) {
            sayfaUstu_ = PencereYerlesimi::KaydirmaBaslangici;
            TabSayfa[i]->move(0, Twip::PikselY(sayfaUstu_));
            TabSayfa[i]->show();
            gosterilenSayfa_ = index;
            aniTimer_.start();
        } else if (TabSayfa[i]) {
            TabSayfa[i]->hide();
        }
    }
    if (index == 1)
        Sayfa1->SehirAra->setFocus(Qt::OtherFocusReason);
    if (index == 2)
        EkSimgeOnizlemesi();
    if (index == 4)
        DiniGunleriGoster();
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
    bolgesel_.Konum.Doldur(g);
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
    // The religious days follow the same Hijri correction as the date above.
    sayac_.DiniGunleriAyarla(genel_.DiniGunHatirlat, genel_.HicriGun);
    if (Sayfa4)
        DiniGunleriGoster();
}

void AnaForm::DiniGunleriGoster()
{
    Sayfa4->Goster(seciliTarih_.date().year(), genel_.HicriGun, b_.SaatKaynagi->Simdi().date());
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

KonumDosyasi AnaForm::Yerler() const
{
    return KonumDosyasi::Kurulu(b_.VeriKlasoru, b_.KullaniciKlasoru);
}

bool AnaForm::DosyadanOku()
{
    KonumDosyasi dosya = Yerler();
    clsFastCollection satirlar;
    if (const Sonuc<> okunan = dosya.DosyadanOku(satirlar); !okunan) {
        // A data.db that cannot be read is as useless as a missing one.
        DosyaMesaji(okunan.Hatasi());
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

void AnaForm::DosyaMesaji(const Hata& hata)
{
    b_.Mesaj->Goster(this, MesajKutusu::Simge::Dur, hata.Baslik, hata.Metin);
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
    if (Sayfa0->TarihCercevesiKur()) {
        connect(Sayfa0->BtnTarihSec, &Buton::Click, this, &AnaForm::BtnTarihSec_Click);
        connect(Sayfa0->TarihSec, &QLineEdit::returnPressed, this, &AnaForm::BtnTarihSec_Click);
        connect(Sayfa0->BtnBugun, &Buton::Click, this, &AnaForm::BtnBugun_Click);
    }
    Sayfa0->TarihSec->setText(KisaTarihMetni(seciliTarih_, QLocale()));
    Sayfa0->TarihSecFrame->show();
    Sayfa0->TarihSecFrame->raise();
    Sayfa0->TarihSec->setFocus(Qt::OtherFocusReason);
}

void AnaForm::BtnTarihSec_Click()
{
    const std::optional<QDateTime> t = TarihMetniniCoz(Sayfa0->TarihSec->text(), QLocale());
    if (!t) {
        b_.Mesaj->Goster(this, MesajKutusu::Simge::Yok, UygulamaBasligi(),
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
    const Sonuc<> yazildi = genel_.UstteTiklandi(GAyarUstte->CurrentEvent());
    GAyarUstte->setCurrentEvent(genel_.HerZamanUstte ? 1 : 0);
    if (!yazildi)
        Uyar(yazildi.Hatasi().Baslik, yazildi.Mesaj());
}

void AnaForm::BtnBolgeKaydet_Click()
{
    // Refused input stays on the page to be corrected; the routine has said why.
    const BolgeselAyarlar::Red red = bolgesel_.BolgeselAyarKaydet().Neden<BolgeselAyarlar::Red>();
    if (red != BolgeselAyarlar::Red::DakikaGecersiz && red != BolgeselAyarlar::Red::Yazilamadi)
        Tablar_Click(0);
}

void AnaForm::BtnAyarKaydet_Click()
{
    const Sonuc<> kayit = genel_.KaydetTiklandi(Sayfa2->FormuOku(GAyarUstte->CurrentEvent()));
    if (!kayit) {
        Uyar(kayit.Hatasi().Baslik, kayit.Mesaj());
        return;
    }
    Tablar_Click(0);
}

// Window events ----------------------------------------------------------------------------

void AnaForm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, arkaplan_);
    if (!ilkKareCizildi_) {
        // Queued behind this paint: the start-up does not wait for what it cannot show.
        ilkKareCizildi_ = true;
        QTimer::singleShot(0, this, &AnaForm::IlkKareSonrasi);
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
