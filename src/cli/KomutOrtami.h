#pragma once

#include "platform/Saat.h"
#include "platform/YazSaatiKurali.h"

// What a command takes from the system: the clock for "today" and the daylight-saving dates.
// Tests hand in their own.
struct KomutOrtami
{
    const Saat& Zaman;
    const YazSaatiKaynagi& YazSaati;

    static const KomutOrtami& Sistem();
};
