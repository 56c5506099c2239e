#pragma once

// A hand-set clock and an output that records what the countdown does, for the countdown
// tests.

#include "platform/Saat.h"
#include "shell/GeriSayimHedefi.h"

#include <QDateTime>

#include <functional>
#include <vector>

class SahteSaat : public Saat
{
public:
    QDateTime Simdi() const override { return An; }
    QDateTime An;
};

struct Olay
{
    enum Tur
    {
        Uyari,   // popup: A, B, C = lead, remaining, tail
        Ses,     // A = path, Ses = kind
        Degisim, // Satir, A = LVakit, B = LSonrakiVakit
        YeniGun, // the recompute request
    };
    Tur Cesit;
    QDateTime Zaman; // the clock at the call
    int Satir = -1;
    QString A, B, C;
    SesTuru SesCesidi = SesTuru::Ezan;
};

class Kaydedici : public GeriSayimHedefi
{
public:
    explicit Kaydedici(const SahteSaat& saat) : Saat(saat) {}

    void KalanGoster(const QString& kalan, const QString& ipucu) override
    {
        ++KalanSayisi;
        if (MetinleriTut) {
            SonKalan = kalan;
            SonIpucu = ipucu;
        }
    }
    void SaatGoster(const QString& saat) override
    {
        ++SaatSayisi;
        if (MetinleriTut)
            SonSaat = saat;
    }
    void VakitDegisti(int satir, const QString& vakitMetni, const QString& sonrakiMetni) override
    {
        Ekle(Olay::Degisim, Saat.An, satir, vakitMetni, sonrakiMetni);
    }
    void UyariGoster(const QString& oncu, const QString& sure, const QString& son) override
    {
        Ekle(Olay::Uyari, Saat.An, -1, oncu, sure, son);
    }
    void SesCal(const QString& yol, SesTuru tur) override
    {
        Ekle(Olay::Ses, Saat.An, -1, yol).SesCesidi = tur;
    }
    void GunDegisti(const QDateTime& simdi) override
    {
        Ekle(Olay::YeniGun, simdi);
        if (YeniGunde)
            YeniGunde(simdi);
    }

    Olay& Ekle(Olay::Tur tur, const QDateTime& zaman, int satir = -1, const QString& a = {},
               const QString& b = {}, const QString& c = {})
    {
        Olay o;
        o.Cesit = tur;
        o.Zaman = zaman;
        o.Satir = satir;
        o.A = a;
        o.B = b;
        o.C = c;
        Olaylar.push_back(o);
        return Olaylar.back();
    }

    std::vector<Olay> Cesit(Olay::Tur tur) const
    {
        std::vector<Olay> sonuc;
        for (const Olay& o : Olaylar)
            if (o.Cesit == tur)
                sonuc.push_back(o);
        return sonuc;
    }

    const SahteSaat& Saat;
    std::vector<Olay> Olaylar;
    std::function<void(const QDateTime&)> YeniGunde;
    bool MetinleriTut = true; // off for long runs: a kept copy makes the next tick allocate
    QString SonKalan, SonIpucu, SonSaat;
    long long KalanSayisi = 0;
    long long SaatSayisi = 0;
};
