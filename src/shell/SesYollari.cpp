#include "shell/SesYollari.h"

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

QString SesYollari::KendiEzani(const QString& vakit) const
{
    if (vakit == QLatin1String("imsak"))
        return Imsak;
    if (vakit == QLatin1String("ogle"))
        return Ogle;
    if (vakit == QLatin1String("ikindi"))
        return Ikindi;
    if (vakit == QLatin1String("aksam"))
        return Aksam;
    if (vakit == QLatin1String("yatsi"))
        return Yatsi;
    return {};
}

QString SesYollari::EzanYolu(const QString& vakit) const
{
    static const QStringList anahtarlar = {QStringLiteral("imsak"), QStringLiteral("gunes"),
                                           QStringLiteral("ogle"),  QStringLiteral("ikindi"),
                                           QStringLiteral("aksam"), QStringLiteral("yatsi")};
    if (!anahtarlar.contains(vakit))
        return {};
    const QString kendi =
        KendiEzani(vakit == QLatin1String("gunes") ? QStringLiteral("imsak") : vakit);
    return kendi.isEmpty() ? Genel : kendi;
}
