#pragma once

#include "platform/gui/ZamanlayiciKaynagi.h"

#include <QList>
#include <QPointer>

#include <algorithm>

class SahteZamanKaynagi;

// A timer on the pretend clock of SahteZamanKaynagi. Like QTimer, changing the interval
// of a running timer restarts it.
class SahteZamanlayici : public Zamanlayici
{
public:
    SahteZamanlayici(const qint64& simdi, QObject* parent) : Zamanlayici(parent), simdi_(simdi) {}
    void setInterval(int ms) override
    {
        aralik_ = ms;
        if (calisiyor_)
            zamani_ = simdi_ + aralik_;
    }
    void start() override { calisiyor_ = true, zamani_ = simdi_ + aralik_; }
    void stop() override { calisiyor_ = false; }
    bool isActive() const { return calisiyor_; }

    qint64 Zamani() const { return zamani_; }
    void Cal() { zamani_ = simdi_ + std::max(aralik_, 1), emit timeout(); }

private:
    const qint64& simdi_;
    int aralik_ = 0;
    bool calisiyor_ = false;
    qint64 zamani_ = 0;
};

// Makes timers that run only when the test moves the pretend clock on.
class SahteZamanKaynagi : public ZamanlayiciKaynagi
{
public:
    Zamanlayici* Yeni(QObject* parent) override
    {
        auto* z = new SahteZamanlayici(simdi_, parent);
        zamanlayicilar_.append(z);
        return z;
    }

    // Moves the clock on by ms, firing every timer that falls due on the way, in order.
    void Ilerle(int ms)
    {
        const qint64 hedef = simdi_ + ms;
        for (;;) {
            SahteZamanlayici* siradaki = nullptr;
            for (const auto& z : zamanlayicilar_)
                if (z && z->isActive() && z->Zamani() <= hedef &&
                    (!siradaki || z->Zamani() < siradaki->Zamani()))
                    siradaki = z;
            if (!siradaki)
                break;
            simdi_ = siradaki->Zamani();
            siradaki->Cal();
        }
        simdi_ = hedef;
    }

private:
    qint64 simdi_ = 0;
    QList<QPointer<SahteZamanlayici>> zamanlayicilar_;
};
