#include "shell/SesYollari.h"

#include "engine/Vakit.h"

#include <QFileInfo>

namespace {
QString VarsaYol(const QString& klasor, const char* ad)
{
    const QString yol = klasor + QLatin1String(ad);
    return QFileInfo(yol).isFile() ? yol : QString();
}
} // namespace

SesYollari SesYollari::Bul(const QString& programKlasoru)
{
    SesYollari y;
    y.Imsak = VarsaYol(programKlasoru, "Ezan/sabah.wma");
    y.Ogle = VarsaYol(programKlasoru, "Ezan/ogle.wma");
    y.Ikindi = VarsaYol(programKlasoru, "Ezan/ikindi.wma");
    y.Aksam = VarsaYol(programKlasoru, "Ezan/aksam.wma");
    y.Yatsi = VarsaYol(programKlasoru, "Ezan/yatsi.wma");
    y.Genel = VarsaYol(programKlasoru, "Ezan/ezan.wma");
    if (y.Genel.isEmpty())
        y.Genel = VarsaYol(programKlasoru, "ezan.wma");
    if (y.Genel.isEmpty())
        y.Eksikler += QStringLiteral("'ezan\\ezan.wma' ");
    y.Uyari = VarsaYol(programKlasoru, "uyari.wma");
    if (y.Uyari.isEmpty())
        y.Eksikler += QStringLiteral("'uyari.wma' ");
    return y;
}

QString SesYollari::EksikMesaji() const
{
    if (Eksikler.isEmpty())
        return {};
    return Eksikler +
           QStringLiteral("dosyası/dosyaları bulunamadı !\r\n"
                          "Program Sesli Uyarı ve/veya Ezan seslerini yürütemeyecektir.");
}

QString SesYollari::EzanYolu(const QString& vakit) const
{
    const QString* const kendi[] = {&Imsak, &Imsak, &Ogle, &Ikindi, &Aksam, &Yatsi};
    for (std::size_t i = 0; i < VakitAnahtarlari.size(); ++i) {
        if (vakit == QLatin1String(VakitAnahtarlari[i]))
            return kendi[i]->isEmpty() ? Genel : *kendi[i];
    }
    return {};
}
