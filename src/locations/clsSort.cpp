#include "locations/clsSort.h"

#include "locations/KonumDosyasi.h"

#include <algorithm>
#include <vector>

namespace {

// Ordinal order of UTF-16 code units; a common prefix puts the shorter text first.
bool Kucuk(const QString& a, const QString& b)
{
    return std::lexicographical_compare(a.utf16(), a.utf16() + a.size(), b.utf16(),
                                        b.utf16() + b.size());
}
bool Kucuk(double a, double b)
{
    return a < b;
}

// The quicksort with the middle row's key as pivot, taken once, over the rows' positions
// (s) and their keys read beforehand (k, by position).
template <typename K>
void HizliSirala(std::vector<int>& s, const std::vector<K>& k, int lo, int hi, bool artan)
{
    const K pivot = k[s[(lo + hi) / 2]]; // a copy: positions move below
    int i = lo, j = hi;
    do {
        if (artan) {
            while (Kucuk(k[s[i]], pivot))
                ++i;
            while (Kucuk(pivot, k[s[j]]))
                --j;
        } else {
            while (Kucuk(pivot, k[s[i]]))
                ++i;
            while (Kucuk(k[s[j]], pivot))
                --j;
        }
        if (i <= j) {
            std::swap(s[i], s[j]);
            ++i;
            --j;
        }
    } while (i <= j);
    if (lo < j)
        HizliSirala(s, k, lo, j, artan);
    if (i < hi)
        HizliSirala(s, k, i, hi, artan);
}

// Whether every row has the key of row 1; numbers of the place are compared as printed, so
// differences beyond 15 significant digits count as equal.
template <typename Esit> bool HepsiAyni(const clsFastCollection& liste, Esit esit)
{
    const vkListItem& ilk = *liste.Item(1);
    for (int i = 2; i <= liste.Count(); ++i)
        if (!esit(ilk, *liste.Item(i)))
            return false;
    return true;
}

template <typename Anahtar> bool Sirala(clsFastCollection& liste, bool artan, Anahtar anahtar)
{
    using K = std::decay_t<decltype(anahtar(*liste.Item(1)))>;
    std::vector<K> k(liste.Count() + 1);
    std::vector<int> s(liste.Count());
    for (int i = 1; i <= liste.Count(); ++i) {
        k[i] = anahtar(*liste.Item(i));
        s[i - 1] = i;
    }
    HizliSirala(s, k, 0, int(s.size()) - 1, artan);
    liste.Yerlestir(s);
    return true;
}

template <typename Anahtar>
bool SayiylaSirala(clsFastCollection& liste, bool artan, Anahtar anahtar)
{
    if (HepsiAyni(liste, [&](const vkListItem& a, const vkListItem& b) {
            return KonumDosyasi::SayiMetni(anahtar(a)) == KonumDosyasi::SayiMetni(anahtar(b));
        }))
        return false;
    return Sirala(liste, artan, anahtar);
}

template <typename Anahtar>
bool MetinleSirala(clsFastCollection& liste, bool artan, Anahtar anahtar)
{
    if (HepsiAyni(liste, [&](const vkListItem& a, const vkListItem& b) {
            return anahtar(a) == anahtar(b);
        }))
        return false;
    return Sirala(liste, artan, anahtar);
}

} // namespace

bool clsSort::SortList(clsFastCollection& liste, bool artan, int SortField) const
{
    if (liste.Count() < 2)
        return false;
    switch (SortField) {
    case UlkeAlani:
        return MetinleSirala(liste, artan, [](const vkListItem& s) { return s.Ulke(); });
    case SehirAlani:
        return MetinleSirala(liste, artan, [](const vkListItem& s) { return s.Sehir(); });
    case TzAlani:
        return SayiylaSirala(liste, artan, [](const vkListItem& s) { return s.Tz(); });
    case EnlemAlani:
        return SayiylaSirala(liste, artan, [](const vkListItem& s) { return s.Enlem(); });
    case BoylamAlani:
        return SayiylaSirala(liste, artan, [](const vkListItem& s) { return s.Boylam(); });
    case SiraAlani: {
        auto sira = [](const vkListItem& s) { return double(s.Sira()); };
        if (HepsiAyni(liste, [&](const vkListItem& a, const vkListItem& b) {
                return a.Sira() == b.Sira();
            }))
            return false;
        return Sirala(liste, artan, sira);
    }
    default:
        return false;
    }
}

bool clsSort::SortItems(clsFastCollection& liste, int SortType, int SortSutun) const
{
    if (SortType == 2 || liste.Count() < 2)
        return false;
    SortList(liste, SortType == 0, SortSutun);
    return true;
}
