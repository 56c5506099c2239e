#include "shell/SesCalar.h"

#include "platform/SesKutuphanesi.h"
#include "shell/SesYollari.h"

SesCalar::SesCalar(SesKutuphanesi& kutuphane, QObject* parent)
    : QObject(parent), Kutuphane(kutuphane)
{
    SesTimer.setInterval(100);
    connect(&SesTimer, &QTimer::timeout, this, &SesCalar::SesTimerTick);
}

SesCalar::~SesCalar()
{
    FModClose();
}

void SesCalar::FModInit()
{
    // Opening an open library starts it afresh: whatever played is cut off.
    Kutuphane.Kapat();
    Kutuphane.Ac();
}

void SesCalar::FModClose()
{
    Kutuphane.Kapat();
}

void SesCalar::FModPlay(const QString& yol, SesTuru tur)
{
    if (tur == SesTuru::Uyari && OrnekTutamaci != 0 && Calan == SesTuru::Ezan)
        return;
    Calan = tur;
    FModInit();
    OrnekTutamaci = Kutuphane.Yukle(yol);
    KanalTutamaci = Kutuphane.Oynat(OrnekTutamaci);
    if (KanalTutamaci != 0) {
        SesTimer.start();
        emit EzanDurumu(1);
    } else if (!SesTimer.isActive()) {
        // Nothing started and nothing is watched: do not leave the library open.
        OrnekTutamaci = 0;
        FModClose();
    }
}

void SesCalar::FModStop()
{
    Kutuphane.Durdur(KanalTutamaci);
    OrnekTutamaci = 0;
    KanalTutamaci = 0;
    emit EzanDurumu(0);
    FModClose();
    // SesTimer runs on: its next tick finds nothing playing and disables "Ezanı Durdur".
}

void SesCalar::SesTimerTick()
{
    if (Kutuphane.Konum(KanalTutamaci) == 0) {
        // Ended by itself: the handles go too, so that the next BtnEzan click plays again
        // instead of stopping a sound that is already over.
        OrnekTutamaci = 0;
        KanalTutamaci = 0;
        emit EzanDurumu(0);
        emit SessizEtkin(false);
        SesTimer.stop();
        FModClose();
    } else {
        emit SessizEtkin(true);
    }
}

void SesCalar::BtnEzanTikla(int buttonEvents, const QString& aktifVakit, const SesYollari& yollar)
{
    if (buttonEvents != 1)
        return;
    if (OrnekTutamaci != 0) {
        FModStop();
        return;
    }
    const QString yol = yollar.EzanYolu(aktifVakit);
    if (!yol.isEmpty())
        FModPlay(yol);
}
