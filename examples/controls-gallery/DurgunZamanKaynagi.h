#pragma once

#include "platform/gui/ZamanlayiciKaynagi.h"

// Timers that never fire. The gallery's state samples use them, so that a button shown
// "pointer over" or "pressed" keeps that look although no pointer is there.
class DurgunZamanKaynagi : public ZamanlayiciKaynagi
{
public:
    Zamanlayici* Yeni(QObject* parent) override { return new DurgunZamanlayici(parent); }

private:
    class DurgunZamanlayici : public Zamanlayici
    {
    public:
        using Zamanlayici::Zamanlayici;
        void setInterval(int) override {}
        void start() override {}
        void stop() override {}
    };
};
