#include "controls/MetinListesi.h"

QString MetinListesi::Sutun(int satir, int sutun) const
{
    if (satir < 1 || satir > SatirSayisi() || sutun < 0 || sutun > 3)
        return {};
    return satirlar_[satir - 1].Sutunlar[sutun];
}

int MetinListesi::Hiza(int satir) const
{
    return (satir >= 1 && satir <= SatirSayisi()) ? satirlar_[satir - 1].Hiza : 0;
}

QVariant MetinListesi::Simge(int satir) const
{
    return (satir >= 1 && satir <= SatirSayisi()) ? satirlar_[satir - 1].Simge : QVariant();
}

void MetinListesi::SiraUygula(const std::vector<int>& sira)
{
    std::vector<Satir> yeni;
    yeni.reserve(sira.size());
    for (int konum : sira)
        yeni.push_back(std::move(satirlar_[konum - 1]));
    satirlar_ = std::move(yeni);
}

int MetinListesi::MetinEkle(const QString& metin, int once, int hiza)
{
    Satir s;
    s.Sutunlar[0] = metin;
    s.Hiza = hiza;
    const bool araya = once >= 1 && once <= SatirSayisi();
    const int konum = araya ? once : SatirSayisi() + 1;
    satirlar_.insert(satirlar_.begin() + (konum - 1), std::move(s));
    return konum;
}
