#include "engine/HicriTakvim.h"
#include "engine/GecisTarihi.h"
#include "engine/TarihSecimi.h"
#include "support/QtYazdir.h"

#include <gtest/gtest.h>

// The reference conversions of the Hijri approximation: a raw day past the month's end is
// the next month's day 1 (18 February 2026; 9 March 2027 in DiniGunlerTest), the carry across the
// year end, and corrections far from zero, which carry over as many months as they need: a
// correction of 40 days reads as the day 40 days later (14 January 2027), -400 as 31 October 2025.
TEST(HicriTakvim, ReferenceTable)
{
    const std::tuple<const char*, int, const char*> ornekler[] = {
        {"1970-01-01", 0, "23 Şevval 1389"},
        {"2000-01-01", 0, "24 Ramazan 1420"},
        {"2024-06-16", 0, "9 Zi'l-Hicce 1445"},
        {"2025-03-01", 0, "1 Ramazan 1446"},
        {"2026-02-18", 0, "1 Ramazan 1447"},
        {"2026-02-18", 1, "2 Ramazan 1447"},
        {"2026-02-18", -1, "29 Şaban 1447"},
        {"2026-12-05", 0, "25 Cemaziye'l-Ahir 1448"},
        {"2026-12-05", 40, "6 Şaban 1448"},
        {"2026-12-05", 400, "12 Şaban 1449"},
        {"2026-12-05", -400, "9 Cemaziye'l-Evvel 1447"}};
    for (const auto& [tarih, hicriGun, metin] : ornekler)
        EXPECT_EQ(HicriTarih(QDate::fromString(tarih, Qt::ISODate), hicriGun), metin)
            << tarih << " " << hicriGun;
    EXPECT_TRUE(HicriTarih(QDate(), 0).isEmpty());
    EXPECT_EQ(MiladiTarih(QDate(2027, 2, 1)) + ' ' + HaftaGunu(QDate(2027, 2, 1)),
              "1 Şubat 2027 Pazartesi");
    EXPECT_TRUE(MiladiTarih(QDate()).isEmpty() && HaftaGunu(QDate()).isEmpty());
}

// Every day from 1900 to 2100 follows the day before: the next day of the month, or day 1 of
// the next month after a 29th or a 30th; never a day skipped, never a 0 or a 31. For small
// corrections and for large ones. Each day is also the Gregorian day of its Hijri day.
TEST(HicriTakvim, EveryDayFollowsTheDayBefore)
{
    for (int k : {-3, -2, -1, 0, 1, 2, 3, 40, -40, 400, -400}) {
        const QDate ilk(1900, 1, 1), son(2100, 12, 31);
        HicriTarihi dun = HicriCevir(ilk.addDays(-1), k);
        for (QDate d = ilk; d <= son; d = d.addDays(1)) {
            const HicriTarihi h = HicriCevir(d, k);
            const bool ertesi = h.Gun == dun.Gun + 1 && h.Ay == dun.Ay && h.Yil == dun.Yil;
            const bool yeniAy = h.Gun == 1 && (dun.Gun == 29 || dun.Gun == 30) &&
                                h.Ay == dun.Ay % 12 + 1 && h.Yil == dun.Yil + (dun.Ay == 12);
            ASSERT_TRUE(ertesi || yeniAy)
                << d.toString(Qt::ISODate).toStdString() << " " << k << ": "
                << HicriMetni(dun).toStdString() << ", then " << HicriMetni(h).toStdString();
            ASSERT_TRUE(d.day() != 1 || MiladiKarsiligi(h, k) == d) << HicriMetni(h).toStdString();
            dun = h;
        }
    }
}

// Dates as a user types them under the Turkish, C and US formats (two-digit years read in
// 1930..2029), ISO everywhere; a typed time stays part of the value; anything else is none.
TEST(TarihSecimi, TypedDates)
{
    const QLocale tr(QLocale::Turkish, QLocale::Turkey),
        c = QLocale::c(), us(QLocale::English, QLocale::UnitedStates);
    const QDateTime gece(QDate(2026, 6, 21), QTime(0, 0));
    const std::tuple<const char*, QLocale, QDateTime> durumlar[] = {
        {"21.06.2026", tr, gece},
        {"29.02.2100", tr, {}},
        {"21.06.2026 9:05:07", tr, {QDate(2026, 6, 21), QTime(9, 5, 7)}},
        {"2026-06-21", tr, gece},
        {"21 Jun 2026 06:15", c, {QDate(2026, 6, 21), QTime(6, 15)}},
        {"6/21/26", us, gece},
        {"6/21/30", us, {QDate(1930, 6, 21), QTime(0, 0)}},
        {"21.06.2026 25:00", tr, {}},
        {"2026-02-30", c, {}},
        {"   ", c, {}}};
    for (const auto& [metin, yerel, beklenen] : durumlar)
        EXPECT_EQ(TarihMetniniCoz(metin, yerel).value_or(QDateTime()), beklenen) << metin;
    EXPECT_EQ(KisaTarihMetni(QDateTime(QDate(2100, 1, 2), QTime(8, 0)), us), "1/2/2100");
}

TEST(TarihSecimi, WrittenTextReadsBackToTheSameDay)
{
    // Every locale, those whose digits lie outside the Basic Multilingual Plane included.
    for (const QLocale& yerel : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                         QLocale::AnyTerritory)) {
        for (const QDate gun : {QDate(1990, 1, 5), QDate(2026, 12, 31), QDate(2100, 7, 4)}) {
            const QString metin = KisaTarihMetni(QDateTime(gun, QTime(17, 45)), yerel);
            EXPECT_EQ(TarihMetniniCoz(metin, yerel).value_or(QDateTime()),
                      QDateTime(gun, QTime(0, 0)))
                << metin.toStdString() << " " << yerel.name().toStdString();
        }
    }
    EXPECT_EQ(KisaTarihMetni(QDateTime(QDate(2026, 6, 1), QTime(17, 45)),
                             QLocale(QLocale::Turkish, QLocale::Turkey)),
              "1.06.2026");
}

// The n-th weekday of a month (5: the last), read off a calendar: 1 March 2026 is a Sunday,
// 31 May 2026 a Sunday, 28 February 2026 a Saturday, 29 February 2028 a Tuesday. A rule
// without a month, occurrence or weekday in range gives no day.
TEST(GecisTarihi, TheNthWeekdayOfAMonth)
{
    const std::tuple<GecisKurali, int, QDate> durumlar[] = {{{3, 0, 1}, 2026, {2026, 3, 1}},
                                                            {{3, 0, 5}, 2026, {2026, 3, 29}},
                                                            {{10, 0, 5}, 2026, {2026, 10, 25}},
                                                            {{2, 6, 5}, 2026, {2026, 2, 28}},
                                                            {{2, 2, 5}, 2028, {2028, 2, 29}},
                                                            {{0, 0, 0}, 2026, {}},
                                                            {{3, 0, 6}, 2026, {}},
                                                            {{13, 0, 1}, 2026, {}},
                                                            {{3, 7, 1}, 2026, {}}};
    for (const auto& [kural, yil, gun] : durumlar)
        EXPECT_EQ(GecisTarihi(kural, yil), gun)
            << kural.Ay << "/" << kural.HaftaGunu << "/" << kural.Sira;
}
