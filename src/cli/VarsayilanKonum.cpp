#include "cli/VarsayilanKonum.h"

#include "locations/SeciliKonum.h"
#include "platform/AyarDeposu.h"
#include "shell/BolgeselAyarlar.h"
#include "shell/GenelAyarlar.h"

VakitGirdisi VarsayilanGirdi(QString* yerHatasi, QString* yerAdi)
{
    const AyarDeposu depo;
    QString bozuk;
    const SeciliKonum yer = SeciliKonum::Oku(depo, &bozuk);
    if (yerHatasi && !bozuk.isEmpty())
        *yerHatasi = QStringLiteral("Kayıtlı konum kullanılamıyor (%1); programda bir yer seçin ya "
                                    "da --lat, --lon ve --tz verin.")
                         .arg(bozuk);
    if (yerAdi)
        *yerAdi = yer.Sehir + QStringLiteral(", ") + yer.Ulke;
    VakitGirdisi g;
    yer.Doldur(g);
    g.VakitHesap = depo.Oku(BolgeselAyarlar::VakitHesapAnahtari);
    g.YazSaati = depo.Oku(GenelAyarlar::YazSaatiAnahtari);
    g.HicriGun = depo.Oku(GenelAyarlar::HicriGunAnahtari);
    return g;
}
