// The commands in-process, with a fixed clock and fixed daylight-saving dates.
#include "cli/GirdiSecenekleri.h"
#include "cli/HijriKomutu.h"
#include "cli/MonthKomutu.h"
#include "cli/TimesKomutu.h"

#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include "../engine/QtYazdir.h"

#include <gtest/gtest.h>

namespace {

class SabitSaat : public Saat
{
public:
    explicit SabitSaat(QDateTime an) : an_(std::move(an)) {}
    QDateTime Simdi() const override { return an_; }

private:
    QDateTime an_;
};

class SabitYazSaati : public YazSaatiKaynagi
{
public:
    std::pair<QDate, QDate> Gecisler(int yil) const override
    {
        ++Sorgu;
        return {QDate(yil, 3, 29), QDate(yil, 10, 25)};
    }
    mutable int Sorgu = 0;
};

// An empty settings store of the test's own, so the defaults are the first-run place.
class Komutlar : public ::testing::Test
{
protected:
    Komutlar()
    {
        QLocale::setDefault(QLocale::c());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, klasor_.path());
    }

private:
    QTemporaryDir klasor_;
};

struct Calisma
{
    int Kod;
    QString Out;
    QString Err;
};

template <typename Komut>
Calisma Calistir(Komut komut, const QStringList& args, const KomutOrtami& ortam)
{
    QString out;
    QString err;
    QTextStream outAkis(&out);
    QTextStream errAkis(&err);
    const int kod = komut(args, outAkis, errAkis, ortam);
    outAkis.flush();
    errAkis.flush();
    return {kod, out, err};
}

} // namespace

TEST_F(Komutlar, WithoutDateOrPlaceTheClockDayInIstanbul)
{
    // Midday on 21 June 2026 in the first-run place.
    const SabitSaat saat(QDateTime(QDate(2026, 6, 21), QTime(12, 30)));
    const SabitYazSaati yaz;
    const KomutOrtami ortam{saat, yaz};
    const Calisma c = Calistir([](auto&&... a) { return TimesKomutu(a...); }, {}, ortam);
    EXPECT_EQ(c.Kod, 0);
    const QStringList satirlar = c.Out.split(QLatin1Char('\n'));
    EXPECT_EQ(satirlar.value(0), QStringLiteral("21 Haziran 2026"));
    EXPECT_EQ(satirlar.value(1), QStringLiteral("6 Muharrem 1448"));
    // 41.02° N, 28.97° E is a touch away from the rounded example place.
    EXPECT_EQ(satirlar.value(4), QStringLiteral("Öğle\t13:12"));

    const Calisma h = Calistir([](auto&&... a) { return HijriKomutu(a...); }, {}, ortam);
    EXPECT_EQ(h.Out, QStringLiteral("6 Muharrem 1448\n"));
}

TEST_F(Komutlar, MonthDefaultsToTheClockMonthAndAsksForTheDatesOnce)
{
    const SabitSaat saat(QDateTime(QDate(2028, 2, 10), QTime(8, 0)));
    const SabitYazSaati yaz;
    const KomutOrtami ortam{saat, yaz};
    const Calisma c =
        Calistir([](auto&&... a) { return MonthKomutu(a...); }, {QStringLiteral("--csv")}, ortam);
    EXPECT_EQ(c.Kod, 0);
    const QStringList satirlar = c.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(satirlar.size(), 1 + 29); // a leap February
    EXPECT_TRUE(satirlar.last().startsWith(QStringLiteral("2028-02-29,")));
    EXPECT_EQ(yaz.Sorgu, 1);
}

TEST(GirdiSecenekleri, PlaceComesWhole)
{
    const auto uygula = [](const QStringList& args, VakitGirdisi& g, QString* hata) {
        const auto s =
            Secenekler::Coz(args, GirdiSecenekleri::Degerli(), GirdiSecenekleri::Bayraklar(), hata);
        return s && GirdiSecenekleri::Uygula(*s, g, hata);
    };
    QString hata;
    VakitGirdisi g;
    ASSERT_TRUE(uygula({"--lat", "-33.9", "--lon=151.2", "--tz", "10"}, g, &hata));
    EXPECT_EQ(g.Enlem, -33.9);
    EXPECT_EQ(g.Ulke, QString()); // not the default's "Türkiye"
    EXPECT_TRUE(g.YazSaati);

    VakitGirdisi ulke;
    ASSERT_TRUE(uygula({"--country", "Almanya", "--no-dst", "--hicri-gun", "-2"}, ulke, &hata));
    EXPECT_EQ(ulke.Ulke, QStringLiteral("Almanya"));
    EXPECT_EQ(ulke.Enlem, 41.02);
    EXPECT_FALSE(ulke.YazSaati);
    EXPECT_EQ(ulke.HicriGun, -2);

    VakitGirdisi yarim;
    EXPECT_FALSE(uygula({"--lat", "41", "--lon", "29"}, yarim, &hata));
    EXPECT_FALSE(uygula({"--lat", "41", "--lon", "181", "--tz", "2"}, yarim, &hata));
    EXPECT_FALSE(uygula({"--lat", "41", "--lon", "29", "--tz", "15"}, yarim, &hata));
    EXPECT_TRUE(uygula({"--lat", "90", "--lon", "-180", "--tz", "-12"}, yarim, &hata));
}
