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

// The reference conversions of the Hijri approximation, including both edges of the
// month-end carry.
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
        {QDate(2026, 6, 21), 0, "6 Muharrem 1448"},
    };
    for (const auto& o : ornekler)
        EXPECT_EQ(HicriTarih(o.tarih, o.hicriGun), QString::fromUtf8(o.metin))
            << o.tarih.toString(Qt::ISODate).toStdString() << " " << o.hicriGun;
}

TEST(HicriTakvim, MonthEndCarryAcrossTheYearEnd)
{
    // The raw day of 17 June 2026 passes the month-end test in Zi'l-Hicce: the carry makes
    // month 13, which becomes Muharrem of the next year (day 1 is skipped, as at every carry).
    EXPECT_EQ(HicriTarih(QDate(2026, 6, 16), 0), QStringLiteral("30 Zi'l-Hicce 1447"));
    EXPECT_EQ(HicriTarih(QDate(2026, 6, 17), 0), QStringLiteral("2 Muharrem 1448"));
}

TEST(HicriTakvim, LargeCorrectionsAreNotNormalised)
{
    // Only one forward carry exists: day numbers run past 30 or down to 0 and below.
    EXPECT_EQ(HicriTarih(QDate(2026, 12, 5), 40), QStringLiteral("36 Recep 1448"));
    EXPECT_EQ(HicriTarih(QDate(2026, 12, 5), -30), QStringLiteral("-5 Cemaziye'l-Ahir 1448"));
}

TEST(HicriTakvim, BeforeTheEpochAndFarAhead)
{
    // Negative day counts round the same way; every month name stays in range.
    for (QDate d(1900, 1, 1); d < QDate(2200, 1, 1); d = d.addDays(7)) {
        const QString metin = HicriTarih(d, 0);
        const QStringList parcalar = metin.split(QLatin1Char(' '));
        ASSERT_GE(parcalar.size(), 3) << metin.toStdString();
        const int gun = parcalar.first().toInt();
        EXPECT_GE(gun, 1) << metin.toStdString();
        EXPECT_LE(gun, 30) << metin.toStdString();
    }
    EXPECT_TRUE(HicriTarih(QDate(), 0).isEmpty());
}

TEST(MiladiTarih, TurkishMonthNames)
{
    EXPECT_EQ(MiladiTarih(QDate(2026, 12, 5)), QStringLiteral("5 Aralık 2026"));
    EXPECT_EQ(MiladiTarih(QDate(2026, 6, 21)), QStringLiteral("21 Haziran 2026"));
    EXPECT_EQ(MiladiTarih(QDate(2027, 2, 1)), QStringLiteral("1 Şubat 2027"));
    EXPECT_EQ(MiladiTarih(QDate(2026, 8, 30)), QStringLiteral("30 Ağustos 2026"));
    EXPECT_TRUE(MiladiTarih(QDate()).isEmpty());
}
