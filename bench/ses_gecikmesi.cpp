// The delay from Cal, which the countdown's tick calls, to the first sample of the sound
// reaching the audio server, and how long Cal itself holds the tick: for the program's
// first sound, and for a second one after the first has ended. The listener is a command that
// writes what the audio server plays as raw 16-bit samples on its standard output
// (bench/ses_gecikmesi.sh runs PulseAudio with a null sink and parec on its monitor); it is read on
// a thread of its own, so the main thread's work never delays the moment a sound is seen.
//
//   ses_gecikmesi FILE LISTENER...   prints "first <ms to sound> <ms in Cal>", then "second"
#include "platform/QtSesKutuphanesi.h"
#include "shell/SesCalar.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>

namespace {

using Saat = std::chrono::steady_clock;

struct Dinleyici
{
    std::atomic<qint64> Okunan{0};    // bytes read so far
    std::atomic<qint64> SesAni{-1};   // ns (steady clock) of the first sound since armed
    std::atomic<Saat::rep> SonSes{0}; // ns of the latest non-silent block
    std::atomic<bool> Kurulu{false};

    void Oku(FILE* akis)
    {
        qint16 ornekler[256];
        size_t n;
        while ((n = std::fread(ornekler, sizeof(qint16), 256, akis)) > 0) {
            Okunan += qint64(n * sizeof(qint16));
            bool ses = false;
            for (size_t i = 0; i < n && !ses; ++i)
                ses = ornekler[i] != 0;
            if (!ses)
                continue;
            const auto simdi = Saat::now().time_since_epoch().count();
            SonSes = simdi;
            if (Kurulu.exchange(false))
                SesAni = simdi;
        }
    }
};

bool Bekle(const std::function<bool()>& kosul, int sinirMs)
{
    QElapsedTimer t;
    t.start();
    while (!kosul()) {
        if (t.elapsed() > sinirMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fputs("ses_gecikmesi FILE LISTENER...\n", stderr);
        return 2;
    }
    QString komut;
    for (const QString& a : args.mid(2))
        komut += QLatin1Char('\'') + a + QStringLiteral("' ");
    FILE* akis = popen(komut.toLocal8Bit().constData(), "r");
    if (!akis)
        return 1;
    Dinleyici dinleyici;
    std::thread okuyucu([&] { dinleyici.Oku(akis); });
    okuyucu.detach();
    // The listener is flowing (a tenth of a second of samples).
    if (!Bekle([&] { return dinleyici.Okunan > 17640; }, 10000)) {
        std::fputs("the listener writes nothing\n", stderr);
        return 1;
    }

    QtSesKutuphanesi kutuphane;
    SesCalar calar(kutuphane);
    for (const char* ad : {"first", "second"}) {
        // Silence for a quarter of a second before each sound.
        Bekle(
            [&] {
                return Saat::now().time_since_epoch().count() - dinleyici.SonSes >
                       std::chrono::nanoseconds(std::chrono::milliseconds(250)).count();
            },
            10000);
        dinleyici.SesAni = -1;
        dinleyici.Kurulu = true;
        const auto bas = Saat::now().time_since_epoch().count();
        calar.Cal(args.at(1), SesTuru::Uyari);
        const auto don = Saat::now().time_since_epoch().count();
        if (!Bekle([&] { return dinleyici.SesAni >= 0; }, 20000)) {
            std::printf("%s: no sound\n", ad);
            return 1;
        }
        std::printf("%s %.1f %.2f\n", ad, double(dinleyici.SesAni - bas) / 1e6,
                    double(don - bas) / 1e6);
        std::fflush(stdout);
        Bekle([&] { return !calar.SesTimerAcik(); }, 30000);
    }
    std::_Exit(0); // the listener's thread still reads
}
