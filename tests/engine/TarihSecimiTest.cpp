#include "engine/TarihSecimi.h"

#include "support/QtYazdir.h"

#include <gtest/gtest.h>

namespace {

QDateTime Coz(const char* metin, const QLocale& yerel)
{
    return TarihMetniniCoz(QString::fromUtf8(metin), yerel).value_or(QDateTime());
}

} // namespace

TEST(TarihSecimi, TurkishShortDates)
{
    const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    EXPECT_EQ(Coz("21.06.2026", tr), QDateTime(QDate(2026, 6, 21), QTime(0, 0)));
    EXPECT_EQ(Coz("1.6.2026", tr), QDateTime(QDate(2026, 6, 1), QTime(0, 0)));
    EXPECT_EQ(Coz(" 01.06.1990 ", tr), QDateTime(QDate(1990, 6, 1), QTime(0, 0)));
    EXPECT_EQ(Coz("29.02.2100", tr), QDateTime()); // 2100 is no leap year
    EXPECT_EQ(Coz("28.02.2100", tr), QDateTime(QDate(2100, 2, 28), QTime(0, 0)));
    // A typed time stays part of the value.
    EXPECT_EQ(Coz("21.06.2026 14:30", tr), QDateTime(QDate(2026, 6, 21), QTime(14, 30)));
    EXPECT_EQ(Coz("21.06.2026 9:05:07", tr), QDateTime(QDate(2026, 6, 21), QTime(9, 5, 7)));
}

TEST(TarihSecimi, InvalidTexts)
{
    for (const QLocale& yerel : {QLocale(QLocale::Turkish, QLocale::Turkey), QLocale::c()}) {
        for (const char* metin : {"", "   ", "abc", "32.01.2026", "21.13.2026", "21.06.2026 25:00",
                                  "2026-02-30", "21 Jun"})
            EXPECT_FALSE(TarihMetniniCoz(QString::fromUtf8(metin), yerel).has_value())
                << metin << " " << yerel.name().toStdString();
    }
}

TEST(TarihSecimi, CLocaleAndIsoDates)
{
    const QLocale c = QLocale::c();
    EXPECT_EQ(Coz("21 Jun 2026", c), QDateTime(QDate(2026, 6, 21), QTime(0, 0)));
    EXPECT_EQ(Coz("21 Jun 2026 06:15", c), QDateTime(QDate(2026, 6, 21), QTime(6, 15)));
    EXPECT_EQ(Coz("2026-06-21", c), QDateTime(QDate(2026, 6, 21), QTime(0, 0)));
    EXPECT_EQ(Coz("2026-06-21", QLocale(QLocale::Turkish, QLocale::Turkey)),
              QDateTime(QDate(2026, 6, 21), QTime(0, 0)));
}

TEST(TarihSecimi, TwoDigitYearFormats)
{
    // US short dates write two-digit years: read them in 1930..2029, write four digits back.
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(Coz("6/21/26", us), QDateTime(QDate(2026, 6, 21), QTime(0, 0)));
    EXPECT_EQ(Coz("6/21/30", us), QDateTime(QDate(1930, 6, 21), QTime(0, 0)));
    EXPECT_EQ(Coz("6/21/2026", us), QDateTime(QDate(2026, 6, 21), QTime(0, 0)));
    EXPECT_EQ(KisaTarihMetni(QDateTime(QDate(2100, 1, 2), QTime(8, 0)), us),
              QStringLiteral("1/2/2100"));
}

TEST(TarihSecimi, WrittenTextReadsBackToTheSameDay)
{
    // Every locale, those whose digits lie outside the Basic Multilingual Plane included.
    for (const QLocale& yerel : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                         QLocale::AnyTerritory)) {
        for (const QDate gun : {QDate(1990, 1, 5), QDate(2026, 12, 31), QDate(2100, 7, 4)}) {
            const QString metin = KisaTarihMetni(QDateTime(gun, QTime(17, 45)), yerel);
            EXPECT_EQ(Coz(metin.toUtf8().constData(), yerel), QDateTime(gun, QTime(0, 0)))
                << metin.toStdString() << " " << yerel.name().toStdString();
        }
    }
    EXPECT_EQ(KisaTarihMetni(QDateTime(QDate(2026, 6, 1), QTime(17, 45)),
                             QLocale(QLocale::Turkish, QLocale::Turkey)),
              QStringLiteral("1.06.2026"));
}
