#include "shell/SesCalar.h"

#include "platform/SesKutuphanesi.h"
#include "shell/SesYollari.h"

SesCalar::SesCalar(SesKutuphanesi& kutuphane, QObject* parent)
    : QObject(parent), kutuphane_(kutuphane)
{
    sesTimer_.setInterval(100);
    connect(&sesTimer_, &QTimer::timeout, this, &SesCalar::SesTimerTick);
}

SesCalar::~SesCalar()
{
    Kapat();
}

void SesCalar::Ac()
{
    // Opening an open library starts it afresh: whatever played is cut off.
    kutuphane_.Kapat();
    kutuphane_.Ac();
}

void SesCalar::Kapat()
{
    kutuphane_.Kapat();
}

void SesCalar::Cal(const QString& yol, SesTuru tur)
{
    if (tur == SesTuru::Uyari && ornek_ != 0 && calan_ == SesTuru::Ezan)
        return;
    calan_ = tur;
    Ac();
    ornek_ = kutuphane_.Yukle(yol);
    kanal_ = kutuphane_.Oynat(ornek_);
    if (kanal_ != 0) {
        sesTimer_.start();
        emit EzanDurumu(1);
    } else if (!sesTimer_.isActive()) {
        // Nothing started and nothing is watched: do not leave the library open.
        ornek_ = 0;
        Kapat();
    }
}

void SesCalar::Durdur()
{
    kutuphane_.Durdur(kanal_);
    ornek_ = 0;
    kanal_ = 0;
    emit EzanDurumu(0);
    Kapat();
    // sesTimer_ runs on: its next tick finds nothing playing and disables "Ezanı Durdur".
}

void SesCalar::SesTimerTick()
{
    if (kutuphane_.Konum(kanal_) == 0) {
        // Ended by itself: the handles go too, so that the next BtnEzan click plays again
        // instead of stopping a sound that is already over.
        ornek_ = 0;
        kanal_ = 0;
        emit EzanDurumu(0);
        emit SessizEtkin(false);
        sesTimer_.stop();
        Kapat();
    } else {
        emit SessizEtkin(true);
    }
}

void SesCalar::BtnEzanTikla(int buttonEvents, const QString& aktifVakit, const SesYollari& yollar)
{
    if (buttonEvents != 1)
        return;
    if (ornek_ != 0) {
        Durdur();
        return;
    }
    const QString yol = yollar.EzanYolu(aktifVakit);
    if (!yol.isEmpty())
        Cal(yol);
}
