// The religious days of the Hijri year 1448 as the program dates them with no correction, and
// of the other years the days that move with the weekday or the month's length: the Regaib
// night of 1445, whose Friday is the 1st of Recep, so that the night falls in Cemaziye'l-Ahir,
// and that of 1447 in Recep's first week; the eve of 1447's 30-day Ramazan. 1448 has Regaib on
// the 1st of Recep itself and a 29-day Ramazan. The dates are the program's own calendar's:
// where a printed calendar differs by a day (it begins Ramazan 1447 on 19 February 2026, this
// program on the 18th), the user's correction moves them.
#include "engine/DiniGunler.h"
#include "support/QtYazdir.h"

#include <gtest/gtest.h>

TEST(DiniGunler, AHijriYearAndTheDaysThatMove)
{
    const QStringList beklenen{
        "2024-01-11 Regaib Kandili (gece), 29 Cemaziye'l-Ahir 1445",
        "2025-12-25 Regaib Kandili (gece), 5 Recep 1447",
        "2026-03-19 Ramazan Bayramı Arefesi, 30 Ramazan 1447",
        "2026-06-16 Hicri Yılbaşı, 1 Muharrem 1448",
        "2026-06-25 Aşure Günü, 10 Muharrem 1448",
        "2026-08-24 Mevlid Kandili (gece), 11 Rebiü'l-Evvel 1448",
        "2026-12-10 Üç Ayların Başlangıcı, 1 Recep 1448",
        "2026-12-10 Regaib Kandili (gece), 1 Recep 1448",
        "2027-01-04 Miraç Kandili (gece), 26 Recep 1448",
        "2027-01-22 Berat Kandili (gece), 14 Şaban 1448",
        "2027-02-08 Ramazan Başlangıcı, 1 Ramazan 1448",
        "2027-03-05 Kadir Gecesi (gece), 26 Ramazan 1448",
        "2027-03-08 Ramazan Bayramı Arefesi, 29 Ramazan 1448",
        "2027-03-09 Ramazan Bayramı 1. Gün, 1 Şevval 1448",
        "2027-03-10 Ramazan Bayramı 2. Gün, 2 Şevval 1448",
        "2027-03-11 Ramazan Bayramı 3. Gün, 3 Şevval 1448",
        "2027-05-15 Kurban Bayramı Arefesi, 9 Zi'l-Hicce 1448",
        "2027-05-16 Kurban Bayramı 1. Gün, 10 Zi'l-Hicce 1448",
        "2027-05-17 Kurban Bayramı 2. Gün, 11 Zi'l-Hicce 1448",
        "2027-05-18 Kurban Bayramı 3. Gün, 12 Zi'l-Hicce 1448",
        "2027-05-19 Kurban Bayramı 4. Gün, 13 Zi'l-Hicce 1448",
    };
    QStringList gunler;
    for (qint64 yil : {1445, 1447, 1448})
        for (const DiniGun& g : DiniGunler::HicriYili(yil, 0))
            if (yil == 1448 || g.Anahtar == "regaib-kandili" ||
                (yil == 1447 && g.Anahtar == "ramazan-bayrami-arefesi"))
                gunler << QStringLiteral("%1 %2%3, %4")
                              .arg(g.Tarih.toString(Qt::ISODate), g.Ad,
                                   g.Gece ? " (gece)" : QString(), HicriMetni(g.Hicri));
    EXPECT_EQ(gunler, beklenen);
    // Far corrections still find every day.
    for (int k : {-400, 400, 32767, -32768})
        EXPECT_EQ(DiniGunler::HicriYili(1448, k).size(), 18u) << k;
}
