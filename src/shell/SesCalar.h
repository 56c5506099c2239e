#pragma once

#include "shell/SesTuru.h"

#include <QObject>
#include <QString>
#include <QTimer>

class SesKutuphanesi;
struct SesYollari;

// The one watched sound of the program: opening the sound library (Ac), closing it (Kapat),
// playing (Cal), stopping (Durdur) and the 100 ms sesTimer_ watcher. The watcher learns of the end
// of a sound only by polling its position, so the signals may lag the real end by one tick.
//
// States: idle (handles 0, library closed, timer off) -> Cal -> playing (timer on,
// EzanDurumu(1), SessizEtkin(true) from the first tick with a position) -> the sound ends
// or Durdur -> idle at the next tick (EzanDurumu(0), SessizEtkin(false), library closed).
class SesCalar : public QObject
{
    Q_OBJECT
public:
    explicit SesCalar(SesKutuphanesi& kutuphane, QObject* parent = nullptr);
    ~SesCalar() override;

    void Ac();
    void Kapat();
    // Starts the file and returns at once. A sound already playing is cut off (only one
    // sound plays at a time, and the watcher follows the new one), except that a warning
    // never cuts off an ezan: while an ezan plays a warning sound is skipped.
    void Cal(const QString& yol, SesTuru tur = SesTuru::Ezan);
    void Durdur();

    // BtnEzan click: only when `buttonEvents` is 1. Stops a loaded sound; otherwise plays
    // the ezan of the running period `aktifVakit` (its own file, else the general one).
    void BtnEzanTikla(int buttonEvents, const QString& aktifVakit, const SesYollari& yollar);

    // One sesTimer_ tick; the timer calls it every 100 ms while on.
    void SesTimerTick();

    bool SesTimerAcik() const { return sesTimer_.isActive(); }
    int Kanal() const { return kanal_; }

signals:
    // The CurrentEvent BtnEzan should show: 1 while a sound plays, 0 when idle.
    void EzanDurumu(int currentEvent);
    // Whether the tray-menu item "Ezanı Durdur" (tmSessiz) is enabled.
    void SessizEtkin(bool etkin);

private:
    SesKutuphanesi& kutuphane_;
    QTimer sesTimer_;
    int ornek_ = 0;
    int kanal_ = 0;
    SesTuru calan_ = SesTuru::Ezan; // what the loaded sound is
};
