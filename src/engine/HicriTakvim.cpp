#include "engine/HicriTakvim.h"

#include "engine/Yuvarlama.h"

#include <array>
#include <cmath>

namespace {

// Mean lengths in days; 1 January 1970 is 23 Şevval 1389.
constexpr double HicriYil = 354.37419;
constexpr double HicriAy = 29.531182;
constexpr double AySonuSiniri = 29.531188;

const std::array<const char*, 12> Aylar{"Ocak",   "Şubat",   "Mart",  "Nisan", "Mayıs", "Haziran",
                                        "Temmuz", "Ağustos", "Eylül", "Ekim",  "Kasım", "Aralık"};

const std::array<const char*, 12> HicriAylar{
    "Muharrem", "Safer", "Rebiü'l-Evvel", "Rebiü'l-Ahir", "Cemaziye'l-Evvel", "Cemaziye'l-Ahir",
    "Recep",    "Şaban", "Ramazan",       "Şevval",       "Zi'l-Ka'de",       "Zi'l-Hicce"};

} // namespace

QString HicriTarih(const QDate& tarih, int hicriGun)
{
    if (!tarih.isValid())
        return {};
    const double gunler = static_cast<double>(QDate(1970, 1, 1).daysTo(tarih));
    const double y = CifteYuvarla(gunler / HicriYil);
    const double r1 = gunler - y * HicriYil;
    const double m = CifteYuvarla(r1 / HicriAy);
    const double r2 = r1 - m * HicriAy;

    long long yil = static_cast<long long>(y) + 1389;
    int ay = static_cast<int>(m) + 10;
    double gun = r2 + 23 + hicriGun;
    // One month-end carry only; a day that rounds to 30 stays the 30th.
    if (gun > AySonuSiniri && CifteYuvarla(gun) != 30) {
        ++ay;
        gun = CifteYuvarla(gun - HicriAy);
    } else {
        gun = CifteYuvarla(gun);
    }
    if (ay > 12) {
        ay -= 12;
        ++yil;
    }
    // The rounding above keeps the month in 4..17 before the wrap; stay safe regardless.
    const int indeks = ((ay - 1) % 12 + 12) % 12;
    return QStringLiteral("%1 %2 %3")
        .arg(static_cast<long long>(gun))
        .arg(QString::fromUtf8(HicriAylar[static_cast<std::size_t>(indeks)]))
        .arg(yil);
}

QString MiladiTarih(const QDate& tarih)
{
    if (!tarih.isValid())
        return {};
    return QStringLiteral("%1 %2 %3")
        .arg(tarih.day())
        .arg(QString::fromUtf8(Aylar[static_cast<std::size_t>(tarih.month() - 1)]))
        .arg(tarih.year());
}
