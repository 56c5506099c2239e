#include "cli/HicriKomutu.h"

#include "cli/Cikis.h"
#include "cli/VarsayilanKonum.h"
#include "engine/HicriTakvim.h"

HicriKomutu::HicriKomutu()
    : Komut({QStringLiteral("hijri")}, QStringLiteral("Bir günün Hicri tarihini yazar."),
            QStringLiteral("Bir günün Hicri tarihini yazar."))
{
    SecenekEkle({TarihSecenegi, HicriGunSecenegi});
}

int HicriKomutu::Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
                       const KomutOrtami& ortam) const
{
    QDate gun = ortam.Zaman.Simdi().date();
    int hicriGun = VarsayilanGirdi().HicriGun;
    Sonuc<> s = TarihOku(p, gun);
    if (s)
        s = HicriGunOku(p, hicriGun);
    if (!s)
        return Cikis::Hata(err, s.Hatasi());
    out << HicriTarih(gun, hicriGun) << '\n';
    return Cikis::Tamam;
}
