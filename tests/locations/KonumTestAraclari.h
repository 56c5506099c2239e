#pragma once

#include "locations/KodSayfasi.h"
#include "locations/clsFastCollection.h"
#include "support/Dosya.h"

#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

// Windows-1254 bytes of a UTF-8 literal: the file's own encoding.
inline QByteArray W1254(const char* utf8)
{
    QByteArray bayt;
    KodSayfasi::Kodla(QString::fromUtf8(utf8), bayt);
    return bayt;
}

// A list of (country, city) rows numbered from 1, as the reader would fill it.
inline void Doldur(clsFastCollection& liste,
                   std::initializer_list<std::pair<const char*, const char*>> satirlar)
{
    for (const auto& [ulke, sehir] : satirlar) {
        KonumKaydi k;
        k.Id = liste.Count() + 1;
        k.Ulke = QString::fromUtf8(ulke);
        k.Sehir = QString::fromUtf8(sehir);
        const int konum = liste.Add(std::make_unique<vkListItem>(k));
        liste.Item(konum)->setIndex(konum);
    }
}

// The Id of every row, in list order.
inline std::vector<int> Idler(const clsFastCollection& c)
{
    std::vector<int> idler;
    for (int i = 1; i <= c.Count(); ++i)
        idler.push_back(c.Item(i)->Id());
    return idler;
}
