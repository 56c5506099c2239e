#pragma once

#include "platform/Sonuc.h"

#include <QString>
#include <QtGlobal>

class AyarDeposu;
struct KonumKaydi;
struct VakitGirdisi;

// The chosen place as the settings keep it: bIndex, bUlke, bSehir, bTz, bEnlem, bBoylam. Its
// defaults are the first-run place, İstanbul.
struct SeciliKonum
{
    qint16 Id = 6817; // Id of the place's row in data.db (bIndex)
    QString Ulke = QStringLiteral("Türkiye");
    QString Sehir = QStringLiteral("İstanbul");
    double Tz = 2;         // standard offset from GMT, hours
    double Enlem = 41.02;  // latitude, north positive
    double Boylam = 28.97; // longitude, east positive

    static SeciliKonum Kayittan(const KonumKaydi& kayit);

    // The stored place; absent keys keep their defaults. A stored value that cannot be read
    // or lies outside its range makes the whole stored place unusable (a place made of two
    // would be wrong by hours): the first-run place comes back and `hata` names the key.
    static SeciliKonum Oku(const AyarDeposu& depo, QString* hata = nullptr);

    // Stores the six keys at once.
    Sonuc<> Yaz(AyarDeposu& depo) const;

    // Puts the place (latitude, longitude, zone, country) into the computation's input.
    void Doldur(VakitGirdisi& g) const;

    bool operator==(const SeciliKonum& o) const
    {
        return Id == o.Id && Ulke == o.Ulke && Sehir == o.Sehir && Tz == o.Tz && Enlem == o.Enlem &&
               Boylam == o.Boylam;
    }
};
