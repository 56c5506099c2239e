#pragma once

#include "locations/KodSayfasi.h"
#include "locations/KonumSatirlari.h"
#include "support/Dosya.h"

#include <initializer_list>
#include <utility>
#include <vector>

// Windows-1254 bytes of a UTF-8 literal: the file's own encoding.
inline QByteArray W1254(const char* utf8)
{
    QByteArray bayt;
    KodSayfasi::Kodla(QString::fromUtf8(utf8), bayt);
    return bayt;
}

// (country, city) rows numbered on from the last Id, as the reader would fill them.
inline void Doldur(KonumSatirlari& liste,
                   std::initializer_list<std::pair<const char*, const char*>> satirlar)
{
    for (const auto& [ulke, sehir] : satirlar)
        liste.Ekle({liste.size() + 1, ulke, sehir});
}

// The list with one row's Id changed.
inline void IdDegistir(KonumSatirlari& liste, int satir, int id)
{
    QVector<KonumKaydi> kayitlar = liste.Kayitlar();
    kayitlar[satir].Id = id;
    liste = KonumSatirlari(std::move(kayitlar));
}

// The Id of every row, in list order.
inline std::vector<int> Idler(const KonumSatirlari& c)
{
    std::vector<int> idler;
    for (const KonumKaydi& k : c.Kayitlar())
        idler.push_back(k.Id);
    return idler;
}
