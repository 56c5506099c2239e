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
        void setInterval(int ms) override { aralik_ = ms; }
        int interval() const override { return aralik_; }
        void start() override { calisiyor_ = true; }
        void stop() override { calisiyor_ = false; }
        bool isActive() const override { return calisiyor_; }

    private:
        int aralik_ = 0;
        bool calisiyor_ = false;
    };
};
