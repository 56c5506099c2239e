#include "locations/KonumListesi.h"

#include "locations/clsSort.h"

#include <QLocale>

namespace {

// Tz and Enlem as the user reads numbers: their decimal mark, no grouping, shortest form.
QString SayiMetni(double sayi)
{
    QLocale yerel;
    yerel.setNumberOptions(QLocale::OmitGroupSeparator);
    return yerel.toString(sayi, 'g', QLocale::FloatingPointShortest);
}

} // namespace

void KonumListesi::Doldur(clsFastCollection& satirlar)
{
    satirlar_ = std::move(satirlar);
    satirlar = clsFastCollection();
    Numarala();
}

void KonumListesi::Numarala()
{
    for (int i = 1; i <= satirlar_.Count(); ++i)
        satirlar_.Item(i)->setIndex(i);
}

int KonumListesi::SatirBul(const clsFastCollection& satirlar, const SeciliKonum& yer)
{
    if (yer.Index == 0)
        return 0;
    int ilk = 0;
    for (int i = 1; i <= satirlar.Count(); ++i) {
        const vkListItem* s = satirlar.Item(i);
        if (s->Id() != yer.Index)
            continue;
        if (s->Ulke() == yer.Ulke && s->Sehir() == yer.Sehir)
            return i;
        if (ilk == 0)
            ilk = i;
    }
    return ilk;
}

std::vector<int> KonumListesi::Sirala(int tur, int alan)
{
    Numarala(); // the old positions, read back after the sort
    clsSort().SortItems(satirlar_, tur, alan);
    std::vector<int> sira;
    sira.reserve(satirlar_.Count());
    for (int i = 1; i <= satirlar_.Count(); ++i)
        sira.push_back(satirlar_.Item(i)->Index());
    Numarala();
    return sira;
}

QString KonumListesi::Sutun(int satir, int sutun) const
{
    const vkListItem* s = satirlar_.Item(satir);
    if (!s)
        return {};
    switch (sutun) {
    case 0:
        return s->Ulke();
    case 1:
        return s->Sehir();
    case 2:
        return SayiMetni(s->Tz());
    case 3:
        return SayiMetni(s->Enlem());
    default:
        return {};
    }
}

int KonumListesi::Hiza(int satir) const
{
    const vkListItem* s = satirlar_.Item(satir);
    return s ? s->Alignment() : 0;
}

QVariant KonumListesi::Simge(int satir) const
{
    const vkListItem* s = satirlar_.Item(satir);
    return s ? s->Icon() : QVariant();
}

void KonumListesi::SiraUygula(const std::vector<int>& sira)
{
    satirlar_.Yerlestir(sira);
    Numarala();
}

int KonumListesi::MetinEkle(const QString& metin, int once, int hiza)
{
    auto satir = std::make_unique<vkListItem>();
    satir->setUlke(metin);
    satir->setAlignment(hiza);
    const int konum = satirlar_.Add(std::move(satir), once);
    Numarala();
    return konum;
}
