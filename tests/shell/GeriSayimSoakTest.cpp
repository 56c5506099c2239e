// A simulated year, every second, through the real countdown and the real daily computation:
// every day exactly five ezans at the minutes of GunlukVakitler (none at Güneş), one warning
// per period on the first second with at most BADakika minutes left, six period changes,
// one recomputation per midnight (also when 00:00:00 is never read), and nothing else.

#include "GeriSayimKaydi.h"

#include "engine/GunlukHesap.h"
#include "platform/SistemYazSaati.h"
#include "shell/GeriSayim.h"

#include <QLocale>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <map>
#include <random>
#include <vector>

namespace {

// The wall clock of the system zone, advanced one real (UTC) second at a time: across a
// daylight-saving change it jumps or repeats an hour as a real clock does. Only the date
// and time fields of its readings are used, so they are built as plain UTC values, which
// costs no zone lookup per second.
class YilSaati : public Saat
{
public:
    YilSaati(const QDate& ilkGun, const QDate& sonGun)
    {
        const QTimeZone bolge = QTimeZone::systemTimeZone();
        const QDateTime bas(ilkGun, QTime(0, 0)); // local midnight
        Utc = bas.toSecsSinceEpoch();
        Bitis = QDateTime(sonGun, QTime(0, 0)).toSecsSinceEpoch();
        Fark = bolge.offsetFromUtc(bas);
        for (const QTimeZone::OffsetData& g :
             bolge.transitions(bas, QDateTime(sonGun.addDays(1), QTime(0, 0))))
            Gecisler.push_back({g.atUtc.toSecsSinceEpoch(), g.offsetFromUtc});
        Kur();
    }
    QDateTime Simdi() const override { return An; }

    // The next second; false at the end of the span.
    bool Ilerle()
    {
        ++Utc;
        while (Sira < Gecisler.size() && Gecisler[Sira].first <= Utc)
            Fark = Gecisler[Sira++].second;
        Kur();
        return Utc < Bitis;
    }
    qint64 Yerel() const { return Utc + Fark; } // wall seconds since the epoch

private:
    void Kur() { An = QDateTime::fromMSecsSinceEpoch((Utc + Fark) * 1000, Qt::UTC); }

    qint64 Utc = 0;
    qint64 Bitis = 0;
    int Fark = 0;
    std::vector<std::pair<qint64, int>> Gecisler;
    std::size_t Sira = 0;
    QDateTime An;
};

struct Konum
{
    const char* Bolge; // TZ
    double Enlem;
    double Boylam;
    double Tz;
    const char* Ulke;
};

// What happened, as (wall date, second of the day, what) in call order.
struct Kayit
{
    QDate Gun;
    int Saniye;
    QString Ne;
    bool operator==(const Kayit& o) const
    {
        return Gun == o.Gun && Saniye == o.Saniye && Ne == o.Ne;
    }
};

std::ostream& operator<<(std::ostream& os, const Kayit& k)
{
    return os << k.Gun.toString(Qt::ISODate).toStdString() << " "
              << QTime(0, 0).addSecs(k.Saniye).toString("HH:mm:ss").toStdString() << " "
              << k.Ne.toStdString();
}

class SoakHedefi : public GeriSayimHedefi
{
public:
    explicit SoakHedefi(const YilSaati& saat) : Saat(saat) {}
    void KalanGoster(const QString&, const QString&) override { ++Kalanlar; }
    void SaatGoster(const QString&) override { ++Saatler; }
    void VakitDegisti(int satir, const QString&, const QString&) override
    {
        Yaz(QStringLiteral("vakit %1").arg(satir));
    }
    void UyariGoster(const QString& a, const QString& b, const QString& c) override
    {
        Yaz(QStringLiteral("uyari ") + a + b + c);
    }
    void SesCal(const QString& yol, SesTuru tur) override
    {
        Yaz((tur == SesTuru::Ezan ? QStringLiteral("ezan ") : QStringLiteral("ses ")) + yol);
    }
    void GunDegisti(const QDateTime& simdi) override
    {
        Yaz(QStringLiteral("gun"));
        Yenile(simdi.date());
    }

    void Yaz(const QString& ne)
    {
        const qint64 yerel = Saat.Yerel();
        const qint64 gun = yerel >= 0 ? yerel / 86400 : (yerel - 86399) / 86400;
        Kayitlar.push_back({QDate(1970, 1, 1).addDays(gun), int(yerel - gun * 86400), ne});
    }

    const YilSaati& Saat;
    std::function<void(const QDate&)> Yenile;
    std::vector<Kayit> Kayitlar;
    long long Kalanlar = 0;
    long long Saatler = 0;
};

VakitGirdisi Girdi(const Konum& k, const QDate& gun, const YazSaatiKaynagi& kaynak)
{
    VakitGirdisi g;
    g.SeciliTarih = QDateTime(gun, QTime(0, 0));
    g.Enlem = k.Enlem;
    g.Boylam = k.Boylam;
    g.Tz = k.Tz;
    g.Ulke = QString::fromUtf8(k.Ulke);
    g.VakitHesap = 0;
    g.YazSaati = true;
    std::tie(g.YazBaslangic, g.YazBitis) = kaynak.Gecisler(gun.year());
    return g;
}

// Runs the countdown from local midnight of `ilk` to local midnight of `son`; on days with
// an odd day-of-year the tick of 00:00:00 is skipped.
void Yil(const Konum& konum, const QDate& ilk, const QDate& son)
{
    qputenv("TZ", konum.Bolge);
    tzset();
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));

    const SistemYazSaati kaynak;
    std::map<QDate, std::array<double, 6>> gunler;
    for (QDate d = ilk; d < son; d = d.addDays(1))
        gunler[d] = GunlukHesapla(Girdi(konum, d, kaynak)).GunlukVakitler;

    YilSaati saat(ilk, son);
    SoakHedefi cikis(saat);
    std::array<double, 6> vakitler = gunler.at(ilk);
    int yenilemeler = 0;
    cikis.Yenile = [&](const QDate& gun) {
        ++yenilemeler;
        vakitler = GunlukHesapla(Girdi(konum, gun, kaynak)).GunlukVakitler;
    };
    GeriSayim sayac(saat, vakitler, cikis);
    SesYollari yollar;
    yollar.Genel = QStringLiteral("Ezan/ezan.wma");
    yollar.Yatsi = QStringLiteral("Ezan/yatsi.wma");
    yollar.Uyari = QStringLiteral("uyari.wma");
    sayac.SesYollariniAyarla(yollar);

    long long tikler = 0;
    do {
        if (saat.Yerel() % 86400 == 0) {
            const QDate gun = saat.Simdi().date();
            if (gun.dayOfYear() % 2 == 1 && gun != ilk)
                continue;
        }
        sayac.KalanTimerTick();
        ++tikler;
    } while (saat.Ilerle());

    // What must have happened, day by day, from the day's own times.
    static const char* const onler[6] = {"İmsak Vaktine ", "Güneş'in Doğmasına ",
                                         "Öğle Vaktine ",  "İkindi Vaktine ",
                                         "Akşam Vaktine ", "Yatsı Vaktine "};
    std::vector<Kayit> beklenen;
    beklenen.push_back({ilk, 0, "vakit 5"}); // the state found at start
    for (const auto& [gun, t] : gunler) {
        if (gun != ilk)
            beklenen.push_back({gun, gun.dayOfYear() % 2 == 1 ? 1 : 0, "gun"});
        for (int i = 0; i < 6; ++i) {
            // The warning before time i, given while period i-1 runs.
            const int uyari = int(t[i]) - 900;
            beklenen.push_back({gun, uyari,
                                QStringLiteral("uyari ") + QString::fromUtf8(onler[i]) +
                                    QStringLiteral("15 Dakika  kaldı.")});
            beklenen.push_back({gun, uyari, "ses uyari.wma"});
            beklenen.push_back({gun, int(t[i]), QStringLiteral("vakit %1").arg(i)});
            if (i != 1)
                beklenen.push_back(
                    {gun, int(t[i]), i == 5 ? "ezan Ezan/yatsi.wma" : "ezan Ezan/ezan.wma"});
        }
    }

    ASSERT_EQ(cikis.Kayitlar.size(), beklenen.size());
    for (std::size_t i = 0; i < beklenen.size(); ++i)
        ASSERT_EQ(cikis.Kayitlar[i], beklenen[i]) << "event " << i;
    EXPECT_EQ(yenilemeler, int(gunler.size()) - 1);
    EXPECT_EQ(cikis.Kalanlar, tikler);
    EXPECT_EQ(cikis.Saatler, tikler);
}

#ifdef ORVANEL_KISA_SOAK
// The sanitizer build runs a quarter of the year around each daylight-saving change.
const std::vector<std::pair<QDate, QDate>> Donemler{{QDate(2026, 3, 1), QDate(2026, 4, 15)},
                                                    {QDate(2026, 10, 1), QDate(2026, 11, 15)}};
#else
const std::vector<std::pair<QDate, QDate>> Donemler{{QDate(2026, 1, 1), QDate(2027, 1, 1)}};
#endif

TEST(GeriSayimSoak, IstanbulEverySecond)
{
    for (const auto& [ilk, son] : Donemler)
        Yil({"Europe/Istanbul", 41.02, 28.97, 2, "Türkiye"}, ilk, son);
}

TEST(GeriSayimSoak, BerlinEverySecondWithDaylightSaving)
{
    for (const auto& [ilk, son] : Donemler)
        Yil({"Europe/Berlin", 52.52, 13.40, 1, "Almanya"}, ilk, son);
}

// The same year with the clock jumping forward now and then (a machine resumed from sleep, a
// corrected clock), often over a period change into the next warning window: however it
// jumps, one period never gets two warnings.
TEST(GeriSayimSoak, JumpsNeverWarnTwiceForOnePeriod)
{
    qputenv("TZ", "Europe/Istanbul");
    tzset();
    const Konum konum{"Europe/Istanbul", 41.02, 28.97, 2, "Türkiye"};
    const SistemYazSaati kaynak;
    const QDate ilk = Donemler.front().first, son = Donemler.back().second;

    struct Cikis : GeriSayimHedefi
    {
        void KalanGoster(const QString&, const QString&) override {}
        void SaatGoster(const QString&) override {}
        void VakitDegisti(int, const QString&, const QString&) override {}
        void SesCal(const QString&, SesTuru) override {}
        void UyariGoster(const QString&, const QString&, const QString&) override { ++Uyarilar; }
        void GunDegisti(const QDateTime& simdi) override { Yenile(simdi.date()); }
        std::function<void(const QDate&)> Yenile;
        int Uyarilar = 0;
    } cikis;
    SahteSaat saat;
    std::array<double, 6> vakitler = GunlukHesapla(Girdi(konum, ilk, kaynak)).GunlukVakitler;
    cikis.Yenile = [&](const QDate& gun) {
        vakitler = GunlukHesapla(Girdi(konum, gun, kaynak)).GunlukVakitler;
    };
    GeriSayim sayac(saat, vakitler, cikis);

    std::mt19937 rastgele(1447);
    std::uniform_int_distribution<int> zar(0, 40000), atlama(60, 10 * 3600);
    std::map<std::pair<QDate, int>, int> donemUyarisi; // (day the period began, period)
    int atlamalar = 0;
    const qint64 bitis = QDateTime(son, QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    for (qint64 t = QDateTime(ilk, QTime(0, 0), Qt::UTC).toSecsSinceEpoch(); t < bitis; ++t) {
        if (zar(rastgele) == 0) {
            t += atlama(rastgele);
            ++atlamalar;
        }
        saat.An = QDateTime::fromSecsSinceEpoch(t, Qt::UTC);
        const int once = cikis.Uyarilar;
        sayac.KalanTimerTick();
        if (cikis.Uyarilar == once)
            continue;
        // Yatsı after midnight began the day before.
        const int c = saat.An.time().msecsSinceStartOfDay() / 1000;
        const bool dun = sayac.AktifVakit() == 5 && c < vakitler[0];
        const auto donem = std::make_pair(saat.An.date().addDays(dun ? -1 : 0), sayac.AktifVakit());
        ASSERT_EQ(++donemUyarisi[donem], 1) << "two warnings for period " << donem.second << " of "
                                            << donem.first.toString(Qt::ISODate).toStdString();
    }
    EXPECT_GT(atlamalar, 100);
    EXPECT_GT(donemUyarisi.size(), 300u);
}

} // namespace
