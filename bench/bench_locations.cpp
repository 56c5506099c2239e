// The location file and the search box against their bare baselines:
//  (a) reading data.db into the row container vs. reading and decoding its bytes alone;
//  (b) a search that misses in both passes, with the rows' cached folded texts vs. folding
//      both sides for every row compared.
// Uses assets/data.db when present, otherwise a generated file of 8000 realistic rows.
#include "locations/Desen.h"
#include "locations/KonumDosyasi.h"
#include "locations/KonumSatirlari.h"
#include "locations/LLCase.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <random>

namespace {

// 8000 rows shaped like the shipped file: ~230 countries in order, cities with Turkish
// letters, offsets with quarter hours, coordinates with up to four decimals.
QByteArray OrnekVeri()
{
    std::mt19937 r(1254);
    const QString harfler = QStringLiteral("abcçdefgğhıijklmnoöprsştuüvyz");
    auto ad = [&](int uzunluk) {
        QString s;
        for (int i = 0; i < uzunluk; ++i)
            s += harfler.at(int(r() % harfler.size()));
        s[0] = s[0] == QChar(0x0131)      ? QLatin1Char('I')
               : s[0] == QLatin1Char('i') ? QChar(0x0130)
                                          : s[0].toUpper();
        return s;
    };
    auto sayi = [&](int enFazla) {
        return (double(int(r() % (2 * enFazla * 10000))) - enFazla * 10000) / 10000.0;
    };
    QVector<KonumKaydi> kayitlar;
    QString ulke;
    for (int i = 1; i <= 8000; ++i) {
        if (i % 35 == 1)
            ulke = ad(4 + int(r() % 8));
        const double tz = (int(r() % 104) - 44) / 4.0;
        kayitlar.push_back({i, ulke, ad(3 + int(r() % 10)), tz, sayi(89), sayi(179)});
    }
    return KonumDosyasi::Kodla(kayitlar);
}

struct Veri
{
    QTemporaryDir klasor;
    QString kaynak;

    Veri()
    {
        const QString paylasilan = QStringLiteral(ORVANEL_SOURCE_DIR "/assets/data.db");
        const QString hedef = klasor.filePath(KonumDosyasi::DosyaAdi);
        if (QFile::exists(paylasilan)) {
            QFile::copy(paylasilan, hedef);
            kaynak = paylasilan;
        } else {
            QFile f(hedef);
            f.open(QIODevice::WriteOnly);
            f.write(OrnekVeri());
            kaynak = QStringLiteral("generated 8000 rows");
        }
        std::fprintf(stderr, "data.db: %s\n", qPrintable(kaynak));
    }
};

Veri& Dosya()
{
    static Veri v;
    return v;
}

// Both sides below read the same file and decode its text, and neither is charged for
// releasing what it built: that happens with the clock stopped.
void Birak(benchmark::State& state, const std::function<void()>& birak)
{
    state.PauseTiming();
    birak();
    state.ResumeTiming();
}

void BM_OkuVeCoz_Yalin(benchmark::State& state)
{
    const QString yol = Dosya().klasor.filePath(KonumDosyasi::DosyaAdi);
    for (auto _ : state) {
        QFile f(yol);
        f.open(QIODevice::ReadOnly);
        QByteArray bayt = f.readAll();
        f.close();
        QStringDecoder cevirici("windows-1254");
        QString metin = cevirici(bayt);
        benchmark::DoNotOptimize(metin.constData());
        Birak(state, [&] {
            bayt = QByteArray();
            metin = QString();
        });
    }
}
BENCHMARK(BM_OkuVeCoz_Yalin)->Unit(benchmark::kMicrosecond);

void BM_DosyadanOku_Satirlara(benchmark::State& state)
{
    KonumDosyasi dosya(Dosya().klasor.path());
    int satir = 0;
    for (auto _ : state) {
        QVector<KonumKaydi> kayitlar;
        (void)dosya.DosyadanOku(kayitlar);
        KonumSatirlari liste(std::move(kayitlar));
        satir = liste.size();
        benchmark::DoNotOptimize(&liste.at(0));
        Birak(state, [&] { liste = KonumSatirlari(); });
    }
    state.counters["satir"] = satir;
}
BENCHMARK(BM_DosyadanOku_Satirlara)->Unit(benchmark::kMicrosecond);

const KonumSatirlari& Liste()
{
    static const KonumSatirlari liste = [] {
        QVector<KonumKaydi> kayitlar;
        (void)KonumDosyasi(Dosya().klasor.path()).DosyadanOku(kayitlar);
        return KonumSatirlari(std::move(kayitlar));
    }();
    return liste;
}

const char* const Iskalayan = "Qxzwq";

void BM_Ara_Iskalayan_Onbellekli(benchmark::State& state)
{
    const KonumSatirlari& liste = Liste();
    const QString aranan = QString::fromUtf8(Iskalayan);
    for (auto _ : state)
        benchmark::DoNotOptimize(liste.AramaKutusuBul(aranan));
}
BENCHMARK(BM_Ara_Iskalayan_Onbellekli)->Unit(benchmark::kMicrosecond);

// The search as first written: each comparison folds the searched text and the row's city
// and, in the prefix pass, reads the pattern anew.
int HarfiyenAra(const KonumSatirlari& liste, const QString& aranan)
{
    for (int i = 0; i < liste.size(); ++i)
        if (LLCase(liste.at(i).Sehir) == LLCase(aranan))
            return i;
    for (int i = 0; i < liste.size(); ++i)
        if (Desen(LLCase(aranan) + QLatin1Char('*')).Eslesir(LLCase(liste.at(i).Sehir)))
            return i;
    return -1;
}

void BM_Ara_Iskalayan_Harfiyen(benchmark::State& state)
{
    const KonumSatirlari& liste = Liste();
    const QString aranan = QString::fromUtf8(Iskalayan);
    for (auto _ : state)
        benchmark::DoNotOptimize(HarfiyenAra(liste, aranan));
}
BENCHMARK(BM_Ara_Iskalayan_Harfiyen)->Unit(benchmark::kMicrosecond);

} // namespace
