#pragma once

#include "locations/EkleHedefi.h"
#include "locations/KonumDosyasi.h"
#include "notify/AnaPencereHedefi.h"
#include "platform/AyarDeposu.h"
#include "platform/gui/PencereSurukleyici.h"
#include "shell/BolgeselAyarlar.h"
#include "shell/GenelAyarHedefi.h"
#include "shell/GenelAyarlar.h"
#include "shell/GeriSayim.h"
#include "shell/GeriSayimHedefi.h"
#include "shell/SesCalar.h"
#include "shell/SesYollari.h"
#include "shell/gui/AnaFormBaglami.h"

#include <QDateTime>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

class Buton;
class EkleForm;
class MenuForm;
class MesajForm;
class NotifyIcon;
class Etiket;
class QLabel;
class SayfaBolgesel;
class SayfaDiniGunler;
class SayfaGenel;
class SayfaHakkinda;
class SayfaVakitler;

// The main window: a 242 x 341 frameless, picture-skinned window with the title strip, the
// place and date panel, the page area with five pages and the tab buttons. It is the hub of
// the program: it holds the selected day, the six times and the working settings, and runs
// the start-up sequence, the one-second countdown, the sound and the shutdown.
class AnaForm : public QWidget,
                public GenelAyarHedefi,
                public BolgeselAyarHedefi,
                public GeriSayimHedefi,
                public AnaPencereHedefi,
                public EkleHedefi
{
    Q_OBJECT
public:
    static constexpr int Genislik = 242;
    static constexpr int Yukseklik = 341;
    // Pages: 0 prayer times, 1 regional settings, 2 general settings, 3 about, 4 religious
    // days, each with its tab button in this order along the bottom band.
    static constexpr int SayfaSayisi = 5;
    // The help page is asked for with the version's major and minor numbers.
    static constexpr int SurumAna = 1;
    static constexpr int SurumAlt = 0;

    explicit AnaForm(const AnaFormBaglami& baglam, QWidget* parent = nullptr);
    ~AnaForm() override;

    // The product name and the product web site's host ("Orvanel orvanel.example.org").
    static QString Baslik();
    // The application's own title, for boxes that have no fixed one.
    static QString UygulamaBasligi() { return QStringLiteral("Orvanel"); }

    // The start-up sequence after the single-instance check. False when the program must end
    // (data.db missing); the window is then not shown.
    bool Form_Load(const QString& komutSatiri);

    // Routines the other windows call.
    void Tablar_Click(int index) override;
    void Hesapla() override;
    // Reads data.db into the list and makes the stored place's row active; says once how
    // many lines could not be read. False, after its message, when data.db cannot be read.
    bool DosyadanOku();
    // data.db as this program reads and writes it (the user's copy for a read-only install).
    KonumDosyasi Yerler() const;
    void FModPlay(const QString& yol); // an ezan
    void FModStop() override;
    // Makes the window visible (tray icon, tray menu, a second start).
    void Goster() override;
    void Yenile() override;
    // Unloads the window: the tray icon goes, the sound library closes; nothing is saved.
    void AnaFormKapat() override;
    void EkleFormKapat() override;
    void ProgramiBitir() override;
    // The close button with the icon option off: unload, then end.
    void Cikis();
    // The close button: hides or ends, by GorevSimge.
    void BtnKapat_Click();

    // One tick of each timer; the timers call them, tests may too.
    void KalanTimerTick();
    void AniTimerTick();
    // Without a notification area at start: looks for one (every 2 s for the first ten
    // minutes); when it has come, the icon shows and the program behaves from then on as if
    // it had been there at start.
    void TepsiyiDene();
    bool TepsiVar() const { return tepsiVar_; }

    // Running state, read by tests and the other windows.
    const QDateTime& SeciliTarih() const { return seciliTarih_; }
    void setSeciliTarih(const QDateTime& t) { seciliTarih_ = t; }
    const std::array<double, 6>& GunlukVakitler() const { return gunlukVakitler_; }
    int GosterilenSayfa() const { return gosterilenSayfa_; }
    int SayfaUstu() const { return sayfaUstu_; }
    bool AniTimerAcik() const { return aniTimer_.isActive(); }
    bool KalanTimerAcik() const { return kalanTimer_.isActive(); }
    bool HerZamanUsttePencere() const { return ustte_; }
    const SesYollari& Yollar() const { return yollar_; }
    BolgeselAyarlar& Bolgesel() { return bolgesel_; }
    GenelAyarlar& Genel() { return genel_; }
    GeriSayim& Sayac() { return sayac_; }
    SesCalar& Ses() { return ses_; }

    // Controls.
    QLabel* FormIcon;
    Buton* GAyarUstte;
    Buton* BtnKapat;
    Buton* BtnEzan;
    std::array<Buton*, SayfaSayisi> Tablar;
    QWidget* TabCon;
    std::array<QWidget*, SayfaSayisi> TabSayfa;
    Etiket* LUlke;
    Etiket* LSehir;
    Etiket* LTMiladi;
    Etiket* LTHicri;
    Etiket* LTSaat;
    SayfaVakitler* Sayfa0;
    SayfaBolgesel* Sayfa1 = nullptr; // pages 1 to 4: null until SayfalariKur
    SayfaGenel* Sayfa2 = nullptr;
    SayfaHakkinda* Sayfa3 = nullptr;
    SayfaDiniGunler* Sayfa4 = nullptr;

    // The notification-area icon, the tray menu's window and the popup.
    NotifyIcon* TepsiSimge;
    // The popup and the tray menu, built after the first frame or when first needed.
    MenuForm* Menu();
    MesajForm* Mesaj();
    // The add-location dialog, opened by BtnSehirEkle; made on its first opening (null before),
    // as most runs never add a place.
    EkleForm* Ekle() const { return ekleForm_.get(); }

    // GenelAyarHedefi.
    void FormuGoster(const GenelAyarFormu& form) override;
    void SimgeSec(int secim) override;
    void HerZamanUstte(bool acik) override;
    void KapatIpucu(const QString& ipucu) override;
    bool OpaklikUygula(double opaklik) override;

    // BolgeselAyarHedefi.
    int ListeSecili() const override;
    int ListeAktif() const override;
    void setListeAktif(int konum) override;
    void setListeSecili(int konum) override;
    const vkListItem* ListeSatiri(int konum) const override;
    void ListeyiDoldur(clsFastCollection& satirlar) override;
    BolgeselAyarFormu FormuOku() const override;
    void FormuGoster(const BolgeselAyarFormu& form) override;
    void YerGoster(const QString& ulke, const QString& sehir, const QString& ipucu) override;
    void EzanDugmesi(bool etkin) override;
    void Uyar(const QString& baslik, const QString& metin) override;
    bool Onayla(const QString& baslik, const QString& metin) override;
    void UyariyiSifirla() override;

    // EkleHedefi.
    Sonuc<> KonumEkle(const EkleGirdisi& girdi) override;

    // GeriSayimHedefi.
    void KalanGoster(const QString& kalan, const QString& ipucu) override;
    void SaatGoster(const QString& saat) override;
    void VakitDegisti(int satir, const QString& vakitMetni, const QString& sonrakiMetni) override;
    void UyariGoster(const QString& oncu, const QString& sure, const QString& son) override;
    void SesCal(const QString& yol, SesTuru tur) override;
    void GunDegisti(const QDateTime& simdi) override;

signals:
    // BtnSehirEkle: the add-location dialog takes it from here.
    void SehirEkleIstendi();
    // An advance warning for the popup: its three texts.
    void UyariIstendi(const QString& oncu, const QString& sure, const QString& son);
    // Whether "Ezanı Durdur" is enabled.
    void SessizEtkin(bool etkin);
    // The window has been unloaded: the tray icon and the other windows go.
    void Kapatildi();
    // The add-location dialog is to be unloaded.
    void EkleFormKapatIstendi();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void KontrolleriKur();
    void SayfalariBagla();
    void BildirimleriKur();
    // What the first frame does not show, done once it is on the screen: the buttons' other
    // pictures, the tray icon, the popup and the tray menu, the sounds asked for meanwhile.
    void IlkKareSonrasi();

public:
    // Pages 1 to 4, built after the first frame or when first shown; what their controls
    // were given meanwhile is put on them.
    void SayfalariKur();
    // Whether the part of the start-up that follows the first frame has run.
    bool BaslangicTamam() const { return ilkKareSonrasi_; }

private:
    void BildirimPencereleriniKur();
    void TepsiyiGoster();
    void EkSimgeOnizlemesi();
    void Form_Unload();
    void OpenURL(const QString& adres);
    void TarihEtiketiTiklandi();
    void BtnTarihSec_Click();
    void BtnBugun_Click();
    void GAyarUstte_Click();
    void BtnBolgeKaydet_Click();
    void BtnAyarKaydet_Click();
    void DosyaMesaji(const Hata& hata);
    void UstPaneliYerlestir();
    // Page 4 for the selected day's year, seen from the clock's day.
    void DiniGunleriGoster();

    AnaFormBaglami b_;
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
    bool tepsiVar_ = false;
    int gosterilenSayfa_ = 0;
    int sayfaUstu_ = 0; // twips below the page's resting place
    PencereSurukleyici surukleyici_{this};
    bool ustte_ = false;
    bool kapaniyor_ = false;
    bool yuklendi_ = false;
    bool gosterilecek_ = false; // shown once the start-up is done
    bool ilkKareCizildi_ = false;
    bool ilkKareSonrasi_ = false; // the start-up's deferred part has run
    bool tepsiGosterildi_ = false;
    QIcon programSimgesi_;
    QIcon secilenSimge_;         // the icon option's choice, the window's icon once it is set
    bool ekSimgeGuncel_ = false; // page 2's preview of eksimge.ico is up to date
    // Sounds asked for before the first frame, played after it in their order.
    std::vector<std::pair<QString, SesTuru>> bekleyenSesler_;
    QStringList bekleyenUyari_; // a warning asked for before it: its three texts
    // Pages 1 and 2 before they are built.
    clsFastCollection bekleyenSatirlar_;
    int bekleyenAktif_ = 0;
    BolgeselAyarFormu bekleyenBolgeselForm_;
    GenelAyarFormu bekleyenGenelForm_;
    QPixmap arkaplan_;
    // Top-level windows of their own, unloaded with the program.
    std::unique_ptr<MesajForm> mesajForm_;
    std::unique_ptr<MenuForm> menu_;
    std::unique_ptr<EkleForm> ekleForm_;
};
