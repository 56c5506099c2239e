#include "shell/Program.h"

#include "engine/GunlukHesap.h"
#include "engine/TarihSecimi.h"
#include "locations/KonumSatirlari.h"
#include "platform/Saat.h"
#include "platform/WebAdresleri.h"
#include "platform/YazSaatiKaynagi.h"
#include "shell/AnaFormHedefi.h"
#include "shell/PencereYerlesimi.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

const QString UyariBasligi = QStringLiteral("Uyarı");

} // namespace

QString Program::Baslik()
{
    return UygulamaBasligi() + QLatin1Char(' ') + WebAdresleri::Host(WebAdresleri::Urun());
}

Program::Program(const ProgramBaglami& baglam, AnaFormHedefi& pencere, QObject* parent)
    : QObject(parent), b_(baglam), pencere_(pencere), bolgesel_(depo_, pencere, *this),
      genel_(depo_, baglam.Oturum, pencere, [this] { Hesapla(); }),
      sayac_(*baglam.SaatKaynagi, gunlukVakitler_, *this), ses_(*baglam.Ses, this)
{
    kalanTimer_.setInterval(1000);
    kalanTimer_.setTimerType(Qt::CoarseTimer);
    connect(&kalanTimer_, &QTimer::timeout, this, [this] { sayac_.KalanTimerTick(); });
    tepsiTimer_.setInterval(2000);
    connect(&tepsiTimer_, &QTimer::timeout, this, &Program::TepsiyiDene);
    aniTimer_.setInterval(10);
    aniTimer_.setTimerType(Qt::PreciseTimer);
    connect(&aniTimer_, &QTimer::timeout, this, &Program::AniTimerTick);

    connect(&ses_, &SesCalar::EzanDurumu, this, [this](int ce) { pencere_.EzanDurumu(ce); });
    connect(&ses_, &SesCalar::SessizEtkin, this, [this](bool e) { pencere_.SessizEtkin(e); });
}

Program::~Program() = default;

bool Program::Baslat(const QString& komutSatiri)
{
    genel_.TepsiAlaniVar = pencere_.TepsiAlaniVar();
    if (!genel_.TepsiAlaniVar)
        tepsiTimer_.start();

    // PosX and PosY hold twips; the window is placed in pixels.
    const AnaFormHedefi::Ekran ekran = pencere_.EkranAlani();
    const QPoint kose = ekran.Tum.topLeft();
    pencere_.PencereyiTasi(
        kose + PencereYerlesimi::BaslangicKonumu(ekran.Tum.size(), ekran.Serbest.translated(-kose),
                                                 QSize(PencereGenisligi, PencereYuksekligi),
                                                 depo_.TamsayiVarsa(QStringLiteral("PosX")),
                                                 depo_.TamsayiVarsa(QStringLiteral("PosY"))));

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
        pencere_.DurdurucuMesaj(QString::fromUtf8(SesDosyasiYokBasligi), eksik);
    }

    // Each applies its settings and computes the day's times with them.
    bolgesel_.BolgeselAyarUygula();
    genel_.AyarUygula();
    sayac_.KalanTimerTick();
    kalanTimer_.start();
    // data.db is read once the window is on the screen; that it is there and readable is
    // known before: without it the program shows its message and no window.
    if (const Sonuc<> dosya = Yerler().Denetle(); !dosya) {
        DosyaMesaji(dosya.Hatasi());
        Kapat();
        return false;
    }
    yuklendi_ = true;

    // Hidden only for the exact "-startup" with the icon option on, and only where an icon
    // can be shown: without a notification area the window would be lost.
    const bool gizli = komutSatiri == QLatin1String("-startup") && genel_.Gizlenir();
    if (!gizli || gosterilecek_)
        Goster();
    // Without a frame to wait for (a hidden start, a window the system does not draw), the
    // rest of the start-up follows shortly all the same.
    QTimer::singleShot(gizli && !gosterilecek_ ? 0 : 250, this, &Program::IlkKareSonrasi);
    return true;
}

void Program::IlkKareCizildi()
{
    if (ilkKareCizildi_)
        return;
    // Queued behind the paint: the start-up does not wait for what it cannot show.
    ilkKareCizildi_ = true;
    QTimer::singleShot(0, this, &Program::IlkKareSonrasi);
}

void Program::IlkKareSonrasi()
{
    if (ilkKareSonrasi_ || !yuklendi_)
        return;
    ilkKareSonrasi_ = true;
    if (!DosyadanOku()) {
        // Gone or spoiled since the start-up looked: the program ends as without it.
        Kapat();
        QCoreApplication::exit(1);
        return;
    }
    TepsiyiGoster();
    pencere_.IlkKareSonrasiKur();
    DiniGunleriGoster();
    if (bekleyenUyari_.size() == 3)
        pencere_.UyariGoster(bekleyenUyari_[0], bekleyenUyari_[1], bekleyenUyari_[2]);
    bekleyenUyari_.clear();
    for (const auto& [yol, tur] : std::exchange(bekleyenSesler_, {}))
        ses_.Cal(yol, tur);
}

void Program::TepsiyiGoster()
{
    if (tepsiGosterildi_)
        return;
    tepsiGosterildi_ = true;
    pencere_.TepsiyiGoster();
}

KonumDosyasi Program::Yerler() const
{
    return KonumDosyasi::Kurulu(b_.VeriKlasoru, b_.KullaniciKlasoru);
}

bool Program::DosyadanOku()
{
    KonumDosyasi dosya = Yerler();
    QVector<KonumKaydi> satirlar;
    if (const Sonuc<> okunan = dosya.DosyadanOku(satirlar); !okunan) {
        // A data.db that cannot be read is as useless as a missing one.
        DosyaMesaji(okunan.Hatasi());
        return false;
    }
    pencere_.ListeyiDoldur(KonumSatirlari(std::move(satirlar)));
    if (const int atlanan = dosya.AtlananSatirlar().size())
        pencere_.Uyar(UyariBasligi, QStringLiteral("'Data.db' dosyasının %1 satırı okunamadı; bu "
                                                   "satırlar listede yok, dosyada olduğu gibi "
                                                   "korunuyor.")
                                        .arg(atlanan));
    return true;
}

void Program::DosyaMesaji(const Hata& hata)
{
    pencere_.DurdurucuMesaj(hata.Baslik, hata.Metin);
}

void Program::Goster()
{
    // Asked for during the start-up (a second start while a message shows): held until the
    // window is built.
    if (!yuklendi_) {
        gosterilecek_ = true;
        return;
    }
    pencere_.PencereyiGoster();
}

void Program::PencereGosterildi()
{
    pencere_.HerZamanUstte(genel_.HerZamanUstte);
}

void Program::SayfaAc(int index)
{
    if (index < 0 || index >= SayfaSayisi)
        return;
    sayfaUstu_ = PencereYerlesimi::KaydirmaBaslangici;
    gosterilenSayfa_ = index;
    pencere_.SayfaGoster(index, PencereYerlesimi::KaydirmaPikseli(sayfaUstu_));
    aniTimer_.start();
    if (index == 4)
        DiniGunleriGoster();
}

void Program::AniTimerTick()
{
    const PencereYerlesimi::KaydirmaAdimi adim = PencereYerlesimi::Kaydir(sayfaUstu_);
    sayfaUstu_ = adim.Ust;
    pencere_.SayfaKaydir(gosterilenSayfa_, PencereYerlesimi::KaydirmaPikseli(sayfaUstu_));
    if (!adim.DevamEder)
        aniTimer_.stop();
}

void Program::Hesapla()
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
    pencere_.VakitleriGoster(s);
    // The religious days follow the same Hijri correction as the date above.
    sayac_.DiniGunleriAyarla(genel_.DiniGunHatirlat, genel_.HicriGun);
    DiniGunleriGoster();
}

void Program::DiniGunleriGoster()
{
    pencere_.DiniGunleriGoster(seciliTarih_.date().year(), genel_.HicriGun,
                               b_.SaatKaynagi->Simdi().date());
}

bool Program::TarihSec(const QString& metin)
{
    const std::optional<QDateTime> t = TarihMetniniCoz(metin, QLocale());
    if (!t) {
        pencere_.Uyar(UygulamaBasligi(), QStringLiteral("Lütfen geçerli bir tarih giriniz."));
        return false;
    }
    seciliTarih_ = *t;
    Hesapla();
    return true;
}

void Program::BugunuSec()
{
    seciliTarih_ = QDateTime(b_.SaatKaynagi->Simdi().date(), QTime(0, 0));
    Hesapla();
}

void Program::TepsiyiDene()
{
    constexpr int Denemeler = 300; // ten minutes at 2 s
    if (!genel_.TepsiAlaniVar && pencere_.TepsiAlaniVar()) {
        genel_.TepsiAlaniVar = true;
        tepsiGosterildi_ = true;
        pencere_.TepsiyiGoster();
        pencere_.KapatIpucu(genel_.KapatIpucu());
    }
    if (genel_.TepsiAlaniVar || ++tepsiDenemesi_ >= Denemeler)
        tepsiTimer_.stop();
}

void Program::KapatTiklandi()
{
    if (genel_.Gizlenir()) {
        pencere_.PencereyiGizle();
        return;
    }
    Cikis();
}

void Program::Cikis()
{
    AnaFormKapat();
    EkleFormKapat();
    ProgramiBitir();
}

void Program::UstteTiklandi(int currentEvent)
{
    if (const Sonuc<> yazildi = genel_.UstteTiklandi(currentEvent); !yazildi)
        pencere_.Uyar(yazildi.Hatasi().Baslik, yazildi.Mesaj());
}

void Program::EzanTiklandi(int buttonEvents)
{
    ses_.BtnEzanTikla(buttonEvents, sayac_.AktifVakitAnahtari(), yollar_);
}

void Program::BolgeKaydetTiklandi()
{
    // Refused input stays on the page to be corrected; the routine has said why.
    const auto red = bolgesel_.BolgeselAyarKaydet().Neden<BolgeselAyarlar::Red>();
    if (red != BolgeselAyarlar::Red::DakikaGecersiz && red != BolgeselAyarlar::Red::Yazilamadi)
        SayfaAc(0);
}

void Program::AyarKaydetTiklandi(const GenelAyarFormu& form)
{
    if (const Sonuc<> kayit = genel_.KaydetTiklandi(form); !kayit) {
        pencere_.Uyar(kayit.Hatasi().Baslik, kayit.Mesaj());
        return;
    }
    SayfaAc(0);
}

void Program::ListeAktifSecildi()
{
    // A double-click chooses and stores the row at once. A refusal has been shown.
    (void)bolgesel_.BolgeselAyarKaydet();
}

void Program::YardimSayfasiniAc()
{
    pencere_.AdresAc(WebAdresleri::Urun() +
                     QStringLiteral("/yardim.php?v=%1.%2").arg(SurumAna).arg(SurumAlt));
}

void Program::YapimciSayfasiniAc()
{
    pencere_.AdresAc(WebAdresleri::Yapimci());
}

void Program::SesiDurdur()
{
    ses_.Durdur();
}

void Program::AnaFormKapat()
{
    if (kapaniyor_)
        return;
    Kapat();
    pencere_.PencereyiKapat();
}

void Program::Kapat()
{
    kapaniyor_ = true;
    kalanTimer_.stop();
    aniTimer_.stop();
    tepsiTimer_.stop();
    pencere_.TepsiyiGizle();
    emit Kapatildi();
    ses_.Kapat();
}

void Program::EkleFormKapat()
{
    pencere_.EkleFormunuKapat();
}

void Program::ProgramiBitir()
{
    QCoreApplication::quit();
}

// BolgeselUygulamaHedefi ---------------------------------------------------------------

void Program::UyariyiSifirla()
{
    sayac_.AyarlariUygula(bolgesel_.Uyarilar);
    sayac_.UyariyiSifirla();
}

void Program::DosyaKayboldu(const Hata& hata)
{
    // As at start: without data.db the program cannot go on.
    DosyaMesaji(hata);
    Cikis();
}

// GeriSayimHedefi --------------------------------------------------------------------------

void Program::KalanGoster(const QString& kalan, const QString& ipucu)
{
    pencere_.KalanGoster(kalan, ipucu);
}

void Program::SaatGoster(const QString& saat)
{
    pencere_.SaatGoster(saat);
}

void Program::VakitDegisti(int satir, const QString& vakitMetni, const QString& sonrakiMetni)
{
    pencere_.VakitDegisti(satir, vakitMetni, sonrakiMetni);
}

void Program::UyariGoster(const QString& oncu, const QString& sure, const QString& son)
{
    // A warning due at start rises once the window is on the screen.
    if (!ilkKareSonrasi_)
        bekleyenUyari_ = {oncu, sure, son};
    else
        pencere_.UyariGoster(oncu, sure, son);
}

void Program::SesCal(const QString& yol, SesTuru tur)
{
    // Each sound starts a player program: not before the first frame, which it would slow.
    if (!ilkKareSonrasi_)
        bekleyenSesler_.emplace_back(yol, tur);
    else
        ses_.Cal(yol, tur);
}

void Program::GunDegisti(const QDateTime& simdi)
{
    seciliTarih_ = simdi;
    Hesapla();
}
