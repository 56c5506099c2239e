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
    QString hata;
    QDate gun = ortam.Zaman.Simdi().date();
    int hicriGun = VarsayilanGirdi().HicriGun;
    if (!TarihOku(p, gun, &hata) || !HicriGunOku(p, hicriGun, &hata))
        return Cikis::Hata(err, hata);
    out << HicriTarih(gun, hicriGun) << '\n';
    return Cikis::Tamam;
}
