#pragma once

#include "platform/AyarDeposu.h"
#include "platform/QtSesKutuphanesi.h"
#include "platform/XdgOturumAcmaKaydi.h"
#include "shell/Program.h"
#include "support/AyarKlasoru.h"
#include "support/Dosya.h"
#include "support/SahteSaat.h"
#include "support/SahteYazSaati.h"

// What a started program is given in a test: a settings store and a program folder of its own
// (the shipped data.db, an empty ezan and warning sound), the clock at noon on 21 June 2026, a
// stand-in daylight-saving rule, the real sound library and logon entry.
struct ProgramOrtami
{
    ProgramOrtami()
    {
        for (const char* dosya : {"Ezan/ezan.wma", "uyari.wma"})
            DosyaYaz(Klasor.filePath(dosya), {});
        QFile::copy(ORVANEL_SOURCE_DIR "/assets/data.db", Klasor.filePath("data.db"));
    }
    ProgramBaglami Baglam() { return {&Saati, &YazSaati, &Ses, &Oturum, Klasor.path() + "/"}; }
    static bool Ayar(const QString& k, const QString& v)
    {
        return bool(AyarDeposu().Yaz({{k, v}}));
    }

    AyarKlasoru Ayarlar;
    QTemporaryDir Klasor;
    SahteSaat Saati{QDateTime(QDate(2026, 6, 21), QTime(12, 0))};
    SahteYazSaati YazSaati;
    QtSesKutuphanesi Ses;
    XdgOturumAcmaKaydi Oturum{Klasor.filePath("orvanel"), Ayarlar.Yol() + "/autostart"};
};
