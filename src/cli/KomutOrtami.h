#pragma once

#include "platform/Saat.h"
#include "platform/SistemYazSaati.h"

#include <QString>

// What a command takes from the system: the clock for "today", the daylight-saving dates and
// the program folder (ending in "/"), which holds data.db and the sounds. Tests hand in their
// own.
struct KomutOrtami
{
    const Saat& Zaman;
    const YazSaatiKaynagi& YazSaati;
    QString ProgramKlasoru;

    // Needs the QCoreApplication for the program folder.
    static const KomutOrtami& Sistem();
};
