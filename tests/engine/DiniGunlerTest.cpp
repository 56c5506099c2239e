// The religious days of two Hijri years as the program dates them with no correction, and
// the Regaib night of 1445, whose Friday is the 1st of Recep, so that the night falls in
// Cemaziye'l-Ahir. 1448 has Regaib on the 1st of Recep itself and a 29-day Ramazan. The
// dates are the program's own calendar's: where a printed calendar differs by a day (it
// begins Ramazan 1447 on 19 February 2026), the user's correction moves them.
#include "engine/DiniGunler.h"

#include <gtest/gtest.h>

namespace {

constexpr bool Gun = false, Gece = true;

struct Satir
{
    const char* Tarih;
    const char* Ad;
    bool Gece;
    const char* Hicri;
};

QString Metin(const Satir& s)
{
    return QStringLiteral("%1 %2%3, %4")
        .arg(QString::fromLatin1(s.Tarih), QString::fromUtf8(s.Ad),
             s.Gece ? QStringLiteral(" (gece)") : QString(), QString::fromUtf8(s.Hicri));
}

QString Metin(const DiniGun& g)
{
    return QStringLiteral("%1 %2%3, %4")
        .arg(g.Tarih.toString(Qt::ISODate), g.Ad, g.Gece ? QStringLiteral(" (gece)") : QString(),
             HicriMetni(g.Hicri));
}

} // namespace

TEST(DiniGunler, TwoHijriYears)
{
    const Satir beklenen[] = {
        {"2024-01-11", "Regaib Kandili", Gece, "29 Cemaziye'l-Ahir 1445"},
        {"2025-06-27", "Hicri Yılbaşı", Gun, "1 Muharrem 1447"},
        {"2025-07-06", "Aşure Günü", Gun, "10 Muharrem 1447"},
        {"2025-09-04", "Mevlid Kandili", Gece, "11 Rebiü'l-Evvel 1447"},
        {"2025-12-21", "Üç Ayların Başlangıcı", Gun, "1 Recep 1447"},
        {"2025-12-25", "Regaib Kandili", Gece, "5 Recep 1447"},
        {"2026-01-15", "Miraç Kandili", Gece, "26 Recep 1447"},
        {"2026-02-02", "Berat Kandili", Gece, "14 Şaban 1447"},
        {"2026-02-18", "Ramazan Başlangıcı", Gun, "1 Ramazan 1447"},
        {"2026-03-15", "Kadir Gecesi", Gece, "26 Ramazan 1447"},
        {"2026-03-19", "Ramazan Bayramı Arefesi", Gun, "30 Ramazan 1447"},
        {"2026-03-20", "Ramazan Bayramı 1. Gün", Gun, "1 Şevval 1447"},
        {"2026-03-21", "Ramazan Bayramı 2. Gün", Gun, "2 Şevval 1447"},
        {"2026-03-22", "Ramazan Bayramı 3. Gün", Gun, "3 Şevval 1447"},
        {"2026-05-26", "Kurban Bayramı Arefesi", Gun, "9 Zi'l-Hicce 1447"},
        {"2026-05-27", "Kurban Bayramı 1. Gün", Gun, "10 Zi'l-Hicce 1447"},
        {"2026-05-28", "Kurban Bayramı 2. Gün", Gun, "11 Zi'l-Hicce 1447"},
        {"2026-05-29", "Kurban Bayramı 3. Gün", Gun, "12 Zi'l-Hicce 1447"},
        {"2026-05-30", "Kurban Bayramı 4. Gün", Gun, "13 Zi'l-Hicce 1447"},
        {"2026-06-16", "Hicri Yılbaşı", Gun, "1 Muharrem 1448"},
        {"2026-06-25", "Aşure Günü", Gun, "10 Muharrem 1448"},
        {"2026-08-24", "Mevlid Kandili", Gece, "11 Rebiü'l-Evvel 1448"},
        {"2026-12-10", "Üç Ayların Başlangıcı", Gun, "1 Recep 1448"},
        {"2026-12-10", "Regaib Kandili", Gece, "1 Recep 1448"},
        {"2027-01-04", "Miraç Kandili", Gece, "26 Recep 1448"},
        {"2027-01-22", "Berat Kandili", Gece, "14 Şaban 1448"},
        {"2027-02-08", "Ramazan Başlangıcı", Gun, "1 Ramazan 1448"},
        {"2027-03-05", "Kadir Gecesi", Gece, "26 Ramazan 1448"},
        {"2027-03-08", "Ramazan Bayramı Arefesi", Gun, "29 Ramazan 1448"},
        {"2027-03-09", "Ramazan Bayramı 1. Gün", Gun, "1 Şevval 1448"},
        {"2027-03-10", "Ramazan Bayramı 2. Gün", Gun, "2 Şevval 1448"},
        {"2027-03-11", "Ramazan Bayramı 3. Gün", Gun, "3 Şevval 1448"},
        {"2027-05-15", "Kurban Bayramı Arefesi", Gun, "9 Zi'l-Hicce 1448"},
        {"2027-05-16", "Kurban Bayramı 1. Gün", Gun, "10 Zi'l-Hicce 1448"},
        {"2027-05-17", "Kurban Bayramı 2. Gün", Gun, "11 Zi'l-Hicce 1448"},
        {"2027-05-18", "Kurban Bayramı 3. Gün", Gun, "12 Zi'l-Hicce 1448"},
        {"2027-05-19", "Kurban Bayramı 4. Gün", Gun, "13 Zi'l-Hicce 1448"},
    };
    std::vector<DiniGun> gunler;
    for (const DiniGun& g : DiniGunler::HicriYili(1445, 0))
        if (g.Ad == QStringLiteral("Regaib Kandili"))
            gunler.push_back(g);
    for (qint64 yil : {1447, 1448})
        for (const DiniGun& g : DiniGunler::HicriYili(yil, 0))
            gunler.push_back(g);
    ASSERT_EQ(gunler.size(), std::size(beklenen));
    for (std::size_t i = 0; i < gunler.size(); ++i) {
        EXPECT_EQ(Metin(gunler[i]), Metin(beklenen[i])) << i;
        // The Hijri day shown is the one the calendar reads on that date.
        EXPECT_EQ(gunler[i].Hicri, HicriCevir(gunler[i].Tarih, 0));
    }
}

// A Gregorian year holds the days of the Hijri years it meets, and of no other year; a day
// is found by its date; the correction moves the days with the Hijri date.
TEST(DiniGunler, AGregorianYearADayAndTheCorrection)
{
    const std::vector<DiniGun> yil = DiniGunler::Yili(2026, 0);
    ASSERT_EQ(yil.size(), 18u);
    EXPECT_EQ(Metin(yil.front()), "2026-01-15 Miraç Kandili (gece), 26 Recep 1447");
    EXPECT_EQ(Metin(yil.back()), "2026-12-10 Regaib Kandili (gece), 1 Recep 1448");

    const std::vector<DiniGun> gun = DiniGunler::Gunu(QDate(2026, 12, 10), 0);
    ASSERT_EQ(gun.size(), 2u);
    EXPECT_EQ(gun[0].Ad + ", " + gun[1].Ad, "Üç Ayların Başlangıcı, Regaib Kandili");
    EXPECT_TRUE(DiniGunler::Gunu(QDate(2026, 12, 11), 0).empty());

    const std::vector<DiniGun> birGun = DiniGunler::Gunu(QDate(2026, 8, 23), 1);
    ASSERT_EQ(birGun.size(), 1u);
    EXPECT_EQ(Metin(birGun[0]), "2026-08-23 Mevlid Kandili (gece), 11 Rebiü'l-Evvel 1448");
    // Far corrections still find every day.
    for (int k : {-400, 400, 32767, -32768})
        EXPECT_EQ(DiniGunler::HicriYili(1448, k).size(), 18u) << k;
}
