#include "controls/KaydirmaHesabi.h"

#include "engine/Yuvarlama.h"

#include <algorithm>
#include <cmath>

int KaydirmaHesabi::Serbest() const
{
    return (Yukseklik - Ust - Alt - Tutamak) * TwipPiksel;
}

int KaydirmaHesabi::EnAltUst() const
{
    return (Yukseklik - Alt - Tutamak) * TwipPiksel;
}

int KaydirmaHesabi::TutamakUstu(int deger) const
{
    const int u = Ust * TwipPiksel;
    int ust = u;
    if (Max != Min) {
        const double pay = double(Serbest()) * (deger - Min) / double(Max - Min);
        const int tepe = int(std::floor(std::fabs(pay))) + u;
        ust = (tepe + TwipPiksel - 1) / TwipPiksel * TwipPiksel;
    }
    return std::max(std::min(ust, EnAltUst()), u);
}

KaydirmaHesabi::Surukleme KaydirmaHesabi::Surukle(double y) const
{
    const int u = Ust * TwipPiksel;
    const int tepe = int(CifteYuvarla(y * TwipPiksel - Tutamak * TwipPiksel / 2.0));
    if (tepe <= u)
        return {u, Min};
    if (tepe >= EnAltUst()) // a bar too short for its thumb keeps the thumb off the up arrow
        return {std::max(EnAltUst(), u), Max};
    const double deger = Min + double(tepe - u) * (Max - Min) / Serbest();
    return {tepe, int(std::floor(deger))};
}
