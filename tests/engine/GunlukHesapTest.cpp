#include "engine/GunlukHesap.h"
#include "engine/HesapYontemi.h"
#include "engine/Sayi.h"
#include "engine/Yuvarlama.h"
#include "support/QtYazdir.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <ctime>
#include <optional>

namespace {

VakitGirdisi Girdi(QDate gun, double enlem, double boylam, double tz, const QString& ulke = {},
                   int yontem = 0)
{
    return {QDateTime(gun, QTime(0, 0)), enlem, boylam, tz, ulke, yontem};
}

// The six shown times, joined by spaces.
QString Metinler(const VakitGirdisi& g)
{
    const std::array<QString, 6> m = GunlukHesapla(g).Metinler;
    return QStringList(m.begin(), m.end()).join(u' ');
}

} // namespace

// The published worked results of the daily computation (method 0 unless given).
TEST(GunlukHesap, WorkedResults)
{
    const std::pair<VakitGirdisi, const char*> durumlar[] = {
        // İstanbul area in midsummer and midwinter; "Türkiye" adds the hour.
        {Girdi({2026, 6, 21}, 41.0, 29.0, 2, "Türkiye"), "03:23 05:25 13:12 17:11 20:48 22:38"},
        {Girdi({2026, 12, 21}, 41.0, 29.0, 2, "Türkiye"), "06:46 08:18 13:08 15:26 17:47 19:12"},
        // Mecca area, Umm Al-Qura: Yatsı from the 17° angle.
        {Girdi({2026, 3, 20}, 21.4, 39.8, 3, {}, 3), "05:08 06:19 12:35 15:58 18:41 19:41"},
        // Berlin area: angles never reached, the high-latitude share decides.
        {Girdi({2026, 6, 21}, 52.5, 13.4, 1), "02:06 03:35 12:14 16:37 20:42 22:02"},
        // Cairo area, Egyptian method with half degrees.
        {Girdi({2026, 1, 1}, 30.0, 31.2, 2, {}, 4), "05:18 06:44 12:05 14:52 17:14 18:28"}};
    for (const auto& [girdi, beklenen] : durumlar)
        EXPECT_EQ(Metinler(girdi), beklenen) << girdi.Enlem;
}

TEST(GunlukHesap, IntermediateValuesOfMidsummerIstanbul)
{
    const HamVakitler h = HamVakitleriHesapla(Girdi({2026, 6, 21}, 41.0, 29.0, 2, "Türkiye"));
    EXPECT_NEAR(h.Deklinasyon, 23.4520, 5e-5);
    EXPECT_NEAR(h.ZamanDenklemi, -1.3282, 5e-5);
    EXPECT_NEAR(h.OglenVakti, 12.08880, 5e-6);
    EXPECT_NEAR(h.HGunes, 7.56768, 5e-6);
    EXPECT_NEAR(h.HImsak, 9.69533, 5e-6);
    EXPECT_NEAR(h.HYatsi, 9.53813, 5e-6);
    EXPECT_NEAR(h.HIkindi, 4.01479, 5e-6);
    EXPECT_EQ(h.YazSaati, 1);
}

// Above 45° Yatsı is Akşam + 1.333 h and İmsak 10 minutes before that much ahead of Güneş
// (at 45° still the 17° angle), except east of 45° in summer (İmsak stays the 18° one); north
// of 62° the latitude is clamped, the south is used as given.
TEST(GunlukHesap, HighLatitudeRules)
{
    const QDate gun(2026, 6, 21);
    const HamVakitler tam = HamVakitleriHesapla(Girdi(gun, 45.0, 10, 1));
    const HamVakitler ustu = HamVakitleriHesapla(Girdi(gun, 45.0001, 10, 1));
    EXPECT_GT(std::fabs((tam.Ham[5] - tam.Ham[4]) - 1.333), 0.01);
    EXPECT_NEAR(ustu.Ham[5] - ustu.Ham[4], 1.333, 1e-12);
    EXPECT_NEAR(ustu.Ham[0], ustu.Ham[1] - 1.333 - 0.166, 1e-12);
    const HamVakitler dogu = HamVakitleriHesapla(Girdi(QDate(2026, 6, 1), 35.7, 51.4, 3.5));
    EXPECT_DOUBLE_EQ(dogu.Ham[0], dogu.OglenVakti - dogu.HImsak);

    const QDate mart(2026, 3, 1);
    EXPECT_EQ(Metinler(Girdi(mart, 70, 20, 1)), Metinler(Girdi(mart, 62, 20, 1)));
    EXPECT_NE(Metinler(Girdi(mart, -70, 20, 1)), Metinler(Girdi(mart, -62, 20, 1)));
}

// The summer hour: from the rule's start day (included) to its end day (not), wrapping the
// year end for a southern rule; none when switched off, without a rule or for an empty
// window; always for "Türkiye" (exactly that name), switch or not.
TEST(YazSaati, WindowOfTheRuleAndTurkiye)
{
    const QDate bahar(2026, 3, 29), guz(2026, 10, 25);
    // The day, the rule's start and end, the switch, the country, the summer hour.
    const std::tuple<QDate, QDate, QDate, bool, const char*, int> durumlar[] = {
        {{2026, 3, 28}, bahar, guz, true, "Almanya", 0},
        {bahar, bahar, guz, true, "Almanya", 1},
        {{2026, 10, 24}, bahar, guz, true, "Almanya", 1},
        {guz, bahar, guz, true, "Almanya", 0},
        {{2026, 7, 1}, bahar, guz, false, "Almanya", 0},
        {{2026, 7, 1}, {}, {}, true, "Almanya", 0},
        {{2026, 7, 1}, {2026, 7, 1}, {2026, 7, 1}, true, "Almanya", 0},
        // Sydney 2026: summer ends 5 April, starts again 4 October.
        {{2026, 4, 4}, {2026, 10, 4}, {2026, 4, 5}, true, "Avustralya", 1},
        {{2026, 4, 5}, {2026, 10, 4}, {2026, 4, 5}, true, "Avustralya", 0},
        {{2026, 10, 4}, {2026, 10, 4}, {2026, 4, 5}, true, "Avustralya", 1},
        {{2026, 1, 1}, {}, {}, false, "Türkiye", 1},
        {{2026, 1, 1}, {}, {}, true, "türkiye", 0}};
    for (const auto& [gun, bas, bit, acik, ulke, fark] : durumlar) {
        VakitGirdisi g = Girdi(gun, 52.5, 13.4, 1, ulke);
        std::tie(g.YazBaslangic, g.YazBitis, g.YazSaati) = std::tuple(bas, bit, acik);
        EXPECT_EQ(YazSaatiFarki(g), fark) << gun.toString(Qt::ISODate).toStdString() << ulke;
    }

    // Every time moves by exactly one hour.
    VakitGirdisi g = Girdi({2026, 3, 28}, 52.5, 13.4, 1, "Almanya");
    g.YazBitis = QDate(2026, 10, 25);
    g.YazBaslangic = QDate(2026, 3, 29);
    const VakitSonucu once = GunlukHesapla(g);
    g.YazBaslangic = QDate(2026, 3, 20);
    const VakitSonucu sonra = GunlukHesapla(g);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(sonra.GunlukVakitler[i] - once.GunlukVakitler[i], 3600) << i;
}

TEST(SaatDakika, MinuteCarryAndDayWrap)
{
    // Hundredths round half to even: 10.125 h is 10.12 h, so 10:07 and not 10:08. Before
    // midnight of the day: shown as the previous evening's clock.
    const std::pair<double, std::pair<int, int>> durumlar[] = {
        {5.996, {6, 0}},   {24.25, {0, 15}}, {23.999, {0, 0}}, {10.125, {10, 7}},
        {10.135, {10, 8}}, {-0.5, {23, 30}}, {-0.001, {0, 0}}, {std::nan(""), {0, 0}}};
    for (const auto& [t, beklenen] : durumlar) {
        const SaatDakika s = SaatDakikaya(t);
        EXPECT_EQ(std::pair(s.Saat, s.Dakika), beklenen) << t;
    }
    // Hours far outside any day (a place out of range that slipped through) still give a
    // clock time, never a negative or out-of-range minute.
    for (double t : {-6.666666666666667e18, 1e20, -1e300, 1e308, 7.5e15 + 0.25}) {
        const SaatDakika s = SaatDakikaya(t);
        EXPECT_TRUE(s.Saat >= 0 && s.Saat < 24 && s.Dakika >= 0 && s.Dakika < 60)
            << t << " -> " << s.Saat << ":" << s.Dakika;
    }
}

// Clock times whose seconds are those of the shown minutes, so the countdown meets the label
// exactly; for inputs outside the model too.
TEST(GunlukHesap, ClockTimesOfTheShownMinutesEvenOutsideTheModel)
{
    static const QRegularExpression saat("^([01][0-9]|2[0-3]):[0-5][0-9]$");
    const VakitGirdisi girdiler[] = {
        Girdi(QDate(2026, 6, 21), -90, 0, 0),     Girdi(QDate(2026, 12, 21), 90, 0, 0),
        Girdi(QDate(2026, 6, 21), 52.5, 13.4, 1), // within the model
        Girdi(QDate(2026, 6, 21), 10, 180, -12),  // noon far before midnight
        Girdi(QDate(2026, 6, 21), 10, -180, 14),  // noon far after it
        Girdi(QDate(2026, 6, 21), -60, -70, -4),  // southern twilight never reached
    };
    for (const VakitGirdisi& g : girdiler) {
        const VakitSonucu s = GunlukHesapla(g);
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_TRUE(saat.match(s.Metinler[i]).hasMatch())
                << g.Enlem << " " << g.Boylam << " " << s.Metinler[i].toStdString();
            EXPECT_EQ(s.GunlukVakitler[i],
                      QTime::fromString(s.Metinler[i]).msecsSinceStartOfDay() / 1000);
        }
    }
}

TEST(GunlukHesap, MidnightInsideAClockGap)
{
    // Chile moves its clocks from 00:00 to 01:00: midnight of 6 September 2026 does not exist
    // there, yet the day is still the selected one.
    const QByteArray eski = qgetenv("TZ");
    qputenv("TZ", "America/Santiago");
    tzset();
    const VakitSonucu s = GunlukHesapla(Girdi(QDate(2026, 9, 6), -33.4, -70.6, -4));
    qputenv("TZ", eski);
    tzset();
    EXPECT_EQ(s.Miladi + ", " + s.Hicri + ", " + s.Metinler[2],
              "6 Eylül 2026, 24 Rebiü'l-Evvel 1448, 12:48");
}

// The five methods in index order, their angles (half degrees included), only the first the
// standard one; the description lines are joined as they are, so the regions keep their
// closing blank. Outside the table there is no method.
TEST(HesapYontemi, TableOfTheFiveMethods)
{
    const std::pair<double, double> acilar[] = {
        {18, 17}, {18, 18}, {15, 15}, {19, 17}, {19.5, 17.5}};
    for (int i = 0; i < 5; ++i) {
        const HesapYontemi* y = HesapYontemiBul(i);
        ASSERT_NE(y, nullptr);
        EXPECT_EQ(y->Index, i);
        EXPECT_EQ(std::pair(y->ImsakAcisi, y->YatsiAcisi), acilar[i]) << i;
        EXPECT_EQ(y->Standart, i == 0);
        EXPECT_TRUE(y->BolgeMetni.endsWith(u' ') && !y->AciMetni.endsWith(u' ')) << i;
    }
    EXPECT_EQ(HesapYontemiBul(3)->AciMetni,
              "İmsak Açısı : -19 Yatsı Açısı : Akşam'dan 90 dk. sonra (Ramazan'da 120 dk.)");
    for (int i : {-1, 5, 32767})
        EXPECT_EQ(HesapYontemiBul(i), nullptr);
}

// Halves go to the even neighbour, on both sides of zero and whatever the rounding mode.
TEST(CifteYuvarla, HalvesGoToTheEvenNeighbour)
{
    const std::pair<double, double> durumlar[] = {{0.5, 0},    {1.5, 2},    {2.5, 2},
                                                  {-0.5, 0},   {-1.5, -2},  {-2.5, -2},
                                                  {2.4999, 2}, {2.5001, 3}, {-2.5001, -3}};
    const int eski = std::fegetround();
    for (int kip : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD}) {
        std::fesetround(kip);
        for (const auto& [x, beklenen] : durumlar)
            EXPECT_EQ(CifteYuvarla(x), beklenen) << x << " mode " << kip;
    }
    std::fesetround(eski);
}

// What a user types: one decimal mark, "." or ",", and nothing that reads differently under
// another number format.
TEST(Sayi, TypedNumbers)
{
    const std::pair<const char*, std::optional<double>> durumlar[] = {
        {"41.02", 41.02}, {"41,02", 41.02}, {"-33,9", -33.9}, {"+41", 41},     {".5", 0.5},
        {"5.", 5},        {" 7 ", 7},       {"0", 0},         {"", {}},        {"-", {}},
        {".", {}},        {"1e3", {}},      {"1.2.3", {}},    {"1.234,5", {}}, {"4 1", {}},
        {"--1", {}},      {"0x10", {}},     {"nan", {}},      {"inf", {}},     {"kırk", {}},
        {"٤١", {}}, // Arabic-Indic digits are not typed input
    };
    for (const auto& [metin, beklenen] : durumlar)
        EXPECT_EQ(Sayi::Coz(QString::fromUtf8(metin)), beklenen) << metin;
    EXPECT_EQ(Sayi::Coz(QString(400, QLatin1Char('9'))), std::nullopt) << "beyond a double";
}

// The stored form: 15 significant digits, spelled out, the same on every system.
TEST(Sayi, StoredForm)
{
    const std::pair<double, const char*> durumlar[] = {{41.02, "41.02"},
                                                       {-3.5, "-3.5"},
                                                       {2, "2"},
                                                       {-0.0, "0"},
                                                       {0.1 + 0.2, "0.3"},
                                                       {1.0 / 3, "0.333333333333333"},
                                                       {1e-7, "0.0000001"},
                                                       {123456789012345678.0, "123456789012346000"},
                                                       {-2e15, "-2000000000000000"}};
    for (const auto& [sayi, metin] : durumlar)
        EXPECT_EQ(Sayi::Yaz(sayi), QString::fromLatin1(metin)) << metin;
    EXPECT_EQ(Sayi::Yaz(-0.0001234, QLatin1Char(',')), "-0,0001234");
}
