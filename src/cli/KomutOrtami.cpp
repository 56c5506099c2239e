#include "cli/KomutOrtami.h"

const KomutOrtami& KomutOrtami::Sistem()
{
    static const SistemSaati saat;
    static const SistemYazSaati yazSaati;
    static const KomutOrtami ortam{saat, yazSaati};
    return ortam;
}
