#pragma once

#include "locations/KonumListesi.h"
#include "shell/BolgeselAyarHedefi.h"

#include <QStringList>

// The regional page as the settings routines see it: a real place list, the form as it
// stands, and a record of what was shown, warned and asked.
struct KayitliSayfa : BolgeselAyarHedefi
{
    KonumListesi Konumlar;
    int Secili = 0;
    int Aktif = 0;
    BolgeselAyarFormu Form;
    QString Yer, Ipucu; // "country/city", the city's tool tip
    int EzanEtkin = -1;
    QStringList Uyarilar, Sorular;
    bool Cevap = true;
    int Hesaplama = 0, Sifirlama = 0;

    int ListeSecili() const override { return Secili; }
    int ListeAktif() const override { return Aktif; }
    // The list clears the active row for a position outside it.
    void setListeAktif(int k) override { Aktif = Konumlar.Item(k) ? k : 0; }
    void setListeSecili(int k) override { Secili = k; }
    const vkListItem* ListeSatiri(int k) const override { return Konumlar.Item(k); }
    void ListeyiDoldur(clsFastCollection& satirlar) override
    {
        Konumlar.Doldur(satirlar);
        Aktif = Secili = 0;
    }
    BolgeselAyarFormu FormuOku() const override { return Form; }
    void FormuGoster(const BolgeselAyarFormu& f) override { Form = f; }
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
    bool Onayla(const QString&, const QString& metin) override
    {
        Sorular << metin;
        return Cevap;
    }
    void Hesapla() override { ++Hesaplama; }
    void UyariyiSifirla() override { ++Sifirlama; }
};
