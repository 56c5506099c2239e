#pragma once

#include "platform/AyarAnahtari.h"
#include "platform/Sonuc.h"
#include "shell/GenelAyarHedefi.h"

#include <QString>

#include <functional>

class AyarDeposu;
class OturumAcmaKaydi;

// The general options: the working values, AyarKaydet and AyarUygula without the widgets,
// the opacity rules and the always-on-top switch.
class GenelAyarlar
{
public:
    // `hesapla` recomputes the day's times, last in AyarUygula (YazSaati and HicriGun take
    // effect).
    GenelAyarlar(AyarDeposu& depo, OturumAcmaKaydi* oturum, GenelAyarHedefi& hedef,
                 std::function<void()> hesapla);

    // The page's keys. Seffaflik is kept within 30..100 as the page keeps it: a hand-edited
    // 0 would make the window invisible.
    static constexpr MantiksalAnahtar BaslangicAnahtari{"Baslangic", true};
    static constexpr MantiksalAnahtar GorevSimgeAnahtari{"GorevSimge", true};
    static constexpr MantiksalAnahtar HerZamanUstteAnahtari{"HerZamanUstte", true};
    static constexpr MantiksalAnahtar YazSaatiAnahtari{"YazSaati", true};
    // The popup on a religious day or night ("Dini günleri hatırlat").
    static constexpr MantiksalAnahtar DiniGunHatirlatAnahtari{"DiniGunHatirlat", true};
    static constexpr TamsayiAnahtar SeffaflikAnahtari{"Seffaflik", 100, 30, 100, false, true};
    static constexpr TamsayiAnahtar HicriGunAnahtari{"HicriGun", 0, -32768, 32767, true};
    static constexpr TamsayiAnahtar SimgeAnahtari{"Simge", 1, -32768, 32767};

    // Working values, set by AyarUygula (HerZamanUstte also by UstteTiklandi).
    bool Baslangic = BaslangicAnahtari.Varsayilan;
    bool GorevSimge = GorevSimgeAnahtari.Varsayilan;
    bool HerZamanUstte = HerZamanUstteAnahtari.Varsayilan;
    bool YazSaati = YazSaatiAnahtari.Varsayilan;
    int Seffaflik = SeffaflikAnahtari.Varsayilan;
    int HicriGun = HicriGunAnahtari.Varsayilan;
    int Simge = SimgeAnahtari.Varsayilan;
    bool DiniGunHatirlat = DiniGunHatirlatAnahtari.Varsayilan;
    // Whether there is a notification area to hide the window to; the program keeps it up to
    // date.
    bool TepsiAlaniVar = true;
    // Whether the close button (and a "-startup") hides the window instead of ending: with the
    // icon option and a notification area to bring it back from.
    bool Gizlenir() const { return GorevSimge && TepsiAlaniVar; }

    // BtnAyarKaydet: the opacity checks, then AyarKaydet. Once saved the caller shows tab 0;
    // a failure's message is to be shown (title "Uyarı").
    Sonuc<> KaydetTiklandi(GenelAyarFormu form);
    // Stores the page, then AyarUygula. A Hijri correction that is not a whole number, or a
    // settings file that cannot be written, is refused before anything is stored.
    Sonuc<> AyarKaydet(const GenelAyarFormu& form);
    // Reads the store into the working values, shows them, applies them, recomputes.
    void AyarUygula();

    // The close button's tool tip: "Gizle" when it hides the window, else "Kapat".
    QString KapatIpucu() const;

    // GAyarUstte click with the button's new state: stores it at once and applies it to the
    // window; the button then shows HerZamanUstte. A failed write holds for this run.
    Sonuc<> UstteTiklandi(int currentEvent);

    // BtnArti / BtnEksi mouse-down: the new text of GAyarSeffaf; previews the opacity.
    QString ArtiBasildi(const QString& seffaf);
    QString EksiBasildi(const QString& seffaf);

    // SeffaflikUygula: 0 applied, 1 alpha outside 0..255 (nothing done), 2 platform error.
    int SeffaflikUygula(int alfa);

    // The opacity checks of BtnAyarKaydet: "" and non-numbers become "0", then 30..100.
    static QString SeffafDenetle(const QString& metin);
    static QString Arti(const QString& metin);
    static QString Eksi(const QString& metin);
    // alpha = 255 / 100 x percent, halves to even.
    static int Alfa(double yuzde);

private:
    AyarDeposu& depo_;
    OturumAcmaKaydi* oturum_;
    GenelAyarHedefi& hedef_;
    std::function<void()> hesapla_;
};

// A typed Hijri correction that is not a whole number.
inline constexpr const char* HicriGunHataMetni =
    "Hicri Takvim düzeltmesi bir tam sayı olmalıdır (gün).";
