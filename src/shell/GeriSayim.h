#pragma once

#include "shell/SaatBicimi.h"
#include "shell/SesYollari.h"
#include "shell/UyariAyarlari.h"

#include <QDate>
#include <QString>

#include <array>

class Saat;
class GeriSayimCikisi;

// The KalanTimer countdown of the main window. Each tick (once a second) it finds the
// running period, shows the time left to the next time and the clock, gives the advance
// warning once per period (VakitUyari), and on a new period moves the highlight, changes the
// texts and plays the ezan. When the date differs from the one the times were last computed
// for, it asks its output to recompute first.
//
// The six times are read through a reference to the owner's GunlukVakitler, which the
// owner's Hesapla rewrites. Periods are cyclic intervals [T_i, T_i+1), Yatsı running to
// İmsak; a time that wrapped past midnight (far north, Yatsı after 00:00) then still gives
// every period its own stretch of the day. A tick allocates nothing unless it warns, changes
// the period or recomputes.
class GeriSayim
{
public:
    GeriSayim(const Saat& saat, const std::array<double, 6>& gunlukVakitler,
              GeriSayimCikisi& cikis);

    void AyarlariUygula(const UyariAyarlari& ayarlar) { Ayarlar = ayarlar; }
    void SesYollariniAyarla(const SesYollari& yollar) { Yollar = yollar; }
    // The clock caption's format (the user's locale at construction otherwise).
    void SaatBiciminiAyarla(const SaatBicimi& bicim) { Bicim = bicim; }

    // Applying the regional settings opens a new warning window.
    void UyariyiSifirla() { UyariVerildiMi = false; }

    // One KalanTimer tick.
    void KalanTimerTick();

    // AktifVakit / OncekiVakit as indexes 0..5 of GunlukVakitler, -1 before the first tick.
    int AktifVakit() const { return Aktif; }
    int OncekiVakit() const { return Onceki; }
    // The period keys ("ogle"), empty before the first tick.
    QString AktifVakitAnahtari() const;
    bool UyariVerildi() const { return UyariVerildiMi; }
    // Seconds to the next time as of the last tick.
    int Kalan() const { return KalanSaniye; }
    // The date the times were last computed for, as the countdown knows it. The owner sets it
    // when it computed them before the first tick: a first tick on a later day rolls over.
    QDate HesapGunu() const { return HesaplananGun; }
    void setHesapGunu(const QDate& gun) { HesaplananGun = gun; }

    // The texts of the period table, by index.
    static const QString& IpucuMetni(int vakit);   // "Öğle'ye Kalan Süre"
    static const QString& VakitMetni(int vakit);   // "Şimdi Güneş Vakti"
    static const QString& UyariOnMetni(int vakit); // "Öğle Vaktine "

private:
    void VakitUyari(int vakit, double kalan);
    void VakitDegisimi(int c);

    const Saat& SaatKaynagi;
    const std::array<double, 6>& Vakitler;
    GeriSayimCikisi& Cikis;
    UyariAyarlari Ayarlar;
    SesYollari Yollar;
    SaatBicimi Bicim;

    int Aktif = -1;
    int Onceki = -1;
    bool UyariVerildiMi = false;
    int KalanSaniye = 0;
    QDate HesaplananGun;

    QString KalanMetni; // reused LKalan caption
    QString SaatMetni;  // reused LTSaat caption
};
