#pragma once

#include "locations/KonumDosyasi.h"
#include "notify/AnaPencereHedefi.h"
#include "platform/AyarDeposu.h"
#include "shell/BolgeselAyarHedefi.h"
#include "shell/BolgeselAyarlar.h"
#include "shell/GenelAyarlar.h"
#include "shell/GeriSayim.h"
#include "shell/GeriSayimHedefi.h"
#include "shell/SesCalar.h"
#include "shell/SesYollari.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <array>
#include <utility>
#include <vector>

class AnaFormHedefi;
class OturumAcmaKaydi;
class Saat;
class SesKutuphanesi;
class YazSaatiKaynagi;

// What the program is given from outside: the clock, the daylight-saving rule, the sound
// library, the logon entry and the folders of its files. main() hands it the real ones; tests
// hand it a fixed clock and folders of their own.
struct ProgramBaglami
{
    const Saat* SaatKaynagi = nullptr;
    const YazSaatiKaynagi* YazSaati = nullptr;
    SesKutuphanesi* Ses = nullptr;
    OturumAcmaKaydi* Oturum = nullptr; // may be null: no logon entry is kept
    QString VeriKlasoru;               // data.db and the sounds, ends with "/"
    QString KullaniciKlasoru{};        // the user's copy of data.db for added places; empty: none
};

// The running program without its widgets: the selected day, the six times, the chosen place,
// method and options, the sound paths; the start-up sequence and the shutdown; the one-second
// countdown, the pages' slide-in and the search for a notification area that comes late. The
// popup, the tray menu, the add dialog and the settings routines call it through their
// interfaces; it shows what they decide through its main window (AnaFormHedefi), which
// forwards the user's clicks to it.
class Program : public QObject,
                public BolgeselUygulamaHedefi,
                public GeriSayimHedefi,
                public AnaPencereHedefi
{
    Q_OBJECT
public:
    // Pages: 0 prayer times, 1 regional settings, 2 general settings, 3 about, 4 religious
    // days, each with its tab button in this order along the bottom band.
    static constexpr int SayfaSayisi = 5;
    // The main window's size, the size of its background picture.
    static constexpr int PencereGenisligi = 242;
    static constexpr int PencereYuksekligi = 341;
    // The help page is asked for with the version's major and minor numbers.
    static constexpr int SurumAna = 1;
    static constexpr int SurumAlt = 0;

    Program(const ProgramBaglami& baglam, AnaFormHedefi& pencere, QObject* parent = nullptr);
    ~Program() override;

    // The product name and the product web site's host ("Orvanel orvanel.example.org").
    static QString Baslik();
    // The application's own title, for boxes that have no fixed one.
    static QString UygulamaBasligi() { return QStringLiteral("Orvanel"); }

    // The start-up sequence after the single-instance check. False when the program must end
    // (data.db missing or unreadable); the window is then not shown.
    bool Baslat(const QString& komutSatiri);
    // The window's first frame has been drawn: the rest of the start-up follows at once.
    void IlkKareCizildi();
    // Whether the part of the start-up that follows the first frame has run.
    bool BaslangicTamam() const { return ilkKareSonrasi_; }

    // Reads data.db into the list and makes the stored place's row active; says once how
    // many lines could not be read. False, after its message, when data.db cannot be read.
    bool DosyadanOku();

    // What the user does in the main window.
    void KapatTiklandi();                                // hides, or ends by GorevSimge
    void UstteTiklandi(int currentEvent);                // GAyarUstte's new state
    void EzanTiklandi(int buttonEvents);                 // BtnEzan
    void BolgeKaydetTiklandi();                          // BtnBolgeKaydet
    void AyarKaydetTiklandi(const GenelAyarFormu& form); // BtnAyarKaydet
    void ListeAktifSecildi();                            // a row double-clicked
    // The date entry: false, after its message, for a text that is no date.
    bool TarihSec(const QString& metin);
    void BugunuSec();
    void PencereGosterildi(); // the always-on-top option applies whenever it appears
    void YardimSayfasiniAc();
    void YapimciSayfasiniAc();
    // The close button with the icon option off: unload, then end.
    void Cikis();

    // One tick of the page-slide timer; the timer calls it, tests may too.
    void AniTimerTick();
    // Without a notification area at start: looks for one (every 2 s for the first ten
    // minutes); when it has come, the icon shows and the program behaves from then on as if
    // it had been there at start.
    void TepsiyiDene();

    // Running state.
    const QDateTime& SeciliTarih() const { return seciliTarih_; }
    int GosterilenSayfa() const { return gosterilenSayfa_; }
    bool AniTimerAcik() const { return aniTimer_.isActive(); }
    bool KalanTimerAcik() const { return kalanTimer_.isActive(); }
    bool TepsiTimerAcik() const { return tepsiTimer_.isActive(); }
    bool Kapandi() const { return kapaniyor_; }
    const QString& VeriKlasoru() const { return b_.VeriKlasoru; }
    BolgeselAyarlar& Bolgesel() { return bolgesel_; }
    GenelAyarlar& Genel() { return genel_; }

    // AnaPencereHedefi.
    void SayfaAc(int index) override;
    void Goster() override;
    void SesiDurdur() override;
    void AnaFormKapat() override;
    void EkleFormKapat() override;
    void ProgramiBitir() override;

    // BolgeselUygulamaHedefi; the regional and general pages themselves are the window's.
    // Hesapla recomputes the day's times from the working values, for both pages.
    void Hesapla() override;
    void UyariyiSifirla() override;
    KonumDosyasi Yerler() const override;
    void DosyaKayboldu(const Hata& hata) override;

    // GeriSayimHedefi.
    void KalanGoster(const QString& kalan, const QString& ipucu) override;
    void SaatGoster(const QString& saat) override;
    void VakitDegisti(int satir, const QString& vakitMetni, const QString& sonrakiMetni) override;
    void UyariGoster(const QString& oncu, const QString& sure, const QString& son) override;
    void SesCal(const QString& yol, SesTuru tur) override;
    void GunDegisti(const QDateTime& simdi) override;

signals:
    // The window has been unloaded: the tray icon and the other windows go.
    void Kapatildi();

private:
    // What the first frame does not show, done once it is on the screen: the place list, the
    // buttons' other pictures, the tray icon, the popup and the tray menu, the sounds and the
    // warning asked for meanwhile.
    void IlkKareSonrasi();
    void TepsiyiGoster();
    void Kapat(); // the shutdown: timers, tray icon, sound library
    void DosyaMesaji(const Hata& hata);
    void DiniGunleriGoster();

    ProgramBaglami b_;
    AnaFormHedefi& pencere_;
    AyarDeposu depo_;
    std::array<double, 6> gunlukVakitler_{};
    QDateTime seciliTarih_;
    SesYollari yollar_;
    BolgeselAyarlar bolgesel_;
    GenelAyarlar genel_;
    GeriSayim sayac_;
    SesCalar ses_;

    QTimer kalanTimer_;
    QTimer aniTimer_;
    QTimer tepsiTimer_;
    int tepsiDenemesi_ = 0;
    bool tepsiGosterildi_ = false;
    int gosterilenSayfa_ = 0;
    // Below the page's resting place, in the twips the slide's rounding is counted in.
    int sayfaUstu_ = 0;
    bool kapaniyor_ = false;
    bool yuklendi_ = false;
    bool gosterilecek_ = false; // shown once the start-up is done
    bool ilkKareCizildi_ = false;
    bool ilkKareSonrasi_ = false;
    // Sounds asked for before the first frame, played after it in their order.
    std::vector<std::pair<QString, SesTuru>> bekleyenSesler_;
    QStringList bekleyenUyari_; // a warning asked for before it: its three texts
};
