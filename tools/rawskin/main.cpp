// Writes skin pictures in the form they are drawn, for a program to take at start without
// decoding a PNG: for each PNG given, OUT/<name>.argb holds its width and height (32-bit,
// little-endian) and then its rows of premultiplied ARGB32 pixels (QImage's
// Format_ARGB32_Premultiplied, in this machine's byte order), without padding.
//
//   orvanel-rawskin OUT PNG...
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtEndian>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: orvanel-rawskin OUT PNG...\n");
        return 2;
    }
    const QString hedef = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const QString png = QString::fromLocal8Bit(argv[i]);
        const QImage resim = QImage(png).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (resim.isNull()) {
            std::fprintf(stderr, "orvanel-rawskin: cannot read %s\n", argv[i]);
            return 1;
        }
        QFile cikti(hedef + QLatin1Char('/') + QFileInfo(png).completeBaseName() +
                    QStringLiteral(".argb"));
        if (!cikti.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "orvanel-rawskin: cannot write %s\n",
                         qPrintable(cikti.fileName()));
            return 1;
        }
        const quint32 boyut[2] = {qToLittleEndian(quint32(resim.width())),
                                  qToLittleEndian(quint32(resim.height()))};
        cikti.write(reinterpret_cast<const char*>(boyut), sizeof boyut);
        for (int y = 0; y < resim.height(); ++y)
            cikti.write(reinterpret_cast<const char*>(resim.constScanLine(y)), 4 * resim.width());
        if (!cikti.flush())
            return 1;
    }
    return 0;
}
