#include "cli/VarsayilanKonum.h"

#include "locations/SeciliKonum.h"
#include "platform/AyarDeposu.h"

VakitGirdisi VarsayilanGirdi(QString* yerHatasi)
{
    const AyarDeposu depo;
    QString bozuk;
    const SeciliKonum yer = SeciliKonum::Oku(depo, &bozuk);
    if (yerHatasi && !bozuk.isEmpty())
        *yerHatasi = QStringLiteral("Kayıtlı konum kullanılamıyor (%1); programda bir yer seçin ya "
                                    "da --lat, --lon ve --tz verin.")
                         .arg(bozuk);
    VakitGirdisi g;
    g.Enlem = yer.Enlem;
    g.Boylam = yer.Boylam;
    g.Tz = yer.Tz;
    g.Ulke = yer.Ulke;
    g.VakitHesap = depo.TamsayiOku(QStringLiteral("VakitHesap"));
    g.YazSaati = depo.MantiksalOku(QStringLiteral("YazSaati"));
    g.HicriGun = depo.TamsayiOku(QStringLiteral("HicriGun"));
    return g;
}
