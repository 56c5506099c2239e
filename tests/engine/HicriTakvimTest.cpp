#include "engine/HicriTakvim.h"

#include "support/QtYazdir.h"

#include <gtest/gtest.h>

namespace {
struct HicriOrnek
{
    QDate tarih;
    int hicriGun;
    const char* metin;
};
} // namespace

// The reference conversions of the Hijri approximation: both edges of the month-end carry
// (a day rounding to 30 stays; past it the next month, skipping day 1), the carry across the
// year end, and large corrections, which are not normalised (one forward carry only).
TEST(HicriTakvim, ReferenceTable)
{
    const HicriOrnek ornekler[] = {
        {QDate(1970, 1, 1), 0, "23 Şevval 1389"},
        {QDate(2000, 1, 1), 0, "24 Ramazan 1420"},
        {QDate(2024, 6, 16), 0, "9 Zi'l-Hicce 1445"},
        {QDate(2025, 3, 1), 0, "1 Ramazan 1446"},
        {QDate(2026, 2, 18), 0, "30 Şaban 1447"},
        {QDate(2026, 2, 18), 1, "2 Ramazan 1447"},
        {QDate(2026, 2, 18), -1, "29 Şaban 1447"},
        {QDate(2026, 12, 5), 0, "25 Cemaziye'l-Ahir 1448"},
        {QDate(2026, 6, 16), 0, "30 Zi'l-Hicce 1447"},
        {QDate(2026, 6, 17), 0, "2 Muharrem 1448"},
        {QDate(2026, 12, 5), 40, "36 Recep 1448"},
        {QDate(2026, 12, 5), -30, "-5 Cemaziye'l-Ahir 1448"},
    };
    for (const auto& o : ornekler)
        EXPECT_EQ(HicriTarih(o.tarih, o.hicriGun), QString::fromUtf8(o.metin))
            << o.tarih.toString(Qt::ISODate).toStdString() << " " << o.hicriGun;
    EXPECT_TRUE(HicriTarih(QDate(), 0).isEmpty());
}

TEST(HicriTakvim, EveryDayOfThreeCenturiesIsAMonthDay)
{
    for (QDate d(1900, 1, 1); d < QDate(2200, 1, 1); d = d.addDays(7)) {
        const int gun = HicriTarih(d, 0).section(u' ', 0, 0).toInt();
        ASSERT_TRUE(gun >= 1 && gun <= 30) << d.toString(Qt::ISODate).toStdString();
    }
}

TEST(MiladiTarih, TurkishMonthNames)
{
    EXPECT_EQ(MiladiTarih(QDate(2026, 12, 5)), QStringLiteral("5 Aralık 2026"));
    EXPECT_EQ(MiladiTarih(QDate(2027, 2, 1)), QStringLiteral("1 Şubat 2027"));
    EXPECT_EQ(MiladiTarih(QDate(2026, 8, 30)), QStringLiteral("30 Ağustos 2026"));
    EXPECT_TRUE(MiladiTarih(QDate()).isEmpty());
}
