// The popup's animation: the step arithmetic alone, and the whole window offscreen on a
// pretend clock (each step moves, reshapes and fades the window; a step must stay far
// below its 10 ms period).
#include "notify/MesajAnimasyonu.h"
#include "notify/gui/MesajForm.h"
#include "support/SahteAnimasyonSaati.h"
#include "support/SahteImlec.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void UygulamaKur()
{
    static int argc = 1;
    static char ad[] = "bench_notify";
    static char* argv[] = {ad, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication uygulama(argc, argv);
    // The offscreen platform warns on every mask and opacity change.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}

// One grow-to-full-size and shrink-to-hidden cycle of the arithmetic: 35 steps.
void BM_AnimasyonDongusu(benchmark::State& durum)
{
    MesajAnimasyonu a;
    a.EkranAyarla(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040));
    for (auto _ : durum) {
        a.Baslat(2955);
        while (a.Buyu())
            benchmark::DoNotOptimize(a.AdimPikseli());
        while (a.Kucul())
            benchmark::DoNotOptimize(a.Alfa());
    }
    durum.SetItemsProcessed(durum.iterations() * 35);
}
BENCHMARK(BM_AnimasyonDongusu);

// The window's whole cycle: Goster, 17 grow steps, the hold, 18 shrink steps, on a pretend
// clock moved a millisecond at a time.
void BM_PopupDongusu(benchmark::State& durum)
{
    UygulamaKur();
    SahteZamanKaynagi zaman;
    SahteAnimasyonSaati saat(zaman);
    SahteImlec imlec;
    MesajForm form(nullptr, &zaman, &imlec);
    form.EkranSabitle(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040));
    for (auto _ : durum) {
        form.Goster(QStringLiteral("Öğle Vaktine "), QStringLiteral("15 Dakika"),
                    QStringLiteral(" kaldı."));
        saat.Ilerle(170 + 8000 + 180);
    }
    if (form.durum() != MesajForm::Durum::Gizli)
        durum.SkipWithError("the cycle did not end hidden");
    durum.SetItemsProcessed(durum.iterations() * 36); // ticks
}
BENCHMARK(BM_PopupDongusu)->Unit(benchmark::kMicrosecond);

} // namespace
