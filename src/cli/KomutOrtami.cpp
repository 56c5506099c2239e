#include "cli/KomutOrtami.h"

#include "platform/KurulumKlasorleri.h"
#include "platform/SistemSaati.h"

#include <QCoreApplication>

const KomutOrtami& KomutOrtami::Sistem()
{
    static const SistemSaati saat;
    static const SistemYazSaati yazSaati;
    static const QString program = QCoreApplication::applicationDirPath();
    static const KomutOrtami ortam{saat, yazSaati, KurulumKlasorleri::Veri(program),
                                   KurulumKlasorleri::Kullanici(program)};
    return ortam;
}
