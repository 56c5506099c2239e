#include "platform/gui/SkinResmi.h"

#include <QGuiApplication>
#include <QImage>
#include <QResource>
#include <QtEndian>

#include <cstring>

namespace {

// The picture in its drawn form: width and height (32-bit little-endian), then the rows of
// premultiplied ARGB32 pixels. Null when the program carries none of that name, or the
// resource does not hold a whole picture.
QImage CizilmisBicim(const QString& ad)
{
    const QResource kaynak(QStringLiteral(":/skin/argb/") + ad + QStringLiteral(".argb"));
    const qint64 boy = kaynak.size();
    if (!kaynak.isValid() || kaynak.compressionAlgorithm() != QResource::NoCompression || boy < 8)
        return {};
    const uchar* veri = kaynak.data();
    const quint32 genislik = qFromLittleEndian<quint32>(veri);
    const quint32 yukseklik = qFromLittleEndian<quint32>(veri + 4);
    if (genislik == 0 || yukseklik == 0 || genislik > 4096 || yukseklik > 4096 ||
        boy != 8 + qint64(4) * genislik * yukseklik)
        return {};
    // A 32-bit picture's rows have no padding either.
    QImage resim(int(genislik), int(yukseklik), QImage::Format_ARGB32_Premultiplied);
    if (!resim.isNull())
        std::memcpy(resim.bits(), veri + 8, std::size_t(resim.sizeInBytes()));
    return resim;
}

} // namespace

QPixmap SkinResmi::yukle(const QString& ad, qreal oran)
{
    if (oran <= 0)
        oran = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const QString yol = QStringLiteral(":/skin/") + ad;
    if (oran > 1.0) {
        QPixmap iki(yol + QStringLiteral("@2x.png"));
        if (!iki.isNull()) {
            iki.setDevicePixelRatio(2.0);
            return iki;
        }
    } else if (QImage cizilmis = CizilmisBicim(ad); !cizilmis.isNull()) {
        return QPixmap::fromImage(std::move(cizilmis));
    }
    return QPixmap(yol + QStringLiteral(".png"));
}

QIcon SkinResmi::programSimgesi()
{
    QIcon simge;
    for (int n : {16, 24, 32, 48})
        simge.addPixmap(yukle(QStringLiteral("simge_%1").arg(n)));
    return simge;
}
