#pragma once

#include "platform/SistemYazSaati.h"

// Summer time from 29 March to 25 October of any year (2026's European dates), whatever zone
// the machine is in.
class SahteYazSaati : public YazSaatiKaynagi
{
public:
    std::pair<QDate, QDate> Gecisler(int yil) const override
    {
        return {QDate(yil, 3, 29), QDate(yil, 10, 25)};
    }
};
