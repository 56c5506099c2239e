#include "engine/HicriTakvim.h"
#include "engine/GecisTarihi.h"
#include "engine/TarihSecimi.h"
#include "support/QtYazdir.h"

#include <gtest/gtest.h>

namespace {

QDateTime Coz(const char* metin, const QLocale& yerel)
{
    return TarihMetniniCoz(QString::fromUtf8(metin), yerel).value_or(QDateTime());
}

} // namespace

// The reference conversions of the Hijri approximation: both edges of the month-end carry
// (a day rounding to 30 stays; past it the next month, skipping day 1), the carry across the
// year end, and large corrections, which are not normalised (one forward carry only).
TEST(HicriTakvim, ReferenceTable)
{
    const struct
    {
        QDate tarih;
        int hicriGun;
        const char* metin;
    } ornekler[] = {{QDate(2000, 1, 1), 0, "24 Ramazan 1420"},
                    {QDate(2025, 3, 1), 0, "1 Ramazan 1446"},
                    {QDate(2026, 2, 18), 0, "30 Şaban 1447"},
                    {QDate(2026, 2, 18), 1, "2 Ramazan 1447"},
                    {QDate(2026, 2, 18), -1, "29 Şaban 1447"},
                    {QDate(2026, 12, 5), 0, "25 Cemaziye'l-Ahir 1448"},
                    {QDate(2026, 6, 16), 0, "30 Zi'l-Hicce 1447"},
                    {QDate(2026, 6, 17), 0, "2 Muharrem 1448"},
                    {QDate(2026, 12, 5), 40, "36 Recep 1448"},
                    {QDate(2026, 12, 5), -30, "-5 Cemaziye'l-Ahir 1448"}};
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
    EXPECT_TRUE(MiladiTarih(QDate()).isEmpty());
}

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
    } durumlar[] = {{"21.06.2026", tr, gece},
                    {"29.02.2100", tr, {}},
                    {"21.06.2026 9:05:07", tr, {QDate(2026, 6, 21), QTime(9, 5, 7)}},
                    {"2026-06-21", tr, gece},
                    {"21 Jun 2026 06:15", c, {QDate(2026, 6, 21), QTime(6, 15)}},
                    {"6/21/26", us, gece},
                    {"6/21/30", us, {QDate(1930, 6, 21), QTime(0, 0)}},
                    {"21.06.2026 25:00", tr, {}},
                    {"2026-02-30", c, {}},
                    {"   ", c, {}}};
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
    } durumlar[] = {{{3, 0, 1}, 2026, {2026, 3, 1}},
                    {{3, 0, 5}, 2026, {2026, 3, 29}},
                    {{10, 0, 5}, 2026, {2026, 10, 25}},
                    {{2, 6, 5}, 2026, {2026, 2, 28}},
                    {{2, 2, 5}, 2028, {2028, 2, 29}},
                    {{0, 0, 0}, 2026, {}},
                    {{3, 0, 6}, 2026, {}},
                    {{13, 0, 1}, 2026, {}},
                    {{3, 7, 1}, 2026, {}}};
    for (const auto& d : durumlar)
        EXPECT_EQ(GecisTarihi(d.Kural, d.Yil), d.Gun)
            << d.Kural.Ay << "/" << d.Kural.HaftaGunu << "/" << d.Kural.Sira;
}
