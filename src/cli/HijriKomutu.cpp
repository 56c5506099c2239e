#include "cli/HijriKomutu.h"

#include "cli/Cikis.h"
#include "cli/GirdiSecenekleri.h"
#include "cli/VarsayilanKonum.h"
#include "engine/HicriTakvim.h"

namespace {

QString Yardim()
{
    return QStringLiteral("Kullanım: orvanel-cli hijri [--date YYYY-AA-GG] [--hicri-gun N]\n"
                          "Bir günün Hicri tarihini yazar.\n"
                          "\n"
                          "  --date YYYY-AA-GG  Gün (varsayılan: bugün).\n"
                          "  --hicri-gun N      Hicri takvimi N gün ileri (eksi: geri) al.\n"
                          "  --help             Bu yardımı göster.\n");
}

} // namespace

int HijriKomutu(const QStringList& args, QTextStream& out, QTextStream& err)
{
    return HijriKomutu(args, out, err, KomutOrtami::Sistem());
}

int HijriKomutu(const QStringList& args, QTextStream& out, QTextStream& err,
                const KomutOrtami& ortam)
{
    int cikis = Cikis::Tamam;
    const auto s = Secenekler::Komut(args, {QStringLiteral("date"), QStringLiteral("hicri-gun")},
                                     {}, Yardim(), out, err, cikis);
    if (!s)
        return cikis;

    QString hata;
    VakitGirdisi girdi = VarsayilanGirdi();
    QDate gun = ortam.Zaman.Simdi().date();
    if (!GirdiSecenekleri::TarihSecenegi(*s, QStringLiteral("date"), gun, &hata) ||
        !GirdiSecenekleri::Uygula(*s, girdi, &hata))
        return Cikis::Hata(err, hata);
    out << HicriTarih(gun, girdi.HicriGun) << '\n';
    return Cikis::Tamam;
}
