// The place list offscreen, over the shipped data.db (8000 generated rows when it is
// missing), sized like the main window's list `Db`:
//  (a) one full repaint of the view with its scrollbar;
//  (b) one search-and-scroll as a keystroke in the search box does it: the exact and then the
//      prefix search, selecting and scrolling to the row, and the repaint;
//  (c) replacing the model's rows, making the stored place active, and the repaint.
#include "controls/gui/ListeGorunumu.h"
#include "locations/KonumDosyasi.h"
#include "locations/KonumModeli.h"
#include "locations/SeciliKonum.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

void UygulamaKur()
{
    static int argc = 1;
    static char ad[] = "bench_liste";
    static char* argv[] = {ad, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication uygulama(argc, argv);
}

QVector<KonumKaydi> Kayitlar()
{
    static const QVector<KonumKaydi> kayitlar = [] {
        QVector<KonumKaydi> k;
        KonumDosyasi dosya(QStringLiteral(ORVANEL_SOURCE_DIR "/assets"));
        if (dosya.DosyadanOku(k) && !k.isEmpty())
            return k;
        k.clear();
        for (int i = 1; i <= 8000; ++i) {
            KonumKaydi r;
            r.Id = i;
            r.Ulke = QStringLiteral("Ülke %1").arg(i / 35);
            r.Sehir = QStringLiteral("Şehir %1").arg(i);
            r.Tz = (i % 49) / 2.0 - 12;
            r.Enlem = (i % 1800) / 10.0 - 90;
            r.Boylam = (i % 3600) / 10.0 - 180;
            k.append(r);
        }
        return k;
    }();
    return kayitlar;
}

// The main window's list at its size on the regional page.
struct Liste
{
    KonumModeli konumlar;
    ListeGorunumu lb;
    QImage resim;

    Liste()
    {
        lb.setModel(&konumlar);
        lb.setSutunGenislikleri({100});
        lb.resize(218, 78); // as on the regional page
        lb.show();
        Yukle(KonumSatirlari(Kayitlar()));
        resim = QImage(lb.size(), QImage::Format_ARGB32_Premultiplied);
        QApplication::processEvents();
    }
    void Ciz() { lb.render(&resim); }
    // As the regional page refills its list.
    void Yukle(KonumSatirlari satirlar)
    {
        const int aktif = satirlar.SeciliKonumBul(SeciliKonum());
        konumlar.setSatirlar(std::move(satirlar));
        lb.setAktif(aktif);
    }
};

void BM_Liste_TamBoyama(benchmark::State& state)
{
    UygulamaKur();
    Liste l;
    for (auto _ : state) {
        l.Ciz();
        benchmark::DoNotOptimize(l.resim.constBits());
    }
    state.counters["satir"] = l.konumlar.rowCount();
    state.counters["gorunen"] = l.lb.Gorunen();
}
BENCHMARK(BM_Liste_TamBoyama)->Unit(benchmark::kMicrosecond);

void BM_Liste_AraVeKaydir(benchmark::State& state)
{
    UygulamaKur();
    Liste l;
    // Texts a user types: exact hits, prefix hits, a city with its country, a wildcard, and a
    // miss that scans every row twice.
    const QStringList metinler = {QStringLiteral("istanbul"), QStringLiteral("ank"),
                                  QStringLiteral("van,türk"), QStringLiteral("k*y"),
                                  QStringLiteral("zzzz"),     QStringLiteral("London"),
                                  QStringLiteral("bur"),      QStringLiteral("ş")};
    int i = 0;
    for (auto _ : state) {
        const QString& metin = metinler.at(i++ % metinler.size());
        const int p = l.konumlar.Satirlar().AramaKutusuBul(metin);
        l.lb.BulunaniGoster(p);
        l.Ciz();
        benchmark::DoNotOptimize(p);
    }
    state.counters["satir"] = l.konumlar.rowCount();
}
BENCHMARK(BM_Liste_AraVeKaydir)->Unit(benchmark::kMicrosecond);

void BM_Liste_DoldurVeBoya(benchmark::State& state)
{
    UygulamaKur();
    Liste l;
    for (auto _ : state) {
        state.PauseTiming();
        KonumSatirlari satirlar(Kayitlar());
        state.ResumeTiming();
        l.Yukle(std::move(satirlar));
        l.Ciz();
    }
    state.counters["satir"] = l.konumlar.rowCount();
}
BENCHMARK(BM_Liste_DoldurVeBoya)->Unit(benchmark::kMillisecond);

} // namespace
