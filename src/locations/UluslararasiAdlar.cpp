#include "locations/UluslararasiAdlar.h"

#include "locations/LLCase.h"

namespace {

struct Satir
{
    const char* Ulke;
    const char* Sehir;
    const char* Ad;
};

const Satir Satirlar[] = {
#include "locations/UluslararasiAdlar.inc"
};

} // namespace

const std::vector<UluslararasiAd>& UluslararasiAdlar()
{
    static const std::vector<UluslararasiAd> adlar = [] {
        std::vector<UluslararasiAd> v;
        v.reserve(std::size(Satirlar));
        for (const Satir& s : Satirlar) {
            const QString ulke = QString::fromUtf8(s.Ulke), sehir = QString::fromUtf8(s.Sehir),
                          ad = QString::fromUtf8(s.Ad);
            v.push_back({ulke, sehir, ad, LLCase(ulke), LLCase(sehir), LLCase(ad), SadeKatla(ulke),
                         SadeKatla(sehir), SadeKatla(ad)});
        }
        return v;
    }();
    return adlar;
}
