#include "engine/GecisTarihi.h"

#include "support/QtYazdir.h"

#include <gtest/gtest.h>

// The n-th weekday of a month (5: the last), read off a calendar: 1 March 2026 is a Sunday,
// 31 May 2026 a Sunday, 28 February 2026 a Saturday, 29 February 2028 a Tuesday. A rule
// without a month, occurrence or weekday in range gives no day.
TEST(GecisTarihi, TheNthWeekdayOfAMonth)
{
    const struct
    {
        GecisKurali Kural;
        int Yil;
        QDate Gun;
    } durumlar[] = {
        {{3, 0, 1}, 2026, {2026, 3, 1}},
        {{3, 0, 2}, 2026, {2026, 3, 8}},
        {{3, 0, 4}, 2026, {2026, 3, 22}},
        {{3, 0, 5}, 2026, {2026, 3, 29}},
        {{10, 0, 5}, 2026, {2026, 10, 25}},
        {{4, 0, 1}, 2026, {2026, 4, 5}},
        {{11, 0, 1}, 2026, {2026, 11, 1}},
        {{5, 0, 5}, 2026, {2026, 5, 31}},
        {{2, 6, 5}, 2026, {2026, 2, 28}},
        {{2, 2, 5}, 2028, {2028, 2, 29}},
        {{10, 4, 1}, 2026, {2026, 10, 1}},
        {{10, 6, 1}, 2026, {2026, 10, 3}},
        {{0, 0, 0}, 2026, {}},
        {{3, 0, 6}, 2026, {}},
        {{13, 0, 1}, 2026, {}},
        {{3, 7, 1}, 2026, {}},
    };
    for (const auto& d : durumlar)
        EXPECT_EQ(GecisTarihi(d.Kural, d.Yil), d.Gun)
            << d.Kural.Ay << "/" << d.Kural.HaftaGunu << "/" << d.Kural.Sira;
}
