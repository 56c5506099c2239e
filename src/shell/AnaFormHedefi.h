#pragma once

#include "shell/BolgeselAyarHedefi.h"
#include "shell/GenelAyarHedefi.h"

#include <QDate>
#include <QPoint>
#include <QRect>
#include <QString>

struct Hata;
struct VakitSonucu;

// What the program shows through its main window: the window itself, the tray icon, the
// message boxes, the pages and what they display, the regional page and the place list as the
// regional routines use them, the general page and the window's options as the general
// settings apply them. AnaForm implements it; tests record it.
class AnaFormHedefi : public BolgeselAyarHedefi, public GenelAyarHedefi
{
public:
    virtual ~AnaFormHedefi() = default;

    // The screen the window is on, in pixels: the whole of it and the part the desktop's
    // panels leave free.
    struct Ekran
    {
        QRect Tum;
        QRect Serbest;
    };
    virtual Ekran EkranAlani() const = 0;
    virtual void PencereyiTasi(QPoint konum) = 0;
    // Shown, raised and active; hidden; closed for good.
    virtual void PencereyiGoster() = 0;
    virtual void PencereyiGizle() = 0;
    virtual void PencereyiKapat() = 0;

    // The notification area: whether there is one now, and the icon in it.
    virtual bool TepsiAlaniVar() const = 0;
    virtual void TepsiyiGoster() = 0;
    virtual void TepsiyiGizle() = 0;

    // A message box with the stop icon and an OK button: a file the program cannot do
    // without (Uyar and Onayla are the regional page's, above).
    virtual void DurdurucuMesaj(const QString& baslik, const QString& metin) = 0;

    // What the start-up leaves until the first frame is on the screen: the buttons' other
    // pictures, the popup and the tray menu, the pages that are not shown.
    virtual void IlkKareSonrasiKur() = 0;

    // Page `sayfa` shown `ust` pixels below its resting place (the others hidden), its tab
    // button marked; then moved as it slides in.
    virtual void SayfaGoster(int sayfa, int ust) = 0;
    virtual void SayfaKaydir(int sayfa, int ust) = 0;
    // The religious-days page for `yil`, seen from the day `bugun`.
    virtual void DiniGunleriGoster(int yil, int hicriGun, const QDate& bugun) = 0;

    // The day's times with the two dates above them.
    virtual void VakitleriGoster(const VakitSonucu& sonuc) = 0;
    // The countdown's texts (see GeriSayimHedefi).
    virtual void KalanGoster(const QString& kalan, const QString& ipucu) = 0;
    virtual void SaatGoster(const QString& saat) = 0;
    virtual void VakitDegisti(int satir, const QString& vakitMetni,
                              const QString& sonrakiMetni) = 0;
    // The popup with the three texts of a warning or a greeting.
    virtual void UyariGoster(const QString& oncu, const QString& sure, const QString& son) = 0;
    // BtnEzan's state while a sound plays (1) or not (0); "Ezanı Durdur" enabled.
    virtual void EzanDurumu(int currentEvent) = 0;
    virtual void SessizEtkin(bool etkin) = 0;

    // The add-location dialog is unloaded, when it is open.
    virtual void EkleFormunuKapat() = 0;
    // Opens a web address in the user's browser; a failure is ignored.
    virtual void AdresAc(const QString& adres) = 0;
};
