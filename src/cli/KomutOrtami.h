#pragma once

#include "platform/Saat.h"
#include "platform/SistemYazSaati.h"

#include <QString>

// What a command takes from the system: the clock for "today", the daylight-saving dates, the
// folder of data.db and the sounds (ending in "/") and the user's data folder whose copy of
// data.db takes the added places (empty: none). Tests hand in their own.
struct KomutOrtami
{
    const Saat& Zaman;
    const YazSaatiKaynagi& YazSaati;
    QString VeriKlasoru;
    QString KullaniciKlasoru{};

    // Needs the QCoreApplication for the programs' folder.
    static const KomutOrtami& Sistem();
};
