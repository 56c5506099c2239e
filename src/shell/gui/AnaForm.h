#pragma once

#include "locations/KonumSatirlari.h"
#include "platform/gui/PencereSurukleyici.h"
#include "shell/AnaFormHedefi.h"
#include "shell/Program.h"
#include "shell/gui/AnaFormBaglami.h"

#include <QIcon>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <memory>

class Buton;
class EkleForm;
class MesajForm;
class NotifyIcon;
class Etiket;
class QLabel;
class SayfaBolgesel;
class SayfaDiniGunler;
class SayfaGenel;
class SayfaHakkinda;
class SayfaVakitler;
class TepsiMenusu;

// The main window: a 242 x 341 frameless, picture-skinned window with the title strip, the
// place and date panel, the page area with five pages and the tab buttons. It builds and
// paints them and hands the user's clicks to the running program (Program), which tells it
// what to show.
class AnaForm : public QWidget, public AnaFormHedefi
{
    Q_OBJECT
public:
    static constexpr int Genislik = Program::PencereGenisligi;
    static constexpr int Yukseklik = Program::PencereYuksekligi;
    static constexpr int SayfaSayisi = Program::SayfaSayisi;

    explicit AnaForm(const AnaFormBaglami& baglam, QWidget* parent = nullptr);
    ~AnaForm() override;

    Program& Programi() { return program_; }

    // Controls.
    QLabel* FormIcon;
    Buton* GAyarUstte;
    Buton* BtnKapat;
    Buton* BtnEzan;
    std::array<Buton*, SayfaSayisi> SekmeDugmeleri;
    QWidget* SayfaAlani;
    std::array<QWidget*, SayfaSayisi> Sayfalar;
    Etiket* LUlke;
    Etiket* LSehir;
    Etiket* LTMiladi;
    Etiket* LTHicri;
    Etiket* LTSaat;
    SayfaVakitler* VakitlerSayfasi;
    // Pages 1 to 4: null until SayfalariKur.
    SayfaBolgesel* BolgeselSayfa = nullptr;
    SayfaGenel* GenelSayfa = nullptr;
    SayfaHakkinda* HakkindaSayfasi = nullptr;
    SayfaDiniGunler* DiniGunlerSayfasi = nullptr;

    // The notification-area icon and its menu.
    NotifyIcon* TepsiSimge;
    TepsiMenusu* Menu() const { return menu_.get(); }
    // The popup, built after the first frame or when first needed.
    MesajForm* Mesaj();
    // The add-location dialog, opened by BtnSehirEkle; made on its first opening (null before),
    // as most runs never add a place.
    EkleForm* Ekle() const { return ekleForm_.get(); }

    // Pages 1 to 4, built after the first frame or when first shown; what their controls
    // were given meanwhile is put on them.
    void SayfalariKur();

    // AnaFormHedefi.
    Ekran EkranAlani() const override;
    void PencereyiTasi(QPoint konum) override;
    void PencereyiGoster() override;
    void PencereyiGizle() override;
    void PencereyiKapat() override;
    void HerZamanUstte(bool acik) override;
    bool TepsiAlaniVar() const override;
    void TepsiyiGoster() override;
    void TepsiyiGizle() override;
    void Uyar(const QString& baslik, const QString& metin) override;
    void DurdurucuMesaj(const QString& baslik, const QString& metin) override;
    bool Onayla(const QString& baslik, const QString& metin) override;
    void IlkKareSonrasiKur() override;
    void SayfaGoster(int sayfa, int ust) override;
    void SayfaKaydir(int sayfa, int ust) override;
    void DiniGunleriGoster(int yil, int hicriGun, const QDate& bugun) override;
    void VakitleriGoster(const VakitSonucu& sonuc) override;
    void KalanGoster(const QString& kalan, const QString& ipucu) override;
    void SaatGoster(const QString& saat) override;
    void VakitDegisti(int satir, const QString& vakitMetni, const QString& sonrakiMetni) override;
    void UyariGoster(const QString& oncu, const QString& sure, const QString& son) override;
    void EzanDurumu(int currentEvent) override;
    void SessizEtkin(bool etkin) override;
    void FormuGoster(const GenelAyarFormu& form) override;
    void SimgeSec(int secim) override;
    void KapatIpucu(const QString& ipucu) override;
    bool OpaklikUygula(double opaklik) override;
    int ListeSecili() const override;
    int ListeAktif() const override;
    void setListeAktif(int satir) override;
    void setListeGecerli(int satir) override;
    const KonumKaydi* ListeSatiri(int satir) const override;
    void ListeyiDoldur(KonumSatirlari satirlar) override;
    BolgeselAyarFormu FormuOku() const override;
    void FormuGoster(const BolgeselAyarFormu& form) override;
    void YerGoster(const QString& ulke, const QString& sehir, const QString& ipucu) override;
    void EzanDugmesi(bool etkin) override;
    void EkleFormunuKapat() override;
    void AdresAc(const QString& adres) override;

signals:
    // An advance warning or a greeting for the popup: its three texts.
    void UyariIstendi(const QString& oncu, const QString& sure, const QString& son);

protected:
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void KontrolleriKur();
    void KontrolleriBagla();
    void TepsiyiKur();
    void BildirimPencereleriniKur();
    void EkSimgeOnizlemesi();
    void TarihCercevesiniAc();
    void TarihSecildi();
    void BuguneDon();
    void EkleFormunuAc();
    void UstPaneliYerlestir();

    AnaFormBaglami b_;
    Program program_;
    PencereSurukleyici surukleyici_{this};
    bool ilkKareSonrasi_ = false; // IlkKareSonrasiKur has run
    QIcon programSimgesi_;
    QIcon secilenSimge_;         // the icon option's choice, the window's icon once it is set
    bool ekSimgeGuncel_ = false; // page 2's preview of eksimge.ico is up to date
    // Pages 1, 2 and 4 before they are built.
    KonumSatirlari bekleyenSatirlar_;
    int bekleyenAktif_ = -1;
    BolgeselAyarFormu bekleyenBolgeselForm_;
    GenelAyarFormu bekleyenGenelForm_;
    struct DiniGunGorunumu
    {
        int Yil = 0, HicriGun = 0;
        QDate Bugun;
    } dinigunler_;
    QPixmap arkaplan_;
    // Top-level windows of their own, unloaded with the program.
    std::unique_ptr<MesajForm> mesajForm_;
    std::unique_ptr<TepsiMenusu> menu_;
    std::unique_ptr<EkleForm> ekleForm_;
};
