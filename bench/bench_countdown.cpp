// One KalanTimer tick: the whole per-second work of the countdown (period, time left, the
// LKalan and LTSaat texts) with an output that discards them.

#include "platform/Saat.h"
#include "shell/GeriSayim.h"
#include "shell/GeriSayimHedefi.h"
#include "shell/SureMetni.h"

#include <QLocale>

#include <benchmark/benchmark.h>

#include <array>

namespace {

class IlerleyenSaat : public Saat
{
public:
    QDateTime Simdi() const override { return An; }
    QDateTime An;
};

class BosCikis : public GeriSayimHedefi
{
public:
    void KalanGoster(const QString& k, const QString&) override { benchmark::DoNotOptimize(k); }
    void SaatGoster(const QString& s) override { benchmark::DoNotOptimize(s); }
    void VakitDegisti(int, const QString&, const QString&) override {}
    void UyariGoster(const QString&, const QString&, const QString&) override {}
    void SesCal(const QString&, SesTuru) override {}
    void GunDegisti(const QDateTime&) override {}
};

void BM_KalanTimerTick(benchmark::State& state)
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    const std::array<double, 6> vakitler{12180, 19500, 47520, 61860, 74880, 81480};
    IlerleyenSaat saat;
    BosCikis cikis;
    GeriSayim sayac(saat, vakitler, cikis);
    const qint64 bas = QDateTime(QDate(2026, 6, 21), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
    qint64 s = 0;
    for (auto _ : state) {
        saat.An = QDateTime::fromMSecsSinceEpoch(bas + (s++ % 86400) * 1000, Qt::UTC);
        sayac.KalanTimerTick();
    }
}
BENCHMARK(BM_KalanTimerTick);

void BM_SureMetniYaz(benchmark::State& state)
{
    QString tampon;
    tampon.reserve(32);
    double r = 0;
    for (auto _ : state) {
        SureMetniYaz(r, tampon);
        r = r < 86400 ? r + 1 : 0;
        benchmark::DoNotOptimize(tampon);
    }
}
BENCHMARK(BM_SureMetniYaz);

} // namespace
