#pragma once

#include "locations/KonumEkleme.h"
#include "locations/SeciliKonum.h"
#include "shell/BolgeselAyarHedefi.h"
#include "shell/UyariAyarlari.h"

#include <QString>
#include <QtGlobal>

class AyarDeposu;
class KonumDosyasi;

// BolgeselAyarKaydet and BolgeselAyarUygula without the widgets, and the working values they
// keep for the whole run: the chosen place, the method and the alert options.
class BolgeselAyarlar : public EkleHedefi
{
public:
    BolgeselAyarlar(AyarDeposu& depo, BolgeselAyarHedefi& hedef, BolgeselUygulamaHedefi& program);

    // The computation method: an index into the five-row method table.
    static constexpr TamsayiAnahtar VakitHesapAnahtari{"VakitHesap", 0, 0, 4};

    // Working values.
    SeciliKonum Konum;
    UyariAyarlari Uyarilar;
    int VakitHesap = VakitHesapAnahtari.Varsayilan;

    // Why a save was refused: the Neden of its Sonuc.
    enum class Red
    {
        Yok,
        SatirYok = 200, // numbered apart from data.db's reasons, which an add passes on      // no
                        // row chosen: "Lütfen Listeden bir Şehir / Bölge seçiniz."
        DakikaGecersiz, // the minutes are not a whole number 0..546: nothing stored
        Yazilamadi,     // the settings file cannot be written
    };

    // Takes the page into the store (the selected row becomes the active location), asks
    // before a change of method, then BolgeselAyarUygula. Every input is checked before
    // anything changes: a refused save leaves the list and the store as they were. A refusal
    // has been shown (title "Uyarı") when this returns.
    Sonuc<> BolgeselAyarKaydet();
    // Reads the store into the working values, shows them and recomputes. A stored place
    // that cannot be used is reported once and the first-run place shown instead.
    void BolgeselAyarUygula();

    // The add dialog's save: the page's minutes and the settings file are checked first; then
    // the place is appended to data.db as it is on disk now (KonumEkleme::DosyayaEkle), the
    // list refilled from the file with the new row active and selected, and the row stored as
    // the chosen place. A refusal is shown with the application's title; its Neden is the
    // page's Red, a KonumDosyasiNedeni or KonumEkleme::GirdiReddi. A data.db gone meanwhile
    // ends the program.
    Sonuc<> KonumEkle(const EkleGirdisi& girdi) override;

    // AyarUyari clicked: the minutes box and the sound switch follow it.
    static void UyariDegisti(BolgeselAyarFormu& form);

private:
    // The checks of a save that come before any change.
    Sonuc<> Denetle(const BolgeselAyarFormu& form) const;

    AyarDeposu& depo_;
    BolgeselAyarHedefi& hedef_;
    BolgeselUygulamaHedefi& program_;
};
