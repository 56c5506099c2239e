// The daily computation: one day, and every day of a year as the month view and a year of
// midnight rollovers need it.
#include "engine/GunlukHesap.h"
#include "engine/HicriTakvim.h"

#include <benchmark/benchmark.h>

namespace {

VakitGirdisi Istanbul()
{
    VakitGirdisi g;
    g.Enlem = 41.02;
    g.Boylam = 28.97;
    g.Tz = 2;
    g.Ulke = QStringLiteral("Türkiye");
    g.SeciliTarih = QDateTime(QDate(2026, 6, 21), QTime(0, 0));
    return g;
}

void BM_Hesapla(benchmark::State& state)
{
    const VakitGirdisi g = Istanbul();
    for (auto _ : state)
        benchmark::DoNotOptimize(GunlukHesapla(g));
}
BENCHMARK(BM_Hesapla);

void BM_BirYil(benchmark::State& state)
{
    VakitGirdisi g = Istanbul();
    g.Ulke = QStringLiteral("Almanya");
    g.Enlem = 52.5;
    g.Boylam = 13.4;
    g.Tz = 1;
    g.YazBaslangic = QDate(2026, 3, 29);
    g.YazBitis = QDate(2026, 10, 25);
    for (auto _ : state) {
        for (QDate gun(2026, 1, 1); gun.year() == 2026; gun = gun.addDays(1)) {
            g.SeciliTarih = QDateTime(gun, QTime(0, 0));
            benchmark::DoNotOptimize(GunlukHesapla(g));
        }
    }
    state.SetItemsProcessed(state.iterations() * 365);
}
BENCHMARK(BM_BirYil)->Unit(benchmark::kMicrosecond);

void BM_HicriTarih(benchmark::State& state)
{
    const QDate gun(2026, 12, 5);
    for (auto _ : state)
        benchmark::DoNotOptimize(HicriTarih(gun, 0));
}
BENCHMARK(BM_HicriTarih);

} // namespace
