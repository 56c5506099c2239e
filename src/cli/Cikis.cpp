#include "cli/Cikis.h"

namespace Cikis {

::Hata Red(const QString& metin)
{
    return {metin, {}, HataliGirdi};
}

int Hata(QTextStream& err, const QString& mesaj, int kod)
{
    QString satir = mesaj;
    satir.replace(QLatin1Char('\n'), QLatin1Char(' '));
    err << "orvanel-cli: " << satir << '\n';
    err.flush();
    return kod;
}

int Hata(QTextStream& err, const ::Hata& hata)
{
    return Hata(err, hata.Metin, hata.Neden == Bulunamadi ? Bulunamadi : HataliGirdi);
}

} // namespace Cikis
