#include "engine/GecisTarihi.h"

#include "support/QtYazdir.h"

#include <gtest/gtest.h>

// Expected days read off a calendar for 2026 (1 March 2026 is a Sunday, 1 October a Thursday).
TEST(GecisTarihi, EveryOccurrenceOfAWeekday)
{
    // Sundays of March 2026: 1, 8, 15, 22, 29.
    for (int sira = 1; sira <= 4; ++sira)
        EXPECT_EQ(GecisTarihi({3, 0, sira}, 2026), QDate(2026, 3, 1 + 7 * (sira - 1))) << sira;
    EXPECT_EQ(GecisTarihi({3, 0, 5}, 2026), QDate(2026, 3, 29));
    // Last Sunday of October 2026 and the first Sunday of April (a southern end rule).
    EXPECT_EQ(GecisTarihi({10, 0, 5}, 2026), QDate(2026, 10, 25));
    EXPECT_EQ(GecisTarihi({4, 0, 1}, 2026), QDate(2026, 4, 5));
    // Second Sunday of March and first Sunday of November (North America).
    EXPECT_EQ(GecisTarihi({3, 0, 2}, 2026), QDate(2026, 3, 8));
    EXPECT_EQ(GecisTarihi({11, 0, 1}, 2026), QDate(2026, 11, 1));
}

TEST(GecisTarihi, LastOccurrenceWhenTheMonthEndsOnThatWeekday)
{
    // 31 May 2026 is a Sunday, 28 February 2026 a Saturday, 29 February 2028 a Tuesday.
    EXPECT_EQ(GecisTarihi({5, 0, 5}, 2026), QDate(2026, 5, 31));
    EXPECT_EQ(GecisTarihi({2, 6, 5}, 2026), QDate(2026, 2, 28));
    EXPECT_EQ(GecisTarihi({2, 2, 5}, 2028), QDate(2028, 2, 29));
    // The first day of the month being the wanted weekday.
    EXPECT_EQ(GecisTarihi({10, 4, 1}, 2026), QDate(2026, 10, 1));
    // Saturday, the end of the week numbering.
    EXPECT_EQ(GecisTarihi({10, 6, 1}, 2026), QDate(2026, 10, 3));
}

TEST(GecisTarihi, NoTransition)
{
    EXPECT_TRUE(GecisTarihi({0, 0, 0}, 2026).isNull());
    EXPECT_TRUE(GecisTarihi({3, 0, 0}, 2026).isNull());
    EXPECT_TRUE(GecisTarihi({3, 0, 6}, 2026).isNull());
    EXPECT_TRUE(GecisTarihi({13, 0, 1}, 2026).isNull());
    EXPECT_TRUE(GecisTarihi({3, 7, 1}, 2026).isNull());
}
