#include "cli/VarsayilanKonum.h"

#include "platform/AyarDeposu.h"

VakitGirdisi VarsayilanGirdi()
{
    // The program's stored place and options; an empty store gives the first-run place.
    const AyarDeposu depo;
    VakitGirdisi g;
    g.Enlem = depo.SayiOku(QStringLiteral("bEnlem"));
    g.Boylam = depo.SayiOku(QStringLiteral("bBoylam"));
    g.Tz = depo.SayiOku(QStringLiteral("bTz"));
    g.Ulke = depo.Oku(QStringLiteral("bUlke"));
    g.VakitHesap = depo.TamsayiOku(QStringLiteral("VakitHesap"));
    g.YazSaati = depo.MantiksalOku(QStringLiteral("YazSaati"));
    g.HicriGun = depo.TamsayiOku(QStringLiteral("HicriGun"));
    return g;
}
