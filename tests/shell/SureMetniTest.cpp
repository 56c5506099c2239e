#include "shell/SureMetni.h"
#include "shell/SaatBicimi.h"

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

TEST(SaatBicimi, LocaleTimeFormats)
{
    const QTime ogleden(13, 12, 0);
    const QTime sabah(3, 8, 5);
    const SaatBicimi tr(QLocale(QLocale::Turkish, QLocale::Turkey));
    EXPECT_EQ(tr.Metin(sabah), "03:08:05");
    const SaatBicimi us(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.Metin(ogleden), "1:12:00 PM");
    EXPECT_EQ(us.Metin(QTime(0, 0, 0)), "12:00:00 AM");
    EXPECT_EQ(us.Metin(QTime(12, 0, 0)), "12:00:00 PM");
}

TEST(SaatBicimi, MatchesQtForEverySecondOfTheDay)
{
    // Qt's own formatting of the same pattern, zone part removed, for every second.
    for (const QLocale& yerel : {QLocale(QLocale::Turkish, QLocale::Turkey),
                                 QLocale(QLocale::English, QLocale::UnitedStates),
                                 QLocale(QLocale::Korean, QLocale::SouthKorea),
                                 QLocale(QLocale::Dutch, QLocale::Netherlands)}) {
        QString kalip = yerel.timeFormat(QLocale::LongFormat);
        kalip.remove(QLatin1Char('t'));
        kalip = kalip.trimmed();
        const SaatBicimi bicim(yerel);
        for (int s = 0; s < 86400; s += 7) {
            const QTime t = QTime(0, 0).addSecs(s);
            ASSERT_EQ(bicim.Metin(t), yerel.toString(t, kalip)) << yerel.name().toStdString();
        }
    }
}

TEST(SaatBicimi, PatternDetails)
{
    // Quoted text, a doubled quote, lower-case AM/PM, a 12-hour "h" without AM/PM (24 h).
    EXPECT_EQ(SaatBicimi("HH 'h' mm''", "öö", "ös").Metin(QTime(7, 4)), "07 h 04'");
    EXPECT_EQ(SaatBicimi("h:mm ap", "AM", "PM").Metin(QTime(19, 4)), "7:04 pm");
    EXPECT_EQ(SaatBicimi("h:mm", "AM", "PM").Metin(QTime(19, 4)), "19:04");
    EXPECT_EQ(SaatBicimi("t HH:mm:ss", "", "").Metin(QTime(19, 4, 3)), "19:04:03");
    EXPECT_EQ(SaatBicimi("H.m.s zzz", "", "").Metin(QTime(9, 4, 3, 7)), "9.4.3 007");
    QString hedef;
    SaatBicimi("HH:mm", "", "").Yaz(QTime(1, 2), "Saat : ", hedef);
    EXPECT_EQ(hedef, "Saat : 01:02");
}
