#include "engine/DiniGunler.h"

#include <algorithm>

namespace {

constexpr int Muharrem = 1;
constexpr int RebiulEvvel = 3;
constexpr int Recep = 7;
constexpr int Saban = 8;
constexpr int Ramazan = 9;
constexpr int Sevval = 10;
constexpr int ZilHicce = 12;

// How a day is found from its Hijri day: that day, `Fark` days after it, or the day before
// the first Friday from it on (Regaib: the Thursday before the first Friday of Recep).
struct Kural
{
    const char* Anahtar;
    const char* Ad;
    int Ay;
    int Gun;
    bool Gece;
    int Fark = 0;
    bool IlkCumadanOnce = false;
};

// In the order of the Hijri year.
const Kural Kurallar[] = {
    {"hicri-yilbasi", "Hicri Yılbaşı", Muharrem, 1, false},
    {"asure-gunu", "Aşure Günü", Muharrem, 10, false},
    {"mevlid-kandili", "Mevlid Kandili", RebiulEvvel, 11, true},
    {"uc-aylarin-baslangici", "Üç Ayların Başlangıcı", Recep, 1, false},
    {"regaib-kandili", "Regaib Kandili", Recep, 1, true, -1, true},
    {"mirac-kandili", "Miraç Kandili", Recep, 26, true},
    {"berat-kandili", "Berat Kandili", Saban, 14, true},
    {"ramazan-baslangici", "Ramazan Başlangıcı", Ramazan, 1, false},
    {"kadir-gecesi", "Kadir Gecesi", Ramazan, 26, true},
    {"ramazan-bayrami-arefesi", "Ramazan Bayramı Arefesi", Sevval, 1, false, -1},
    {"ramazan-bayrami-1", "Ramazan Bayramı 1. Gün", Sevval, 1, false},
    {"ramazan-bayrami-2", "Ramazan Bayramı 2. Gün", Sevval, 2, false},
    {"ramazan-bayrami-3", "Ramazan Bayramı 3. Gün", Sevval, 3, false},
    {"kurban-bayrami-arefesi", "Kurban Bayramı Arefesi", ZilHicce, 9, false},
    {"kurban-bayrami-1", "Kurban Bayramı 1. Gün", ZilHicce, 10, false},
    {"kurban-bayrami-2", "Kurban Bayramı 2. Gün", ZilHicce, 11, false},
    {"kurban-bayrami-3", "Kurban Bayramı 3. Gün", ZilHicce, 12, false},
    {"kurban-bayrami-4", "Kurban Bayramı 4. Gün", ZilHicce, 13, false},
};

void Sirala(std::vector<DiniGun>& gunler)
{
    std::stable_sort(gunler.begin(), gunler.end(), [](const DiniGun& a, const DiniGun& b) {
        return a.Tarih != b.Tarih ? a.Tarih < b.Tarih : !a.Gece && b.Gece;
    });
}

} // namespace

std::vector<DiniGun> DiniGunler::HicriYili(qint64 hicriYil, int hicriGun)
{
    std::vector<DiniGun> gunler;
    for (const Kural& k : Kurallar) {
        QDate tarih = MiladiKarsiligi({k.Gun, k.Ay, hicriYil}, hicriGun);
        if (!tarih.isValid())
            continue;
        if (k.IlkCumadanOnce)
            tarih = tarih.addDays((Qt::Friday - tarih.dayOfWeek() + 7) % 7);
        tarih = tarih.addDays(k.Fark);
        gunler.push_back({tarih, QString::fromUtf8(k.Ad), k.Gece, HicriCevir(tarih, hicriGun),
                          QString::fromLatin1(k.Anahtar), hicriYil});
    }
    Sirala(gunler);
    return gunler;
}

std::vector<DiniGun> DiniGunler::Yili(int yil, int hicriGun)
{
    const QDate ilk(yil, 1, 1), son(yil, 12, 31);
    std::vector<DiniGun> gunler;
    if (!ilk.isValid() || !son.isValid())
        return gunler;
    // A day of a Hijri year lies within that year (a night before the 1st of Recep too), so
    // the Hijri years of the first and the last day hold every day of the Gregorian year.
    for (qint64 h = HicriCevir(ilk, hicriGun).Yil; h <= HicriCevir(son, hicriGun).Yil; ++h)
        for (DiniGun& g : HicriYili(h, hicriGun))
            if (g.Tarih.year() == yil)
                gunler.push_back(std::move(g));
    Sirala(gunler);
    return gunler;
}

std::vector<DiniGun> DiniGunler::Gunu(const QDate& gun, int hicriGun)
{
    std::vector<DiniGun> gunler;
    if (!gun.isValid())
        return gunler;
    for (DiniGun& g : Yili(gun.year(), hicriGun))
        if (g.Tarih == gun)
            gunler.push_back(std::move(g));
    return gunler;
}
