#include "cli/VarsayilanKonum.h"

VakitGirdisi VarsayilanGirdi()
{
    VakitGirdisi g;
    g.Enlem = 41.02;
    g.Boylam = 28.97;
    g.Tz = 2;
    g.Ulke = QStringLiteral("Türkiye");
    g.VakitHesap = 0;
    g.YazSaati = true;
    g.HicriGun = 0;
    return g;
}
