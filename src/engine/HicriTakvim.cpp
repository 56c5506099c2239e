#include "engine/HicriTakvim.h"

#include "engine/Yuvarlama.h"

#include <array>
#include <cmath>

namespace {

// Mean lengths in days; 1 January 1970 is 23 Şevval 1389.
constexpr double HicriYil = 354.37419;
constexpr double HicriAy = 29.531182;

const std::array<const char*, 12> Aylar{"Ocak",   "Şubat",   "Mart",  "Nisan", "Mayıs", "Haziran",
                                        "Temmuz", "Ağustos", "Eylül", "Ekim",  "Kasım", "Aralık"};

const std::array<const char*, 12> HicriAylar{
    "Muharrem", "Safer", "Rebiü'l-Evvel", "Rebiü'l-Ahir", "Cemaziye'l-Evvel", "Cemaziye'l-Ahir",
    "Recep",    "Şaban", "Ramazan",       "Şevval",       "Zi'l-Ka'de",       "Zi'l-Hicce"};

const std::array<const char*, 7> Gunler{"Pazartesi", "Salı",      "Çarşamba", "Perşembe",
                                        "Cuma",      "Cumartesi", "Pazar"};

} // namespace

HicriTarihi HicriCevir(const QDate& tarih, int hicriGun)
{
    const double gunler = static_cast<double>(QDate(1970, 1, 1).daysTo(tarih));
    const double y = CifteYuvarla(gunler / HicriYil);
    const double r1 = gunler - y * HicriYil;
    const double m = CifteYuvarla(r1 / HicriAy);
    const double r2 = r1 - m * HicriAy;

    HicriTarihi h;
    h.Yil = static_cast<qint64>(y) + 1389;
    qint64 ay = static_cast<qint64>(m) + 10;
    double gun = r2 + 23 + hicriGun;
    // A raw day more than half a day past a mean month belongs to the next month, one below
    // half a day to the month before: the 1st follows the 29th or the 30th, and a
    // correction of any size carries over as many months as it needs.
    while (gun - HicriAy > 0.5) {
        gun -= HicriAy;
        ++ay;
    }
    while (gun < 0.5) {
        gun += HicriAy;
        --ay;
    }
    gun = CifteYuvarla(gun);
    // Months 1..12, the year carried both ways.
    const qint64 yilFarki = (ay >= 1 ? ay - 1 : ay - 12) / 12;
    h.Yil += yilFarki;
    h.Ay = static_cast<int>(ay - yilFarki * 12);
    h.Gun = static_cast<int>(gun);
    return h;
}

QDate MiladiKarsiligi(const HicriTarihi& hicri, int hicriGun)
{
    // The mean lengths give the day to within one; the conversion itself decides.
    const double aylar = static_cast<double>(hicri.Yil - 1389) * 12 + (hicri.Ay - 10);
    const qint64 tahmin = static_cast<qint64>(
        std::llround(aylar * HicriAy + hicri.Gun - 23 - static_cast<double>(hicriGun)));
    const QDate orta = QDate(1970, 1, 1).addDays(tahmin);
    for (int fark : {0, -1, 1, -2, 2, -3, 3}) {
        const QDate d = orta.addDays(fark);
        if (d.isValid() && HicriCevir(d, hicriGun) == hicri)
            return d;
    }
    return {};
}

QString HicriAyAdi(int ay)
{
    if (ay < 1 || ay > 12)
        return {};
    return QString::fromUtf8(HicriAylar[static_cast<std::size_t>(ay - 1)]);
}

QString HicriMetni(const HicriTarihi& hicri)
{
    return QStringLiteral("%1 %2 %3").arg(hicri.Gun).arg(HicriAyAdi(hicri.Ay)).arg(hicri.Yil);
}

QString HicriTarih(const QDate& tarih, int hicriGun)
{
    if (!tarih.isValid())
        return {};
    return HicriMetni(HicriCevir(tarih, hicriGun));
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

QString HaftaGunu(const QDate& tarih)
{
    if (!tarih.isValid())
        return {};
    return QString::fromUtf8(Gunler[static_cast<std::size_t>(tarih.dayOfWeek() - 1)]);
}
