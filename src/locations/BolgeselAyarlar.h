#pragma once

#include "locations/KonumEkleme.h"
#include "locations/SeciliKonum.h"

#include <QString>
#include <QtGlobal>

class AyarDeposu;
class KonumDosyasi;
class clsFastCollection;
class vkListItem;

// The state of the "Bölgesel Ayarlar" page's option controls.
struct BolgeselAyarFormu
{
    bool Ezan = true;        // AyarEzan
    bool Uyari = true;       // AyarUyari
    QString Dakika = "15";   // AyarDakika, as typed
    bool Sesli = true;       // AyarSesliUyari
    int Hesap = 0;           // index selected in AyarHesap
    bool DakikaEtkin = true; // AyarDakika and AyarSesliUyari enabled (follows Uyari)

    bool operator==(const BolgeselAyarFormu& o) const
    {
        return Ezan == o.Ezan && Uyari == o.Uyari && Dakika == o.Dakika && Sesli == o.Sesli &&
               Hesap == o.Hesap && DakikaEtkin == o.DakikaEtkin;
    }
};

// What the regional routines read from and do to the windows; the main window implements it.
class BolgeselAyarHedefi
{
public:
    virtual ~BolgeselAyarHedefi() = default;

    // The location list Db: positions are 1-based, 0 for none.
    virtual int ListeSecili() const = 0;
    virtual int ListeAktif() const = 0;
    virtual void setListeAktif(int konum) = 0;
    virtual void setListeSecili(int konum) = 0;
    // The row at the position, or nullptr outside the list.
    virtual const vkListItem* ListeSatiri(int konum) const = 0;
    // The list's rows replaced by these (data.db as it is now), in their order.
    virtual void ListeyiDoldur(clsFastCollection& satirlar) = 0;

    // The page's controls as they stand now, and putting values on them.
    virtual BolgeselAyarFormu FormuOku() const = 0;
    virtual void FormuGoster(const BolgeselAyarFormu& form) = 0;

    // LUlke and LSehir captions and the LSehir tool tip.
    virtual void YerGoster(const QString& ulke, const QString& sehir, const QString& ipucu) = 0;
    // BtnEzan: enabled pictures (ButtonEvents 1, CurrentEvent 0) or disabled (2, 2).
    virtual void EzanDugmesi(bool etkin) = 0;

    // A warning box with an OK button, no icon.
    virtual void Uyar(const QString& baslik, const QString& metin) = 0;
    // The method question with the information icon, Yes and No; true for Yes.
    virtual bool Onayla(const QString& baslik, const QString& metin) = 0;

    // Recomputes the day's times from the working values.
    virtual void Hesapla() = 0;
    // Clears the countdown's UyariVerildi.
    virtual void UyariyiSifirla() = 0;
};

// BolgeselAyarKaydet and BolgeselAyarUygula without the widgets, and the working values they
// keep for the whole run: the chosen place, the method and the alert options.
class BolgeselAyarlar
{
public:
    BolgeselAyarlar(AyarDeposu& depo, BolgeselAyarHedefi& hedef);

    // Working values.
    SeciliKonum Konum;
    bool Ezan = true;
    bool Uyari = true;
    int Dakika = 15;
    bool Sesli = true;
    int VakitHesap = 0;

    enum class Sonuc
    {
        Kaydedildi,
        SatirYok,       // no row chosen: "Lütfen Listeden bir Şehir / Bölge seçiniz."
        DakikaGecersiz, // the minutes are not a whole number 0..546: nothing stored
        Yazilamadi,     // the settings file cannot be written (the message was shown)
    };

    // Takes the page into the store (the selected row becomes the active location), asks
    // before a change of method, then BolgeselAyarUygula. Every input is checked before
    // anything changes: a refused save leaves the list and the store as they were.
    Sonuc BolgeselAyarKaydet();
    // Reads the store into the working values, shows them and recomputes. A stored place
    // that cannot be used is reported once and the first-run place shown instead.
    void BolgeselAyarUygula();

    // The add dialog's save: the page's minutes and the settings file are checked first; then
    // the place is appended to data.db as it is on disk now (KonumEkleme::DosyayaEkle), the
    // list refilled from the file with the new row active and selected, and the row stored as
    // the chosen place. The outcome of the file; the message to show when nothing was added.
    struct EklemeSonucu
    {
        bool Eklendi = false;
        KonumDosyasiSonucu Dosya = KonumDosyasiSonucu::Tamam;
        QString Mesaj;
    };
    EklemeSonucu KonumEkle(KonumDosyasi& dosya, const EkleGirdisi& girdi);

    // AyarUyari clicked: the minutes box and the sound switch follow it.
    static void UyariDegisti(BolgeselAyarFormu& form);

private:
    // The checks of a save that come before any change; the message when one fails.
    std::optional<QString> Denetle(const BolgeselAyarFormu& form, Sonuc& sonuc) const;

    AyarDeposu& Depo;
    BolgeselAyarHedefi& Hedef;
};
