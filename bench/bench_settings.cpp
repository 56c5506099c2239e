// The settings store and the general options: one typed read, one write (with its sync to
// disk), and a whole AyarUygula with the logon-entry check, over real files in a temporary
// folder.
#include "platform/AyarDeposu.h"
#include "platform/XdgOturumAcmaKaydi.h"
#include "shell/GenelAyarlar.h"
#include "shell/UyariAyarlari.h"

#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Ortam
{
    Ortam()
    {
        QLocale::setDefault(QLocale("tr_TR"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Klasor.path());
    }
    QTemporaryDir Klasor;
};

class BosHedef : public GenelAyarHedefi
{
public:
    void FormuGoster(const GenelAyarFormu& f) override { benchmark::DoNotOptimize(f.Seffaf); }
    void SimgeSec(int) override {}
    void HerZamanUstte(bool) override {}
    void KapatIpucu(const QString&) override {}
    bool OpaklikUygula(double) override { return true; }
};

void BM_AyarOku(benchmark::State& state)
{
    Ortam o;
    AyarDeposu d;
    (void)d.Yaz({{"BADakika", QStringLiteral("20")}});
    (void)d.Yaz({{"bEnlem", AyarDeposu::SayiMetni(41.02)}});
    for (auto _ : state) {
        benchmark::DoNotOptimize(d.Oku(UyariAyarlari::BADakika));
        benchmark::DoNotOptimize(AyarDeposu::SayiCoz(d.Oku("bEnlem")));
    }
}
BENCHMARK(BM_AyarOku);

void BM_AyarYaz(benchmark::State& state)
{
    Ortam o;
    AyarDeposu d;
    int i = 0;
    for (auto _ : state)
        (void)d.Yaz({{"HerZamanUstte", (++i & 1) != 0 ? "True" : "False"}});
}
BENCHMARK(BM_AyarYaz);

void BM_AyarUygula(benchmark::State& state)
{
    Ortam o;
    AyarDeposu d;
    XdgOturumAcmaKaydi oturum(o.Klasor.path() + "/bin/orvanel", o.Klasor.path() + "/autostart");
    BosHedef hedef;
    GenelAyarlar genel(d, &oturum, hedef, [] {});
    genel.AyarUygula(); // writes the logon entry once; later passes only compare it
    for (auto _ : state)
        genel.AyarUygula();
}
BENCHMARK(BM_AyarUygula);

} // namespace
