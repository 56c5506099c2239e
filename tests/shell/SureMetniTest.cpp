#include "shell/SureMetni.h"

#include <QLocale>

#include <gtest/gtest.h>

TEST(SureMetni, ClockForm)
{
    EXPECT_EQ(SureMetni(0, 0), "00:00:00");
    EXPECT_EQ(SureMetni(900, 0), "00:15:00");
    EXPECT_EQ(SureMetni(3 * 3600 + 5 * 60 + 9, 0), "03:05:09");
    EXPECT_EQ(SureMetni(86400, 0), "24:00:00");
    // Three-digit hours are not cut.
    EXPECT_EQ(SureMetni(100 * 3600 + 1, 0), "100:00:01");
    // Fractions: the rest after the hours is rounded halves to even.
    EXPECT_EQ(SureMetni(59.5, 0), "00:01:00");
    EXPECT_EQ(SureMetni(58.5, 0), "00:00:58");
    EXPECT_EQ(SureMetni(3659.4, 0), "01:00:59");
}

TEST(SureMetni, WordsForm)
{
    EXPECT_EQ(SureMetni(900, 4), "15 Dakika ");
    EXPECT_EQ(SureMetni(3900, 4), "1 Saat 5 Dakika ");
    EXPECT_EQ(SureMetni(3600, 4), "1 Saat ");
    EXPECT_EQ(SureMetni(7259, 4), "2 Saat ");   // seconds are never shown
    EXPECT_EQ(SureMetni(750, 4), "12 Dakika "); // 12 min 30 s
    EXPECT_EQ(SureMetni(59, 4), "");
    EXPECT_EQ(SureMetni(0, 4), "");
    EXPECT_EQ(SureMetni(59.5, 4), "1 Dakika ");
}

TEST(SureMetni, OtherFormsAndNonsenseInputsAreEmptyOrZero)
{
    EXPECT_EQ(SureMetni(900, 1), "");
    EXPECT_EQ(SureMetni(900, 5), "");
    EXPECT_EQ(SureMetni(std::numeric_limits<double>::quiet_NaN(), 0), "00:00:00");
    EXPECT_EQ(SureMetni(std::numeric_limits<double>::infinity(), 4), "");
}
