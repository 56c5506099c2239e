#include "IcoWriter.h"

#include <QFile>
#include <QImage>
#include <QtEndian>

namespace {

void u16(QByteArray& b, quint16 v)
{
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}

void u32(QByteArray& b, quint32 v)
{
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}

QByteArray dib(const QImage& kaynak)
{
    const QImage img = kaynak.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width();
    const int h = img.height();
    const int maskeSatiri = ((w + 31) / 32) * 4;
    QByteArray b;
    // BITMAPINFOHEADER; the height counts the colour rows and the mask rows.
    u32(b, 40);
    u32(b, quint32(w));
    u32(b, quint32(h * 2));
    u16(b, 1);
    u16(b, 32);
    u32(b, 0);
    u32(b, quint32(w * h * 4 + maskeSatiri * h));
    u32(b, 0);
    u32(b, 0);
    u32(b, 0);
    u32(b, 0);
    // Colour rows bottom-up, BGRA with straight alpha.
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* satir = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = satir[x];
            b.append(char(qBlue(c)));
            b.append(char(qGreen(c)));
            b.append(char(qRed(c)));
            b.append(char(qAlpha(c)));
        }
    }
    // AND mask bottom-up: a set bit marks a fully transparent pixel for readers without alpha.
    for (int y = h - 1; y >= 0; --y) {
        QByteArray maske(maskeSatiri, '\0');
        const QRgb* satir = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(satir[x]) == 0)
                maske[x / 8] = char(maske[x / 8] | (0x80 >> (x % 8)));
        }
        b.append(maske);
    }
    return b;
}

} // namespace

QByteArray IcoWriter::kodla(const QList<QImage>& resimler)
{
    QList<QByteArray> veriler;
    for (const QImage& r : resimler)
        veriler.append(dib(r));

    QByteArray b;
    u16(b, 0); // reserved
    u16(b, 1); // icon
    u16(b, quint16(resimler.size()));
    quint32 konum = 6 + 16 * quint32(resimler.size());
    for (int i = 0; i < resimler.size(); ++i) {
        const QImage& r = resimler[i];
        b.append(char(r.width() >= 256 ? 0 : r.width()));
        b.append(char(r.height() >= 256 ? 0 : r.height()));
        b.append(char(0)); // no palette
        b.append(char(0));
        u16(b, 1);  // planes
        u16(b, 32); // bits per pixel
        u32(b, quint32(veriler[i].size()));
        u32(b, konum);
        konum += quint32(veriler[i].size());
    }
    for (const QByteArray& v : veriler)
        b.append(v);
    return b;
}

bool IcoWriter::yaz(const QString& dosya, const QList<QImage>& resimler)
{
    QFile f(dosya);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray b = kodla(resimler);
    return f.write(b) == b.size() && f.flush();
}
