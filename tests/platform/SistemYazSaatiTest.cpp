#include "platform/SistemYazSaati.h"

#include "engine/GecisTarihi.h"

#include <gtest/gtest.h>

#include <ctime>

using Cift = std::pair<QDate, QDate>;

// The system's zone gives the year's two local change days: the EU and North American
// rules (a POSIX rule too), a zone's own history, a southern zone whose summer starts after
// it ends, none where there is no summer time, and Türkiye's last change in 2016.
TEST(SistemYazSaati, ChangeDaysOfTheZone)
{
    const std::tuple<const char*, int, Cift> durumlar[] = {
        {"Europe/Berlin", 2026, {{2026, 3, 29}, {2026, 10, 25}}},
        {"Europe/Berlin", 2030, {GecisTarihi({3, 0, 5}, 2030), GecisTarihi({10, 0, 5}, 2030)}},
        {"America/New_York", 2026, {{2026, 3, 8}, {2026, 11, 1}}},
        {"EST5EDT,M3.2.0,M11.1.0", 2026, {{2026, 3, 8}, {2026, 11, 1}}},
        {"America/New_York", 2006, {{2006, 4, 2}, {2006, 10, 29}}},
        {"Australia/Sydney", 2026, {{2026, 10, 4}, {2026, 4, 5}}},
        {"Asia/Tokyo", 2026, {}},
        {"Europe/Istanbul", 2026, {}},
        // Summer time began on 27 March and was never taken back: the standard offset
        // became +03 on 7 September, which ends "daylight" time as such.
        {"Europe/Istanbul", 2016, {{2016, 3, 27}, {2016, 9, 7}}}};
    const QByteArray eski = qgetenv("TZ");
    for (const auto& [tz, yil, beklenen] : durumlar) {
#ifdef Q_OS_WIN
        // Windows takes the zone from the machine, never from TZ: the Windows stage runs this
        // program in a Wine session on Europe/Berlin's time (tests/support/wine_testleri.sh).
        if (qstrcmp(tz, "Europe/Berlin") != 0)
            continue;
#else
        qputenv("TZ", tz);
        tzset();
#endif
        EXPECT_EQ(SistemYazSaati().Gecisler(yil), beklenen) << tz << " " << yil;
    }
    qputenv("TZ", eski);
    tzset();
}
