#include "cli/KomutOrtami.h"

#include "platform/KurulumKlasorleri.h"
#include "platform/SistemSaati.h"

#include <QCoreApplication>

const KomutOrtami& KomutOrtami::Sistem()
{
    static const SistemSaati saat;
    static const SistemYazSaati yazSaati;
    static const KomutOrtami ortam{saat, yazSaati,
                                   KurulumKlasorleri::Veri(QCoreApplication::applicationDirPath()),
                                   KurulumKlasorleri::Kullanici()};
    return ortam;
}
