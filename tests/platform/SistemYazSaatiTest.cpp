#include "platform/SistemYazSaati.h"

#include "engine/GecisTarihi.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

// Each case sets TZ itself; the previous value comes back afterwards.
class SistemYazSaatiTest : public ::testing::Test
{
protected:
    void SetUp() override { eski_ = qgetenv("TZ"); }
    void TearDown() override
    {
        qputenv("TZ", eski_);
        tzset();
    }
    static std::pair<QDate, QDate> Gecisler(const char* tz, int yil)
    {
        qputenv("TZ", tz);
        tzset();
        return SistemYazSaati().Gecisler(yil);
    }

private:
    QByteArray eski_;
};

using Cift = std::pair<QDate, QDate>;

} // namespace

TEST_F(SistemYazSaatiTest, CentralEuropeMatchesItsRule)
{
    // The EU rule: last Sunday of March to last Sunday of October.
    for (int yil : {2024, 2026, 2030}) {
        EXPECT_EQ(Gecisler("Europe/Berlin", yil),
                  Cift(GecisTarihi({3, 0, 5}, yil), GecisTarihi({10, 0, 5}, yil)))
            << yil;
    }
    EXPECT_EQ(Gecisler("Europe/Berlin", 2026), Cift(QDate(2026, 3, 29), QDate(2026, 10, 25)));
}

TEST_F(SistemYazSaatiTest, NorthAmericaAndPosixRules)
{
    const Cift beklenen(QDate(2026, 3, 8), QDate(2026, 11, 1));
    EXPECT_EQ(Gecisler("America/New_York", 2026), beklenen);
    EXPECT_EQ(Gecisler("EST5EDT,M3.2.0,M11.1.0", 2026), beklenen);
    // Another year follows the zone's own history: before 2007 the US rule ran from the
    // first Sunday of April to the last Sunday of October.
    EXPECT_EQ(Gecisler("America/New_York", 2006), Cift(QDate(2006, 4, 2), QDate(2006, 10, 29)));
}

TEST_F(SistemYazSaatiTest, SouthernZoneStartsAfterItEnds)
{
    // Local days: the clocks go back on 5 April and forward on 4 October 2026.
    EXPECT_EQ(Gecisler("Australia/Sydney", 2026), Cift(QDate(2026, 10, 4), QDate(2026, 4, 5)));
}

TEST_F(SistemYazSaatiTest, ZonesWithoutDaylightSaving)
{
    EXPECT_EQ(Gecisler("UTC", 2026), Cift());
    EXPECT_EQ(Gecisler("Asia/Tokyo", 2026), Cift());
    // Türkiye stays on +03 since 2016; the country rule of the computation covers it.
    EXPECT_EQ(Gecisler("Europe/Istanbul", 2026), Cift());
}

TEST_F(SistemYazSaatiTest, YearInWhichSummerTimeBecamePermanent)
{
    // 2016: summer time began on 27 March and was never taken back (the zone's standard
    // offset became +03 on 7 September, which ends "daylight" time as such).
    EXPECT_EQ(Gecisler("Europe/Istanbul", 2016), Cift(QDate(2016, 3, 27), QDate(2016, 9, 7)));
}
