// The rows of the "Dini Günler" page seen from a day: how many have passed, which is next and
// what it says, how many come after it.
#include "shell/DiniGunSatirlari.h"

#include <gtest/gtest.h>

namespace {

QString Ozet(int yil, const QDate& bugun)
{
    int gecmis = 0, gelecek = 0;
    QString siradaki = QStringLiteral("-");
    for (const DiniGunSatirlari::Satir& s : DiniGunSatirlari::Yili(yil, 0, bugun)) {
        gecmis += s.Hal == DiniGunSatirlari::Durum::Gecmis;
        gelecek += s.Hal == DiniGunSatirlari::Durum::Gelecek;
        if (s.Hal == DiniGunSatirlari::Durum::Siradaki)
            siradaki = s.Ad + ": " + s.Kalan + " (" + s.Tarih + ", " + s.Hicri + ")";
        else
            EXPECT_TRUE(s.Kalan.isEmpty()) << s.Ad.toStdString();
    }
    return QStringLiteral("%1 geçmiş, %2, %3 gelecek").arg(gecmis).arg(siradaki).arg(gelecek);
}

// A night of today is "Bu gece", a day "Bugün"; of a day and a night on one date the day is
// the next; after the year's last night the next one is in the year after, and a year seen
// from before or after it marks nothing.
TEST(DiniGunSatirlari, TheNextDayFromToday)
{
    const std::tuple<int, QDate, const char*> durumlar[] = {
        {2026,
         {2026, 8, 24},
         "15 geçmiş, Mevlid Kandili: Bu gece (24 Ağustos 2026 Pazartesi, "
         "11 Rebiü'l-Evvel 1448), 2 gelecek"},
        {2026,
         {2026, 3, 20},
         "5 geçmiş, Ramazan Bayramı 1. Gün: Bugün (20 Mart 2026 Cuma, 1 "
         "Şevval 1447), 12 gelecek"},
        {2026,
         {2026, 12, 10},
         "16 geçmiş, Üç Ayların Başlangıcı: Bugün (10 Aralık 2026 "
         "Perşembe, 1 Recep 1448), 1 gelecek"},
        {2026,
         {2026, 6, 21},
         "14 geçmiş, Aşure Günü: 4 gün kaldı (25 Haziran 2026 Perşembe, 10 "
         "Muharrem 1448), 3 gelecek"},
        {2026, {2026, 12, 11}, "18 geçmiş, -, 0 gelecek"},
        {2027,
         {2026, 12, 11},
         "0 geçmiş, Miraç Kandili: 24 gün kaldı (4 Ocak 2027 Pazartesi, "
         "26 Recep 1448), 18 gelecek"},
        {2027, {2026, 6, 21}, "0 geçmiş, -, 19 gelecek"}};
    for (const auto& [yil, bugun, beklenen] : durumlar)
        EXPECT_EQ(Ozet(yil, bugun), QString::fromUtf8(beklenen))
            << yil << " " << bugun.toString(Qt::ISODate).toStdString();
}

} // namespace
