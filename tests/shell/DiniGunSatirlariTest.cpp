// The rows of the "Dini Günler" page seen from a day: how many have passed, which is next and
// what it says, how many come after it. A night of today is "Bu gece", a day "Bugün"; of a day
// and a night on one date the day is the next; after the year's last night the next one is in
// the year after, and a year seen from before or after it marks nothing.
#include "shell/DiniGunSatirlari.h"

#include <gtest/gtest.h>

TEST(DiniGunSatirlari, TheNextDayFromToday)
{
    const std::tuple<int, QDate, const char*> durumlar[] = {
        {2026, {2026, 8, 24}, "15, Mevlid Kandili Bu gece, 2"},
        {2026, {2026, 12, 10}, "16, Üç Ayların Başlangıcı Bugün, 1"},
        {2026, {2026, 6, 21}, "14, Aşure Günü 4 gün kaldı, 3"},
        {2026, {2026, 12, 11}, "18, -, 0"},
        {2027, {2026, 12, 11}, "0, Miraç Kandili 24 gün kaldı, 18"}};
    for (const auto& [yil, bugun, beklenen] : durumlar) {
        int gecmis = 0, gelecek = 0;
        QString siradaki = QStringLiteral("-");
        for (const DiniGunSatirlari::Satir& s : DiniGunSatirlari::Yili(yil, 0, bugun)) {
            gecmis += s.Hal == DiniGunSatirlari::Durum::Gecmis;
            gelecek += s.Hal == DiniGunSatirlari::Durum::Gelecek;
            if (s.Hal == DiniGunSatirlari::Durum::Siradaki)
                siradaki = s.Ad + ' ' + s.Kalan;
            EXPECT_EQ(s.Kalan.isEmpty(), s.Hal != DiniGunSatirlari::Durum::Siradaki);
        }
        EXPECT_EQ(QStringLiteral("%1, %2, %3").arg(gecmis).arg(siradaki).arg(gelecek),
                  QString::fromUtf8(beklenen))
            << bugun.toString(Qt::ISODate).toStdString();
    }
}
