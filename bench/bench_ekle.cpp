// Saving a new place, against the shipped data.db (some 7500 rows):
//  (a) the save button's checks, whose duplicate check scans every row, vs. the scan alone
//      (KonumSatirlari::Bul) as its floor;
//  (b) the whole add (lock, read, check, append, replace) vs. reading the file and replacing
//      it with the same bytes (QSaveFile), to show what the add itself costs.
#include "locations/KonumEkleme.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString Kaynak = QStringLiteral(ORVANEL_SOURCE_DIR "/assets/data.db");

EkleGirdisi YeniYer()
{
    EkleGirdisi g;
    g.Ulke = QStringLiteral("Türkiye");
    g.Sehir = QStringLiteral("Yeni Köy");
    g.Enlem = QStringLiteral("41.5");
    g.Boylam = QStringLiteral("29,25");
    return g;
}

void Satirlar(KonumSatirlari& liste, benchmark::State& state)
{
    KonumDosyasi dosya = KonumDosyasi::DosyaYolu(Kaynak);
    QVector<KonumKaydi> kayitlar;
    if (!dosya.DosyadanOku(kayitlar))
        state.SkipWithError("assets/data.db cannot be read");
    liste = KonumSatirlari(std::move(kayitlar));
}

void BM_Denetle(benchmark::State& state)
{
    KonumSatirlari liste;
    Satirlar(liste, state);
    const EkleGirdisi g = YeniYer();
    for (auto _ : state)
        benchmark::DoNotOptimize(KonumEkleme::Denetle(g, liste));
    state.counters["satir"] = liste.size();
}
BENCHMARK(BM_Denetle);

void BM_TaramaTaban(benchmark::State& state)
{
    KonumSatirlari liste;
    Satirlar(liste, state);
    const QString aranan = QStringLiteral("Yeni Köy,Türkiye");
    for (auto _ : state)
        benchmark::DoNotOptimize(liste.Bul(aranan));
}
BENCHMARK(BM_TaramaTaban);

// A fresh copy of the shipped file before each round, outside the timing.
void Kopyala(const QString& yol)
{
    QFile::remove(yol);
    QFile::copy(Kaynak, yol);
}

void BM_DosyayaEkle(benchmark::State& state)
{
    QTemporaryDir klasor;
    KonumDosyasi dosya(klasor.path());
    const EkleGirdisi g = YeniYer();
    for (auto _ : state) {
        state.PauseTiming();
        Kopyala(dosya.Yol());
        state.ResumeTiming();
        if (!KonumEkleme::DosyayaEkle(dosya, g))
            state.SkipWithError("the add failed");
    }
}
BENCHMARK(BM_DosyayaEkle)->Unit(benchmark::kMillisecond);

void BM_OkuYazTaban(benchmark::State& state)
{
    QTemporaryDir klasor;
    KonumDosyasi dosya(klasor.path());
    for (auto _ : state) {
        state.PauseTiming();
        Kopyala(dosya.Yol());
        state.ResumeTiming();
        QFile okunan(dosya.Yol());
        okunan.open(QIODevice::ReadOnly);
        const QByteArray veri = okunan.readAll();
        okunan.close();
        QSaveFile yeni(dosya.Yol());
        if (!yeni.open(QIODevice::WriteOnly) || yeni.write(veri) != veri.size() || !yeni.commit())
            state.SkipWithError("the rewrite failed");
    }
}
BENCHMARK(BM_OkuYazTaban)->Unit(benchmark::kMillisecond);

} // namespace
