#include "GeriSayimKaydi.h"

#include "shell/GeriSayim.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <ctime>
#include <memory>

namespace {

constexpr double Dk(int s, int d)
{
    return s * 3600 + d * 60;
}

// İstanbul ("Türkiye", 41° N, 29° E, Tz 2), method 0, 21 June 2026: the engine's worked
// example, 03:23 05:25 13:12 17:11 20:48 22:38.
const QDate Gun(2026, 6, 21);
const std::array<double, 6> Haziran21{Dk(3, 23),  Dk(5, 25),  Dk(13, 12),
                                      Dk(17, 11), Dk(20, 48), Dk(22, 38)};

class GeriSayimTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("TZ", "Europe/Istanbul");
        tzset();
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        Yollar.Genel = "/p/Ezan/ezan.wma";
        Yollar.Uyari = "/p/uyari.wma";
    }

    // A fresh countdown, as at program start.
    GeriSayim& Kur(const UyariAyarlari& ayarlar = {})
    {
        Sayac = std::make_unique<GeriSayim>(Saat, Vakitler, Kayit);
        Sayac->AyarlariUygula(ayarlar);
        Sayac->SesYollariniAyarla(Yollar);
        return *Sayac;
    }
    void Tik(QTime t, QDate d = Gun)
    {
        Saat.An = QDateTime(d, t);
        Sayac->KalanTimerTick();
    }
    // Every second from `bas` to `son`, both included, on one day.
    void Calistir(QTime bas, QTime son, QDate d = Gun)
    {
        for (int s = bas.msecsSinceStartOfDay() / 1000; s <= son.msecsSinceStartOfDay() / 1000; ++s)
            Tik(QTime(0, 0).addSecs(s), d);
    }
    std::vector<Olay> Olaylar(Olay::Tur tur) const { return Kayit.Cesit(tur); }

    std::array<double, 6> Vakitler = Haziran21;
    SesYollari Yollar;
    SahteSaat Saat;
    Kaydedici Kayit{Saat};
    std::unique_ptr<GeriSayim> Sayac;
};

TEST_F(GeriSayimTest, WarnsOnceAtFifteenMinutesBeforeOgle)
{
    Kur();
    Calistir(QTime(12, 50, 0), QTime(12, 56, 59));
    EXPECT_TRUE(Olaylar(Olay::Uyari).empty());
    EXPECT_EQ(Kayit.SonKalan, "00:15:01");

    Calistir(QTime(12, 57, 0), QTime(12, 57, 0));
    EXPECT_EQ(Kayit.SonKalan, "00:15:00");
    EXPECT_EQ(Kayit.SonIpucu, "Öğle'ye Kalan Süre");
    Calistir(QTime(12, 57, 1), QTime(13, 11, 59));

    const auto uyarilar = Olaylar(Olay::Uyari);
    ASSERT_EQ(uyarilar.size(), 1u);
    EXPECT_EQ(uyarilar[0].Zaman.time(), QTime(12, 57, 0));
    EXPECT_EQ(uyarilar[0].A, "Öğle Vaktine ");
    EXPECT_EQ(uyarilar[0].B, "15 Dakika ");
    EXPECT_EQ(uyarilar[0].C, " kaldı.");
    // The warning sound follows the popup, on the same tick; no ezan yet.
    const auto sesler = Olaylar(Olay::Ses);
    ASSERT_EQ(sesler.size(), 1u);
    EXPECT_EQ(sesler[0].A, "/p/uyari.wma");
    EXPECT_EQ(sesler[0].SesCesidi, SesTuru::Uyari);
    EXPECT_EQ(sesler[0].Zaman.time(), QTime(12, 57, 0));
    EXPECT_EQ(Kayit.SonKalan, "00:00:01");
    EXPECT_EQ(Sayac->AktifVakitAnahtari(), "gunes");
}

TEST_F(GeriSayimTest, StartInsideTheWindowWarnsOnTheFirstTick)
{
    Kur();
    Tik(QTime(12, 59, 30));
    const auto uyarilar = Olaylar(Olay::Uyari);
    ASSERT_EQ(uyarilar.size(), 1u);
    EXPECT_EQ(uyarilar[0].B, "12 Dakika ");
    // The state found at start: texts and highlight, but no ezan and no new day.
    const auto degisim = Olaylar(Olay::Degisim);
    ASSERT_EQ(degisim.size(), 1u);
    EXPECT_EQ(degisim[0].Satir, 1);
    EXPECT_EQ(degisim[0].A, "Şimdi Güneş Vakti");
    EXPECT_EQ(degisim[0].B, "Öğle'ye Kalan Süre");
    EXPECT_TRUE(Olaylar(Olay::YeniGun).empty());
    EXPECT_EQ(Olaylar(Olay::Ses).size(), 1u); // the warning sound only
}

TEST_F(GeriSayimTest, OgleBeginsWithOneEzanAndAFreshWarningWindow)
{
    Kur();
    Calistir(QTime(13, 11, 50), QTime(13, 30, 0));
    const auto degisim = Olaylar(Olay::Degisim);
    ASSERT_EQ(degisim.size(), 2u);
    EXPECT_EQ(degisim[1].Zaman.time(), QTime(13, 12, 0));
    EXPECT_EQ(degisim[1].Satir, 2);
    EXPECT_EQ(degisim[1].A, "Şimdi Öğle Vakti");
    EXPECT_EQ(degisim[1].B, "İkindi'ye Kalan Süre");

    const auto sesler = Olaylar(Olay::Ses);
    ASSERT_EQ(sesler.size(), 2u); // the warning sound at the first tick, then the ezan
    EXPECT_EQ(sesler[1].SesCesidi, SesTuru::Ezan);
    EXPECT_EQ(sesler[1].Zaman.time(), QTime(13, 12, 0));
    EXPECT_EQ(sesler[1].A, "/p/Ezan/ezan.wma");
    EXPECT_FALSE(Sayac->UyariVerildi());
    EXPECT_EQ(Sayac->OncekiVakit(), 2);
}

TEST_F(GeriSayimTest, OwnEzanFileComesBeforeTheGeneralOne)
{
    const UyariAyarlari sessizUyari{true, 15, false, true};
    Yollar.Ogle = "/p/Ezan/ogle.wma";
    Kur(sessizUyari);
    Calistir(QTime(13, 11, 59), QTime(13, 12, 0));
    const auto sesler = Olaylar(Olay::Ses);
    ASSERT_EQ(sesler.size(), 1u);
    EXPECT_EQ(sesler[0].A, "/p/Ezan/ogle.wma");

    // Neither file: the period still changes, silently.
    Kayit.Olaylar.clear();
    Yollar = {};
    Kur();
    Calistir(QTime(17, 10, 59), QTime(17, 11, 0));
    EXPECT_TRUE(Olaylar(Olay::Ses).empty());
    EXPECT_EQ(Olaylar(Olay::Degisim).size(), 2u);
    EXPECT_EQ(Sayac->AktifVakit(), 3);
}

TEST_F(GeriSayimTest, EzanOnlyWithinTenMinutesOfTheTime)
{
    // A change first noticed 599 s after the time still plays; 600 s after does not.
    Kur();
    Tik(QTime(13, 0, 0));
    Tik(QTime(13, 21, 59));
    ASSERT_EQ(Olaylar(Olay::Ses).size(), 2u);
    EXPECT_EQ(Olaylar(Olay::Ses).back().SesCesidi, SesTuru::Ezan);

    Kayit.Olaylar.clear();
    Kur();
    Tik(QTime(13, 0, 0));
    Tik(QTime(13, 22, 0));
    EXPECT_EQ(Olaylar(Olay::Degisim).size(), 2u);
    EXPECT_EQ(Olaylar(Olay::Ses).size(), 1u); // only the warning sound of 13:00
}

TEST_F(GeriSayimTest, GunesNeverPlaysAnEzan)
{
    Kur();
    Calistir(QTime(5, 0, 0), QTime(5, 30, 0));
    const auto uyarilar = Olaylar(Olay::Uyari);
    ASSERT_EQ(uyarilar.size(), 1u);
    EXPECT_EQ(uyarilar[0].Zaman.time(), QTime(5, 10, 0));
    EXPECT_EQ(uyarilar[0].A, "Güneş'in Doğmasına ");
    const auto degisim = Olaylar(Olay::Degisim);
    ASSERT_EQ(degisim.size(), 2u);
    EXPECT_EQ(degisim[1].Zaman.time(), QTime(5, 25, 0));
    EXPECT_EQ(degisim[1].A, "Şimdi Güneş Vakti");
    for (const Olay& o : Olaylar(Olay::Ses))
        EXPECT_EQ(o.SesCesidi, SesTuru::Uyari);
}

TEST_F(GeriSayimTest, YatsiCountsToImsakAcrossMidnight)
{
    Kur();
    Tik(QTime(23, 0, 0));
    EXPECT_EQ(Sayac->AktifVakitAnahtari(), "yatsi");
    EXPECT_EQ(Kayit.SonKalan, "04:23:00"); // today's İmsak a day later
    EXPECT_EQ(Kayit.SonIpucu, "İmsak'a Kalan Süre");
    Tik(QTime(22, 38, 0));
    EXPECT_EQ(Kayit.SonKalan, "04:45:00");

    // Midnight: the next day is computed (here it keeps the same times), the period stays
    // Yatsı and nothing sounds.
    Kayit.Olaylar.clear();
    Tik(QTime(23, 59, 59));
    Tik(QTime(0, 0, 0), Gun.addDays(1));
    ASSERT_EQ(Olaylar(Olay::YeniGun).size(), 1u);
    EXPECT_EQ(Olaylar(Olay::YeniGun)[0].Zaman, QDateTime(Gun.addDays(1), QTime(0, 0)));
    EXPECT_EQ(Kayit.SonKalan, "03:23:00");
    Tik(QTime(1, 0, 0), Gun.addDays(1));
    EXPECT_EQ(Kayit.SonKalan, "02:23:00");
    EXPECT_TRUE(Olaylar(Olay::Degisim).empty());
    EXPECT_TRUE(Olaylar(Olay::Ses).empty());
    EXPECT_EQ(Sayac->AktifVakitAnahtari(), "yatsi");

    // The İmsak warning the next morning names İmsak.
    Calistir(QTime(3, 7, 59), QTime(3, 8, 0), Gun.addDays(1));
    ASSERT_EQ(Olaylar(Olay::Uyari).size(), 1u);
    EXPECT_EQ(Olaylar(Olay::Uyari)[0].A, "İmsak Vaktine ");
}

TEST_F(GeriSayimTest, WarningTextFromTheTimeLeftAtTheFirstTick)
{
    const struct
    {
        int dakika;
        QTime an;
        const char* oncu;
        const char* sure;
        const char* kalan;
    } durumlar[] = {
        // Under one minute: no remaining text.
        {15, QTime(13, 11, 30), "Öğle Vaktine ", "", "00:00:30"},
        // 546, the largest value stored in range, and a larger one read from an older store:
        // both simply widen the window (no 16-bit overflow).
        {546, QTime(4, 0, 0), "Güneş'in Doğmasına ", "1 Saat 25 Dakika ", "01:25:00"},
        {2000, QTime(13, 12, 0), "İkindi Vaktine ", "3 Saat 59 Dakika ", "03:59:00"},
    };
    for (const auto& c : durumlar) {
        Kayit.Olaylar.clear();
        Kur({true, c.dakika, true, true});
        Tik(c.an);
        const auto uyarilar = Olaylar(Olay::Uyari);
        ASSERT_EQ(uyarilar.size(), 1u) << c.dakika;
        EXPECT_EQ(uyarilar[0].A, c.oncu);
        EXPECT_EQ(uyarilar[0].B, c.sure);
        EXPECT_EQ(uyarilar[0].C, " kaldı.");
        EXPECT_EQ(Kayit.SonKalan, c.kalan);
    }
}

TEST_F(GeriSayimTest, AlertOptions)
{
    // Warning off: no popup, no sound; the ezan stays.
    Kur({false, 15, true, true});
    Calistir(QTime(12, 50, 0), QTime(13, 12, 0));
    EXPECT_TRUE(Olaylar(Olay::Uyari).empty());
    ASSERT_EQ(Olaylar(Olay::Ses).size(), 1u);
    EXPECT_EQ(Olaylar(Olay::Ses)[0].SesCesidi, SesTuru::Ezan);

    // Silent warning, no ezan.
    Kayit.Olaylar.clear();
    Kur({true, 15, false, false});
    Calistir(QTime(12, 50, 0), QTime(13, 12, 0));
    EXPECT_EQ(Olaylar(Olay::Uyari).size(), 1u);
    EXPECT_TRUE(Olaylar(Olay::Ses).empty());

    // 0 and negative minutes never warn, even one second before the time.
    for (int dakika : {0, -5}) {
        Kayit.Olaylar.clear();
        Kur({true, dakika, true, true});
        Calistir(QTime(13, 11, 58), QTime(13, 11, 59));
        EXPECT_TRUE(Olaylar(Olay::Uyari).empty()) << dakika;
    }
}

TEST_F(GeriSayimTest, ApplyingRegionalSettingsOpensANewWarningWindow)
{
    Kur();
    Tik(QTime(13, 0, 0));
    Tik(QTime(13, 0, 1));
    EXPECT_EQ(Olaylar(Olay::Uyari).size(), 1u);
    Sayac->UyariyiSifirla();
    Tik(QTime(13, 0, 2));
    EXPECT_EQ(Olaylar(Olay::Uyari).size(), 2u);
}

TEST_F(GeriSayimTest, NewDayOnTheFirstTickWithAnotherDate)
{
    Kur();
    const std::array<double, 6> ertesi{Dk(3, 24),  Dk(5, 26),  Dk(13, 13),
                                       Dk(17, 12), Dk(20, 49), Dk(22, 39)};
    Kayit.YeniGunde = [&](const QDateTime&) { Vakitler = ertesi; };
    Tik(QTime(23, 59, 58));
    // 00:00:00 never read: 00:00:01 rolls the day over, and the same tick already counts
    // against the new times.
    Tik(QTime(0, 0, 1), Gun.addDays(1));
    ASSERT_EQ(Olaylar(Olay::YeniGun).size(), 1u);
    EXPECT_EQ(Olaylar(Olay::YeniGun)[0].Zaman, QDateTime(Gun.addDays(1), QTime(0, 0, 1)));
    EXPECT_EQ(Sayac->HesapGunu(), Gun.addDays(1));
    EXPECT_EQ(Kayit.SonKalan, "03:23:59");
    Tik(QTime(0, 0, 2), Gun.addDays(1));
    EXPECT_EQ(Olaylar(Olay::YeniGun).size(), 1u);

    // A whole day missed (a suspended machine) and a clock set back both count.
    Tik(QTime(12, 0, 0), Gun.addDays(3));
    Tik(QTime(12, 0, 0), Gun.addDays(2));
    EXPECT_EQ(Olaylar(Olay::YeniGun).size(), 3u);
}

// The clock jumps over a period change into the next time's warning window (a machine
// resumed from sleep, a corrected clock): one warning for that period, never two.
TEST_F(GeriSayimTest, AJumpIntoTheNextWindowWarnsOnce)
{
    for (int i = 0; i < 6; ++i) {
        Kayit.Olaylar.clear();
        Kur();
        const int onceki = (i + 5) % 6, sonraki = (i + 1) % 6;
        // Halfway through the period before, then ten minutes before the time after next.
        const double once = Vakitler[onceki] + (i == 0 ? 3600 : 600);
        const double sonra = Vakitler[sonraki] - 600 + (sonraki == 0 ? 86400 : 0);
        Tik(QTime(0, 0).addSecs(int(once)));
        Kayit.Olaylar.clear();
        Calistir(QTime(0, 0).addSecs(int(sonra) % 86400),
                 QTime(0, 0).addSecs(int(sonra) % 86400 + 2));
        EXPECT_EQ(Olaylar(Olay::Uyari).size(), 1u) << "into period " << i;
        EXPECT_EQ(Olaylar(Olay::Degisim).size(), 1u) << "into period " << i;
    }
}

// The start computed the day's times for the date it read; when the first tick comes on a
// later day (a start-up message held open across midnight) the day rolls over at once.
TEST_F(GeriSayimTest, FirstTickOnALaterDayThanTheStartRollsOver)
{
    Kur();
    Sayac->setHesapGunu(Gun);
    Tik(QTime(0, 0, 5), Gun.addDays(1));
    EXPECT_EQ(Olaylar(Olay::YeniGun).size(), 1u);
}

TEST_F(GeriSayimTest, APickedDayCountsUntilMidnightThenTodayReturns)
{
    Kur();
    Tik(QTime(12, 0, 0));
    // The user picks 21 December: Öğle 13:08, so the countdown follows the new list at once.
    Vakitler = {Dk(6, 46), Dk(8, 18), Dk(13, 8), Dk(15, 26), Dk(17, 47), Dk(19, 12)};
    Tik(QTime(12, 0, 1));
    EXPECT_EQ(Kayit.SonKalan, "01:07:59");
    EXPECT_TRUE(Olaylar(Olay::YeniGun).empty());
    Kayit.YeniGunde = [&](const QDateTime&) { Vakitler = Haziran21; };
    Tik(QTime(0, 0, 0), Gun.addDays(1));
    EXPECT_EQ(Olaylar(Olay::YeniGun).size(), 1u);
    EXPECT_EQ(Kayit.SonKalan, "03:23:00");
}

TEST_F(GeriSayimTest, YatsiAfterMidnightFarNorth)
{
    // Around 60° N in June: Akşam 22:58 and Yatsı (Akşam + 80 min) wrapped to 00:18.
    Vakitler = {Dk(2, 24), Dk(3, 54), Dk(13, 20), Dk(18, 0), Dk(22, 58), Dk(0, 18)};
    Kur();
    Tik(QTime(13, 30, 0));
    EXPECT_EQ(Sayac->AktifVakitAnahtari(), "ogle");
    Tik(QTime(23, 30, 0));
    EXPECT_EQ(Sayac->AktifVakitAnahtari(), "aksam");
    EXPECT_EQ(Kayit.SonKalan, "00:48:00");
    EXPECT_EQ(Kayit.SonIpucu, "Yatsı'ya Kalan Süre");
    Kayit.Olaylar.clear();
    Tik(QTime(0, 18, 0), Gun.addDays(1));
    EXPECT_EQ(Sayac->AktifVakitAnahtari(), "yatsi");
    EXPECT_EQ(Kayit.SonKalan, "02:06:00");
    ASSERT_EQ(Olaylar(Olay::Ses).size(), 1u);
    EXPECT_EQ(Olaylar(Olay::Ses)[0].SesCesidi, SesTuru::Ezan);
}

TEST_F(GeriSayimTest, YatsiFoundAgainAfterMidnightIsNoFreshEzan)
{
    // At 01:00 the running period is İmsak of a day whose İmsak is 00:50 (picked by the
    // user); back on a day with İmsak at 03:23 it is Yatsı again, which began hours ago.
    Vakitler = {Dk(0, 50), Dk(5, 25), Dk(13, 12), Dk(17, 11), Dk(20, 48), Dk(22, 38)};
    Kur();
    Tik(QTime(1, 0, 0));
    EXPECT_EQ(Sayac->AktifVakitAnahtari(), "imsak");
    Vakitler = Haziran21;
    Tik(QTime(1, 0, 1));
    EXPECT_EQ(Sayac->AktifVakitAnahtari(), "yatsi");
    EXPECT_EQ(Olaylar(Olay::Degisim).size(), 2u);
    EXPECT_TRUE(Olaylar(Olay::Ses).empty());
}

TEST_F(GeriSayimTest, NoTimesYetShowsOnlyTheClock)
{
    Vakitler = {};
    Kur();
    Tik(QTime(13, 12, 0));
    EXPECT_EQ(Sayac->AktifVakit(), -1);
    EXPECT_EQ(Sayac->AktifVakitAnahtari(), "");
    EXPECT_EQ(Kayit.KalanSayisi, 0);
    EXPECT_EQ(Kayit.SonSaat, "Saat : 13:12:00");
    EXPECT_TRUE(Kayit.Olaylar.empty());
}

TEST_F(GeriSayimTest, ClockCaptionFollowsTheUsersTimeFormat)
{
    Kur();
    Tik(QTime(9, 5, 7));
    EXPECT_EQ(Kayit.SonSaat, "Saat : 09:05:07");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Kur();
    Tik(QTime(13, 12, 0));
    EXPECT_EQ(Kayit.SonSaat, "Saat : 1:12:00 PM");
}

} // namespace
