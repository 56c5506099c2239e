#pragma once

#include "locations/KonumDosyasi.h"
#include "locations/KonumSatirlari.h"
#include "shell/BolgeselAyarHedefi.h"

#include <QStringList>

// The regional page as the settings routines see it, on its own (Taban BolgeselAyarHedefi) or as
// part of the main window: a real place list, the form as it stands, and a record of what was
// shown, warned and asked.
template <class Taban> struct KayitliListe : Taban
{
    KonumSatirlari Konumlar;
    int Secili = -1, Gecerli = -1, Aktif = -1;
    BolgeselAyarFormu Form;
    QString Yer, Ipucu; // "country/city", the city's tool tip
    int EzanEtkin = -1;
    QStringList Uyarilar, Sorular;
    bool Cevap = true;

    int ListeSecili() const override { return Secili; }
    int ListeAktif() const override { return Aktif; }
    // The list clears the active row for a row outside it.
    void setListeAktif(int k) override { Aktif = k >= 0 && k < Konumlar.size() ? k : -1; }
    void setListeGecerli(int k) override { Gecerli = k; }
    const KonumKaydi* ListeSatiri(int k) const override
    {
        return k >= 0 && k < Konumlar.size() ? &Konumlar.at(k) : nullptr;
    }
    void ListeyiDoldur(KonumSatirlari satirlar) override
    {
        Konumlar = std::move(satirlar);
        Aktif = Secili = Gecerli = -1;
    }
    BolgeselAyarFormu FormuOku() const override { return Form; }
    void YerGoster(const QString& ulke, const QString& sehir, const QString& ipucu) override
    {
        Yer = ulke + u'/' + sehir;
        Ipucu = ipucu;
    }
    void EzanDugmesi(bool etkin) override { EzanEtkin = etkin ? 1 : 0; }
    void Uyar(const QString& baslik, const QString& metin) override
    {
        Uyarilar << baslik + u'|' + metin;
    }
    bool Onayla(const QString&, const QString& metin) override { return Sorular << metin, Cevap; }
};

// The regional page with data.db in `Klasor`, counting the recomputations and warning resets.
struct KayitliSayfa : KayitliListe<BolgeselAyarHedefi>, BolgeselUygulamaHedefi
{
    QString Klasor;
    int Hesaplama = 0, Sifirlama = 0;

    void FormuGoster(const BolgeselAyarFormu& f) override { Form = f; }
    void Hesapla() override { ++Hesaplama; }
    void UyariyiSifirla() override { ++Sifirlama; }
    KonumDosyasi Yerler() const override { return KonumDosyasi(Klasor); }
    void DosyaKayboldu(const Hata& h) override { Uyarilar << QStringLiteral("son|") + h.Metin; }
};
