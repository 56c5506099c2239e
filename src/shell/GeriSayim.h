#pragma once

#include "engine/DiniGun.h"
#include "shell/SesYollari.h"
#include "shell/UyariAyarlari.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <array>
#include <vector>

class Saat;
class GeriSayimHedefi;

// The KalanTimer countdown of the main window. Each tick (once a second) it finds the
// running period, shows the time left to the next time and the clock, gives the advance
// warning once per period (VakitUyari), and on a new period moves the highlight, changes the
// texts and plays the ezan. When the date differs from the one the times were last computed
// for, it asks its output to recompute first.
//
// The six times are read through a reference to the owner's GunlukVakitler, which the
// owner's Hesapla rewrites. Periods are cyclic intervals [T_i, T_i+1), Yatsı running to
// İmsak; a time that wrapped past midnight (far north, Yatsı after 00:00) then still gives
// every period its own stretch of the day. A tick allocates nothing unless it warns, greets,
// changes the period or recomputes, or on the first tick of a date looks up its religious days.
//
// On a religious day the popup also greets it once (DiniGunHatirlat), with no sound: a night
// at the first tick at or after Akşam, a day at the first tick at or after İmsak, of the times
// the countdown runs against; a program started later that day greets it on its first tick.
// Never in a tick that warned: the greeting waits for the next one.
class GeriSayim
{
public:
    GeriSayim(const Saat& saat, const std::array<double, 6>& gunlukVakitler,
              GeriSayimHedefi& cikis);

    void AyarlariUygula(const UyariAyarlari& ayarlar) { ayarlar_ = ayarlar; }
    void SesYollariniAyarla(const SesYollari& yollar) { yollar_ = yollar; }
    // The clock caption's locale (the user's at construction otherwise).
    void setSaatYereli(const QLocale& yerel);

    // The religious days' greeting on or off, and the Hijri correction they are dated with.
    // Off until set. Setting it again the same day greets nothing twice.
    void DiniGunleriAyarla(bool hatirlat, int hicriGun);

    // Applying the regional settings opens a new warning window.
    void UyariyiSifirla() { uyariVerildi_ = false; }

    // One KalanTimer tick.
    void KalanTimerTick();

    // The period keys ("ogle"), empty before the first tick.
    QString AktifVakitAnahtari() const;
    // Seconds to the next time as of the last tick.
    int Kalan() const { return kalanSaniye_; }
    // The date the times were last computed for. The owner sets it when it computed them
    // before the first tick: a first tick on a later day rolls over.
    void setHesapGunu(const QDate& gun) { hesaplananGun_ = gun; }

    // The texts of the period table, by index.
    static const std::array<QString, 6> IpucuMetinleri;   // "Öğle'ye Kalan Süre"
    static const std::array<QString, 6> VakitMetinleri;   // "Şimdi Güneş Vakti"
    static const std::array<QString, 6> UyariOnMetinleri; // "Öğle Vaktine "

private:
    void VakitUyari(int vakit, double kalan);
    void VakitDegisimi(int c);
    void DiniGunHatirlat(const QDate& bugun, int c);

    const Saat& saat_;
    const std::array<double, 6>& vakitler_;
    GeriSayimHedefi& hedef_;
    UyariAyarlari ayarlar_;
    SesYollari yollar_;
    QLocale saatYereli_;
    QString saatKalibi_; // the locale's long time format without its time zone

    int aktif_ = -1;
    int onceki_ = -1;
    bool uyariVerildi_ = false;
    int kalanSaniye_ = 0;
    QDate hesaplananGun_;

    QString kalanMetni_; // reused LKalan caption

    bool diniGunHatirlat_ = false;
    int hicriGun_ = 0;
    QDate diniGunTarihi_; // the day bugununDiniGunleri_ are of; invalid: to be read
    std::vector<DiniGun> bugununDiniGunleri_;
    QDate hatirlatmaGunu_;        // the day the greetings below were given on
    QStringList hatirlatilanlar_; // their Anahtar
};
