#include "engine/TarihSecimi.h"

#include "support/QtYazdir.h"

#include <gtest/gtest.h>

namespace {

QDateTime Coz(const char* metin, const QLocale& yerel)
{
    return TarihMetniniCoz(QString::fromUtf8(metin), yerel).value_or(QDateTime());
}

} // namespace

// Dates as a user types them under the Turkish, C and US formats (two-digit years read in
// 1930..2029), ISO everywhere; a typed time stays part of the value; anything else is none.
TEST(TarihSecimi, TypedDates)
{
    const QLocale tr(QLocale::Turkish, QLocale::Turkey),
        c = QLocale::c(), us(QLocale::English, QLocale::UnitedStates);
    const QDateTime gece(QDate(2026, 6, 21), QTime(0, 0));
    const struct
    {
        const char* Metin;
        const QLocale& Yerel;
        QDateTime Beklenen;
    } durumlar[] = {
        {"21.06.2026", tr, gece}, {" 1.6.1990 ", tr, {QDate(1990, 6, 1), QTime(0, 0)}},
        {"29.02.2100", tr, {}},   {"21.06.2026 9:05:07", tr, {QDate(2026, 6, 21), QTime(9, 5, 7)}},
        {"2026-06-21", tr, gece}, {"21 Jun 2026 06:15", c, {QDate(2026, 6, 21), QTime(6, 15)}},
        {"6/21/26", us, gece},    {"6/21/30", us, {QDate(1930, 6, 21), QTime(0, 0)}},
        {"32.01.2026", tr, {}},   {"21.06.2026 25:00", tr, {}},
        {"2026-02-30", c, {}},    {"21 Jun", c, {}},
        {"   ", c, {}},
    };
    for (const auto& d : durumlar)
        EXPECT_EQ(Coz(d.Metin, d.Yerel), d.Beklenen) << d.Metin;
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
