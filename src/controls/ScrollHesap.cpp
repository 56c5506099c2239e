#include "controls/ScrollHesap.h"

#include "engine/Yuvarlama.h"
#include <algorithm>
#include <cmath>

void ScrollHesap::Yerlestir()
{
    if (Value < Min)
        Value = Min;
    if (Value > Max)
        Value = Max;
    if (Max != Min) {
        const double oran =
            double(R()) * double((Value - Min).HamDeger()) / double((Max - Min).HamDeger());
        const int tepe = int(std::floor(std::fabs(oran))) + U;
        Tepe = (tepe + Izgara - 1) / Izgara * Izgara;
    }
    if (Tepe > EnAltTepe())
        Tepe = EnAltTepe();
    if (Tepe < U)
        Tepe = U;
}

void ScrollHesap::Surukle(double izY)
{
    const int tepe = int(CifteYuvarla(IzTepesi() + izY - t / 2.0));
    if (tepe <= U) {
        Tepe = U;
        Value = Min;
    } else if (tepe >= EnAltTepe()) {
        // A bar too short for its thumb still keeps the thumb off the up arrow.
        Tepe = std::max(EnAltTepe(), U);
        Value = Max;
    } else {
        Tepe = tepe;
        const double deger = Min.toDouble() + double(tepe - U) * (Max - Min).toDouble() / R();
        Value = SabitNokta::fromDouble(std::floor(deger));
    }
}

void ScrollHesap::Adim(SabitNokta fark)
{
    Value = Value + fark;
    Yerlestir();
}
