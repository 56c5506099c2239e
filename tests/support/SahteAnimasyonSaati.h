#pragma once

#include "support/SahteZaman.h"

#include <QAnimationDriver>
#include <QCoreApplication>

// Qt's animations and the timers of a SahteZamanKaynagi on one pretend clock. Installed, it
// stands in for Qt's animation timer: animations move only when the test moves the clock on,
// a millisecond at a time, together with the pretend timers.
class SahteAnimasyonSaati : public QAnimationDriver
{
public:
    explicit SahteAnimasyonSaati(SahteZamanKaynagi& zaman) : zaman_(zaman) { install(); }
    ~SahteAnimasyonSaati() override { uninstall(); }

    qint64 elapsed() const override { return simdi_ - baslangic_; }

    void Ilerle(int ms)
    {
        for (int i = 0; i < ms; ++i) {
            Katilsin();
            ++simdi_;
            if (isRunning())
                advance();
            zaman_.Ilerle(1);
        }
        Katilsin();
    }

protected:
    void start() override
    {
        baslangic_ = simdi_;
        QAnimationDriver::start();
    }

private:
    // An animation started or ended just now joins or leaves Qt's timer through a chain of
    // queued calls (each call posts the next, which the same delivery does not reach).
    static void Katilsin()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::sendPostedEvents();
    }
    SahteZamanKaynagi& zaman_;
    qint64 simdi_ = 0;
    qint64 baslangic_ = 0;
};
