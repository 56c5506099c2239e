// The countdown against fixed times, then a simulated year of it, every second, through the
// real daily computation: every day exactly five ezans at the minutes of GunlukVakitler (none
// at Güneş), one warning per period on the first second with at most BADakika minutes left,
// six period changes, one recomputation per midnight (also when 00:00:00 is never read), and
// nothing else.
#include "shell/GeriSayim.h"
#include "engine/GunlukHesap.h"
#include "platform/SistemYazSaati.h"
#include "shell/GeriSayimHedefi.h"
#include "shell/SureMetni.h"
#include "support/QtYazdir.h"
#include "support/SahteSaat.h"

#include <QRegularExpression>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <map>
#include <memory>

namespace {

// Writes down what the countdown does, one line per call, each led by the clock's reading
// ("13:12:00 ezan /p/ezan").
class Kaydedici : public GeriSayimHedefi
{
public:
    explicit Kaydedici(const Saat& saat, QString bicim = "HH:mm:ss") : saat_(saat), bicim_(bicim) {}
    // The last caption and its tooltip, and how many were shown.
    void KalanGoster(const QString& k, const QString& ipucu) override { Kalan = k + ' ' + ipucu; }
    void SaatGoster(const QString& saat) override { SaatMetni = saat; }
    void VakitDegisti(int satir, const QString& vakit, const QString& sonraki) override
    {
        Yaz(QStringLiteral("vakit %1 %2, %3").arg(satir).arg(vakit, sonraki));
    }
    void UyariGoster(const QString& oncu, const QString& sure, const QString& son) override
    {
        Yaz("uyari " + oncu + u'|' + sure + u'|' + son);
    }
    void SesCal(const QString& yol, SesTuru tur) override
    {
        Yaz((tur == SesTuru::Ezan ? "ezan " : "ses ") + yol);
    }
    void GunDegisti(const QDateTime& simdi) override { Yaz("gun"), YeniGunde(simdi.date()); }
    void Yaz(const QString& ne) { Olaylar << saat_.Simdi().toString(bicim_ + ' ') + ne; }

    QStringList Olaylar;
    std::function<void(const QDate&)> YeniGunde = [](const QDate&) {}; // the recomputation
    QString Kalan, SaatMetni;                                          // the last captions
    const Saat& saat_;
    const QString bicim_;
};

// Seconds from midnight of 21 June 2026; from 24 h on, the next day.
constexpr auto S = [](int h, int m, int s = 0) { return h * 3600 + m * 60 + s; };

using Vakitler = std::array<double, 6>;
// İstanbul, method 0, 21 June 2026: the engine's worked example.
const Vakitler Haziran21{S(3, 23), S(5, 25), S(13, 12), S(17, 11), S(20, 48), S(22, 38)};

class GeriSayimTest : public ::testing::Test
{
protected:
    // A fresh countdown, as at program start, with a general ezan, Öğle's own and the warning
    // sound.
    void Kur(const UyariAyarlari& ayarlar = {})
    {
        Kayit.Olaylar.clear();
        Kayit.Kalan.clear();
        Sayac = std::make_unique<GeriSayim>(Saat, T, Kayit);
        Sayac->AyarlariUygula(ayarlar);
        Sayac->SesYollariniAyarla({"", "/p/ogle", "", "", "", "/p/ezan", "/p/uyari"});
    }
    // Every second from `bas` to `son`, both included, of the day `Gece` begins.
    void Calistir(int bas, int son)
    {
        for (int s = bas; s <= son; ++s)
            Saat.Ayarla(Gece.addSecs(s)), Sayac->KalanTimerTick();
    }
    void Tik(int s) { Calistir(s, s); }

    Vakitler T = Haziran21;
    QDateTime Gece{QDate(2026, 6, 21), QTime(0, 0), Qt::UTC};
    SahteSaat Saat{Gece};
    Kaydedici Kayit{Saat};
    std::unique_ptr<GeriSayim> Sayac;
};

// Runs of ticks against the day's times: what is shown, warned and played, at which second,
// then the last caption.
TEST_F(GeriSayimTest, PeriodsWarningsAndEzans)
{
    using Tikler = std::vector<std::pair<int, int>>; // runs of seconds, both ends included
    const std::tuple<UyariAyarlari, Tikler, const char*> durumlar[] = {
        // No warning; a change noticed 9:59 late still plays.
        {{false, 15, true, true},
         {{S(13, 0), S(13, 0)}, {S(13, 21, 59), S(13, 21, 59)}},
         "13:00:00 vakit 1 Şimdi Güneş Vakti, Öğle'ye Kalan Süre; 13:21:59 vakit 2 Şimdi Öğle "
         "Vakti, İkindi'ye Kalan Süre; 13:21:59 ezan /p/ogle; 03:49:01 İkindi'ye Kalan Süre"},
        // A silent warning at the first tick, under a minute left (no remaining text); 10:00
        // late plays nothing.
        {{true, 15, false, true},
         {{S(13, 11, 30), S(13, 11, 30)}, {S(13, 22), S(13, 22)}},
         "13:11:30 vakit 1 Şimdi Güneş Vakti, Öğle'ye Kalan Süre; 13:11:30 uyari Öğle Vaktine || "
         "kaldı.; 13:22:00 vakit 2 Şimdi Öğle Vakti, İkindi'ye Kalan Süre; 03:49:00 İkindi'ye "
         "Kalan Süre"},
        // 0 minutes never warn; the ezan off.
        {{true, 0, true, false},
         {{S(17, 10, 58), S(17, 11)}},
         "17:10:58 vakit 2 Şimdi Öğle Vakti, İkindi'ye Kalan Süre; 17:11:00 vakit 3 Şimdi İkindi "
         "Vakti, Akşam'a Kalan Süre; 03:37:00 Akşam'a Kalan Süre"},
        {{true, 2000, true, true},
         {{S(4, 0), S(4, 0)}, {S(13, 12), S(13, 12)}},
         "04:00:00 vakit 0 Şimdi İmsak Vakti, Güneş'e Kalan Süre; 04:00:00 uyari Güneş'in "
         "Doğmasına |1 Saat 25 Dakika | kaldı.; 04:00:00 ses /p/uyari; 13:12:00 vakit 2 Şimdi "
         "Öğle Vakti, İkindi'ye Kalan Süre; 13:12:00 ezan /p/ogle; 13:12:00 uyari İkindi Vaktine "
         "|3 Saat 59 Dakika | kaldı.; 13:12:00 ses /p/uyari; 03:59:00 İkindi'ye Kalan Süre"}};
    for (const auto& [ayar, tikler, beklenen] : durumlar) {
        Kur(ayar);
        for (const auto& [bas, son] : tikler)
            Calistir(bas, son);
        EXPECT_EQ((Kayit.Olaylar << Kayit.Kalan).join("; "), beklenen);
    }
}

// Around 60° N in June Yatsı (Akşam + 80 min) wraps past midnight to 00:18. The clock shows
// in the user's format without the zone.
TEST_F(GeriSayimTest, WrappedYatsiAndTheClock)
{
    T = {S(2, 24), S(3, 54), S(13, 20), S(18, 0), S(22, 58), S(0, 18)};
    QLocale::setDefault(QLocale("en_US"));
    Kur();
    Tik(S(23, 30));
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(Kayit.SaatMetni, "Saat : 11:30:00 PM");
    Tik(S(24, 18));
    EXPECT_EQ((Kayit.Olaylar << Kayit.Kalan).join("; "),
              "23:30:00 vakit 4 Şimdi Akşam Vakti, Yatsı'ya Kalan Süre; 00:18:00 gun; 00:18:00 "
              "vakit 5 Şimdi Yatsı Vakti, İmsak'a Kalan Süre; 00:18:00 ezan /p/ezan; 02:06:00 "
              "İmsak'a Kalan Süre");
}

// The clock jumps over a period change into the next time's warning window (a machine
// resumed from sleep, a corrected clock): one warning for that period, never two.
TEST_F(GeriSayimTest, AJumpIntoTheNextWindowWarnsOnce)
{
    for (int i = 0; i < 6; ++i) {
        Kur();
        Tik(int(T[(i + 5) % 6]) + (i == 0 ? 3600 : 600)); // into the period before
        Kayit.Olaylar.clear();
        const int sonra = int(T[(i + 1) % 6]) - 600 + (i == 5 ? 86400 : 0);
        Calistir(sonra, sonra + 2);
        EXPECT_EQ(Kayit.Olaylar.filter(" uyari ").size(), 1) << "into period " << i;
        EXPECT_EQ(Kayit.Olaylar.filter(" vakit ").size(), 1) << "into period " << i;
    }
}

// At 01:00 the running period is İmsak of a picked day whose İmsak is 00:50; back on a day
// with İmsak at 03:23 it is Yatsı again, which began hours ago: no fresh ezan. Any tick with
// another date than the times were computed for recomputes, and already counts against the new
// times: a day missed, a clock set back.
TEST_F(GeriSayimTest, YatsiFoundAgainIsNoFreshEzanAndANewDateRecomputes)
{
    T[0] = S(0, 50);
    Kur();
    Tik(S(1, 0));
    T = Haziran21;
    Tik(S(1, 0, 1));
    EXPECT_EQ(Kayit.Olaylar.join("; "), "01:00:00 vakit 0 Şimdi İmsak Vakti, Güneş'e Kalan Süre; "
                                        "01:00:01 vakit 5 Şimdi Yatsı Vakti, İmsak'a Kalan Süre");
    EXPECT_EQ(Sayac->AktifVakitAnahtari(), "yatsi");

    Kur();
    Kayit.YeniGunde = [&](const QDate&) { T[0] += 60; };
    for (int s : {S(23, 59, 58), S(48, 0, 1), S(24, 0, 2)})
        Tik(s);
    EXPECT_EQ(Kayit.Olaylar.filter(" gun").join(", "), "00:00:01 gun, 00:00:02 gun");
    EXPECT_EQ(Kayit.Kalan, "03:24:58 İmsak'a Kalan Süre");
}

// The religious days' greeting through the popup, against the day's times (Akşam 20:48, İmsak
// 03:23), warnings off unless said: on Mevlid Kandili (24 August 2026) at the first tick from
// Akşam, on the first day of Ramazan Bayramı (20 March 2026) from İmsak, on the first tick of a
// program started later that day, once a day however often the settings are applied, never in a
// tick that warned (110 minutes of warning put Yatsı's warning on Akşam's tick), and not at all
// when switched off or on an ordinary day. 10 December 2026 is both the first of the three months
// and Regaib Kandili: the day at İmsak, the night at Akşam; started in the evening, the night only.
TEST_F(GeriSayimTest, ReligiousDaysAreGreetedOnce)
{
    using Tikler = std::vector<std::pair<int, int>>;
    const UyariAyarlari varsayilan{false, 15, true, true}, uzun{true, 110, true, true};
    const QDate mevlid(2026, 8, 24), bayram(2026, 3, 20), ucAylar(2026, 12, 10);
    const char* const gece = "uyari Bu gece |Mevlid Kandili| Hayırlı olsun.";
    // clang-format off
    const std::tuple<QDate, UyariAyarlari, bool, Tikler, QString> durumlar[] = {
        {mevlid, varsayilan, true, {{S(20, 47, 58), S(20, 48, 2)}},
         QString("20:48:00 ezan /p/ezan; 20:48:00 ") + gece},
        {mevlid, uzun, true, {{S(20, 47, 59), S(20, 48, 1)}},
         QString("20:47:59 uyari Akşam Vaktine || kaldı.; 20:47:59 ses /p/uyari; 20:48:00 ezan "
                 "/p/ezan; 20:48:00 uyari Yatsı Vaktine |1 Saat 50 Dakika | kaldı.; 20:48:00 ses "
                 "/p/uyari; 20:48:01 ") + gece},
        {mevlid, varsayilan, false, {{S(20, 47, 59), S(20, 48, 1)}}, "20:48:00 ezan /p/ezan"},
        {bayram, varsayilan, true, {{S(3, 22, 59), S(3, 23, 1)}, {S(20, 48), S(20, 48)}},
         "03:23:00 ezan /p/ezan; 03:23:00 uyari Bugün |Ramazan Bayramı 1. Gün| Hayırlı olsun.; "
         "20:48:00 ezan /p/ezan"},
        {ucAylar, varsayilan, true, {{S(12, 0), S(12, 0)}, {S(20, 48), S(20, 48)}},
         "12:00:00 uyari Bugün |Üç Ayların Başlangıcı| Hayırlı olsun.; 20:48:00 ezan /p/ezan; "
         "20:48:00 uyari Bu gece |Regaib Kandili| Hayırlı olsun."},
        {ucAylar, varsayilan, true, {{S(21, 0), S(23, 0)}},
         "21:00:00 uyari Bu gece |Regaib Kandili| Hayırlı olsun.; 22:38:00 ezan /p/ezan"},
        {QDate(2026, 6, 21), varsayilan, true, {{S(3, 23), S(3, 23)}, {S(20, 48), S(20, 48)}},
         "20:48:00 ezan /p/ezan"}};
    // clang-format on
    for (const auto& [gun, ayar, hatirlat, tikler, beklenen] : durumlar) {
        Gece = QDateTime(gun, QTime(0, 0), Qt::UTC);
        Kur(ayar);
        Sayac->DiniGunleriAyarla(hatirlat, 0);
        Sayac->setHesapGunu(gun);
        for (const auto& [bas, son] : tikler) // and the settings again, as every Hesapla does
            Calistir(bas, son), Sayac->DiniGunleriAyarla(hatirlat, 0);
        EXPECT_EQ(Kayit.Olaylar.filter(QRegularExpression(" (uyari|ses|ezan) ")).join("; "),
                  beklenen)
            << gun.toString(Qt::ISODate).toStdString();
    }
}

// Form 0 as a clock, form 4 in words without seconds; the rest after the hours is rounded
// halves to even.
TEST(SureMetni, ClockAndWordForms)
{
    const double sonsuz = 1.0 / 0.0, nan = sonsuz - sonsuz;
    // clang-format off
    const std::tuple<double, int, const char*> durumlar[] = {
        {11109, 0, "03:05:09"}, {360001, 0, "100:00:01"}, {59.5, 0, "00:01:00"},
        {58.5, 0, "00:00:58"}, {3659.4, 0, "01:00:59"}, {nan, 0, "00:00:00"}, {3600, 4, "1 Saat "},
        {7259, 4, "2 Saat "}, {59.5, 4, "1 Dakika "}, {sonsuz, 4, ""}, {900, 1, ""}};
    // clang-format on
    for (const auto& [saniye, bicim, metin] : durumlar)
        EXPECT_EQ(SureMetni(saniye, bicim), metin) << saniye << " " << bicim;
}

#ifdef ORVANEL_KISA_SOAK
// The sanitizer build runs a quarter of the year around each daylight-saving change.
const std::vector<std::pair<QDate, QDate>> Donemler{{QDate(2026, 3, 1), QDate(2026, 4, 15)},
                                                    {QDate(2026, 10, 1), QDate(2026, 11, 15)}};
#else
const std::vector<std::pair<QDate, QDate>> Donemler{{QDate(2026, 1, 1), QDate(2027, 1, 1)}};
#endif

// The day's times as the program computes them for the place `g`, in the zone of TZ.
const QString Bicim = "yyyy-MM-dd HH:mm:ss";

std::array<double, 6> Gunun(VakitGirdisi g, const QDate& gun)
{
    g.SeciliTarih = QDateTime(gun, QTime(0, 0));
    std::tie(g.YazBaslangic, g.YazBitis) = SistemYazSaati().Gecisler(gun.year());
    return GunlukHesapla(g).GunlukVakitler;
}

// Runs the countdown for Berlin on the wall clock of its zone, one real second at a time:
// across a daylight-saving change it jumps or repeats an hour as a real clock does. On days
// with an odd day-of-year 00:00:00 is never read. Then compares what the countdown did with
// what must have happened, day by day, from the day's own times.
TEST(GeriSayimSoak, BerlinEverySecondWithDaylightSaving)
{
    const VakitGirdisi berlin{{}, 52.52, 13.40, 1, "Almanya"};
    qputenv("TZ", "Europe/Berlin");
    tzset();
    const QTimeZone zaman = QTimeZone::systemTimeZone();
    for (const auto& [ilk, son] : Donemler) {
        const QDateTime bas(ilk, QTime(0, 0)), bitis(son, QTime(0, 0));
        std::map<qint64, int> farklar{{bas.toSecsSinceEpoch(), zaman.offsetFromUtc(bas)}};
        for (const QTimeZone::OffsetData& d : zaman.transitions(bas, bitis))
            farklar[d.atUtc.toSecsSinceEpoch()] = d.offsetFromUtc;

        SahteSaat saat{QDateTime()};
        Kaydedici cikis(saat, Bicim);
        std::array<double, 6> vakitler = Gunun(berlin, ilk);
        cikis.YeniGunde = [&](const QDate& gun) { vakitler = Gunun(berlin, gun); };
        GeriSayim sayac(saat, vakitler, cikis);
        sayac.SesYollariniAyarla({"", "", "", "", "Ezan/yatsi.wma", "Ezan/ezan.wma", "uyari.wma"});
        for (qint64 utc = bas.toSecsSinceEpoch(); utc < bitis.toSecsSinceEpoch(); ++utc) {
            const qint64 duvar = utc + std::prev(farklar.upper_bound(utc))->second;
            const QDateTime an = QDateTime::fromSecsSinceEpoch(duvar, Qt::UTC);
            if (duvar % 86400 == 0 && an.date() != ilk && an.date().dayOfYear() % 2 == 1)
                continue;
            saat.Ayarla(an);
            sayac.KalanTimerTick();
        }
        QStringList beklenen;
        for (QDate gun = ilk; gun < son; gun = gun.addDays(1)) {
            const std::array<double, 6> t = Gunun(berlin, gun);
            const auto an = [&](int s) {
                return gun.startOfDay(Qt::UTC).addSecs(s).toString(Bicim) + ' ';
            };
            beklenen << (gun == ilk ? an(0) + "vakit 5 Şimdi Yatsı Vakti, İmsak'a Kalan Süre"
                                    : an(gun.dayOfYear() % 2) + "gun");
            for (int i = 0; i < 6; ++i) {
                // The warning before time i, given while period i-1 runs.
                beklenen << an(t[i] - 900) + "uyari " + GeriSayim::UyariOnMetinleri[(i + 5) % 6] +
                                "|15 Dakika | kaldı."
                         << an(t[i] - 900) + "ses uyari.wma"
                         << an(t[i]) + QString("vakit %1 ").arg(i) + GeriSayim::VakitMetinleri[i] +
                                ", " + GeriSayim::IpucuMetinleri[i];
                if (i != 1)
                    beklenen << an(t[i]) + (i == 5 ? "ezan Ezan/yatsi.wma" : "ezan Ezan/ezan.wma");
            }
        }
        for (qsizetype i = 0; i < std::max(cikis.Olaylar.size(), beklenen.size()); ++i)
            ASSERT_EQ(cikis.Olaylar.value(i), beklenen.value(i)) << "event " << i;
    }
}

} // namespace
